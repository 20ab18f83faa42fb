#include "app/brandprofile.h"
#include "app/startup.h"
#include "enrollment/activate.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The email enrollment method through the whole window: the address typed on the activation screen asks the agent
// for an OTP, the agent's answer brings up the OTP page, and the OTP goes back inside the same activation request.
// And the sign-in of an enrolled device's user, which every brand that signs users in by email does alike.
namespace {

// One screen with a field, as the user meets it: which control has the keyboard on arrival, what is typed, what
// Return sends, the agent's answer, and where the keyboard is once it came.
struct FocusStep
{
    const char* field;
    const char* typed;
    const char* sent; // a part of the request Return sends
    int answerType;
    int answerCode;
};

struct FocusRoute
{
    const char* name;
    const char* brand;
    int userIdMethod; // with activation state 1; 0 leaves the device unenrolled
    bool viaSettings; // the Sign In button on the settings page opens the first screen
    QList<FocusStep> steps;
    const char* lastField; // where the keyboard is after the last answer
};

const QList<FocusRoute>& focusRoutes()
{
    static const QList<FocusRoute> routes{
        {"activation code",
         "dovrin",
         0,
         false,
         {{"codeInput", "ABC123", R"("act_code")", 1, InvalidActivationCode}},
         "codeInput"},
        {"email enrollment",
         "kivora",
         0,
         false,
         {{"codeInput", "ann@corp.example", R"("act_email")", 1, OtpSent},
          {"otpInput", "012345", R"("otp":12345)", 1, InvalidOtp}},
         "otpInput"},
        {"sign-in",
         "kivora",
         1,
         false,
         {{"mailInput", "ann@corp.example", "user_registration_req", 4, OtpSent},
          {"otpInput", "012345", R"("otp":"012345")", 6, InvalidOtp}},
         "otpInput"},
        {"sign-in from settings",
         "kivora",
         1,
         true,
         {{"mailInput", "ann@corp.example", "user_registration_req", 4, OtpSent}},
         "otpInput"},
        {"service ID",
         "lumidor",
         0,
         false,
         {{"serviceCodeInput", "svc-42", "act_qr_info_req", -1, 0}},
         "backButton"}, // the QR page has no field
    };
    return routes;
}

} // namespace

class TestEmailEnrollment : public QObject
{
    Q_OBJECT
private slots:
    // Every screen with a field opens with the keyboard in it, Return submits it, and the keyboard is in the next
    // screen's field, or still in this one, once the agent answered: a code typed at once is never lost.
    void focusFollowsTheFields_data()
    {
        QTest::addColumn<int>("route");
        for (int route = 0; route < focusRoutes().size(); ++route)
            QTest::newRow(focusRoutes().at(route).name) << route;
    }
    void focusFollowsTheFields()
    {
        QFETCH(int, route);
        const FocusRoute& r = focusRoutes().at(route);
        ScopedBrandProfile scoped(brandProfileNamed(QString::fromLatin1(r.brand)));
        MainWindowHarness h;
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        const QString userIdMethod = QStringLiteral("agentinfo.features.config.user_id_method");
        QList<QPair<QString, QJsonValue>> state{{QStringLiteral("agentinfo.activation_state"), r.userIdMethod ? 1 : 0},
                                                {userIdMethod, r.userIdMethod}};
        if (r.viaSettings) {
            state.append({QStringLiteral("agentinfo.user.email"), QString()});
            h.deliver(agentMessage(0, state));
            h.showPage(MainWindow::SettingsPage);
            auto* signIn = h.window->findChild<QPushButton*>(QStringLiteral("signOutButton"));
            QCOMPARE(signIn->text(), QStringLiteral("Sign in"));
            signIn->click();
        } else {
            h.deliver(agentMessage(0, state));
        }
        for (const FocusStep& step : r.steps) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus && focus->objectName() == QLatin1String(step.field),
                     qPrintable(
                         QStringLiteral("%1 instead of %2").arg(focus ? focus->objectName() : "nothing", step.field)));
            if (auto* eula = h.window->findChild<QCheckBox*>(QStringLiteral("eulaCheckBox")))
                eula->setChecked(true);
            QTest::keyClicks(focus, QString::fromLatin1(step.typed));
            QTest::keyClick(focus, Qt::Key_Return);
            const QByteArray request = h.nextRequest();
            QVERIFY2(request.contains(step.sent), request.constData());
            if (step.answerType >= 0)
                h.deliver(agentMessage(
                    step.answerType, {state.first(), state.at(1), {QStringLiteral("response.type"), step.answerCode}}));
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus && focus->objectName() == QLatin1String(r.lastField),
                 qPrintable(focus ? focus->objectName() : QStringLiteral("nothing")));
    }

    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void addressThenOtpActivateTheDevice()
    {
        BrandProfile profile = brandProfileNamed(QStringLiteral("kivora"));
        QCOMPARE(profile.activationType, ActivationType::Email);
        ScopedBrandProfile scoped(profile);
        MainWindowHarness h;
        const QString activationState = QStringLiteral("agentinfo.activation_state");
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ActivatePage));

        auto* activate = h.window->findChild<Activate*>();
        QStringList order;
        connect(activate, &Activate::activate, this, [&] { order << QStringLiteral("activate"); });
        connect(activate, &Activate::sendtoOtpScreen, this, [&] { order << QStringLiteral("sendtoOtpScreen"); });
        QTest::keyClicks(activate->findChild<QLineEdit*>(QStringLiteral("codeInput")),
                         QStringLiteral(" user@corp.example "));
        QTest::keyClicks(activate->findChild<QLineEdit*>(QStringLiteral("friendlyName")), QStringLiteral("desk"));
        activate->findChild<QCheckBox*>(QStringLiteral("eulaCheckBox"))->setChecked(true);
        activate->findChild<QPushButton*>(QStringLiteral("activateButton"))->click();

        QCOMPARE(order, QStringList({QStringLiteral("activate"), QStringLiteral("sendtoOtpScreen")}));
        QCOMPARE(h.nextRequest(),
                 QByteArray(R"({"activation_req":{"act_email":{"email":"user@corp.example","name":"desk"},)"
                            R"("act_type":2},"type":2})"
                            "\n"));

        h.deliver(agentMessage(1, {{activationState, 0},
                                   {QStringLiteral("response.type"), int(OtpSent)},
                                   {QStringLiteral("response.activation_resp.otp_validity"), 300},
                                   {QStringLiteral("response.activation_resp.next_atttempt_unix"), 30}}));
        QCOMPARE(h.page(), int(MainWindow::EmailPage));
        auto* otp = h.window->findChild<OtpScreen*>();
        QVERIFY(otp->isVisibleTo(h.window.get()));
        otp->onValidityTimeOut();
        QCOMPARE(otp->findChild<QLabel*>(QStringLiteral("validLabel"))->text(),
                 QStringLiteral("Your OTP is valid for 04:59."));

        auto* otpInput = otp->findChild<QLineEdit*>(QStringLiteral("otpInput"));
        QTest::keyClicks(otpInput, QStringLiteral(" 042 "));
        QTest::keyClick(otpInput, Qt::Key_Return);
        QCOMPARE(h.nextRequest(),
                 QByteArray(R"({"activation_req":{"act_email":{"email":"user@corp.example","name":"desk","otp":42},)"
                            R"("act_type":2},"type":2})"
                            "\n"));
    }

    void enrolledDeviceSignsInByEmail_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::newRow("enrolls by email") << QStringLiteral("kivora");
        QTest::newRow("enrolls by activation code") << QStringLiteral("dovrin");
    }
    void enrolledDeviceSignsInByEmail()
    {
        QFETCH(QString, brandName);
        ScopedBrandProfile scoped(brandProfileNamed(brandName));
        MainWindowHarness h;
        const QString userIdMethod = QStringLiteral("agentinfo.features.config.user_id_method");
        h.deliver(agentMessage(0, {{userIdMethod, 1}}));
        QCOMPARE(h.page(), int(MainWindow::EmailPage));
        auto* otp = h.window->findChild<OtpScreen*>();
        auto* mailInput = h.window->findChild<QLineEdit*>(QStringLiteral("mailInput"));
        auto* otpInput = otp->findChild<QLineEdit*>(QStringLiteral("otpInput"));
        auto* otpStatus = otp->findChild<QLabel*>(QStringLiteral("statusMessage"));
        const QByteArray registration(R"({"type":5,"user_registration_req":{"email":"ann@corp.example"}})"
                                      "\n");

        QTest::keyClicks(mailInput, QStringLiteral(" ann@corp.example "));
        QTest::keyClick(mailInput, Qt::Key_Return);
        QCOMPARE(h.nextRequest(), registration);
        h.deliver(agentMessage(4, {{userIdMethod, 1},
                                   {QStringLiteral("response.type"), int(OtpSent)},
                                   {QStringLiteral("response.user_registration_resp.otp_validity"), 300},
                                   {QStringLiteral("response.user_registration_resp.next_attempt_unix"), 30}}));
        QCOMPARE(h.page(), int(MainWindow::EmailPage));
        QVERIFY(otp->isVisibleTo(h.window.get()));
        QVERIFY(!otp->findChild<QPushButton*>(QStringLiteral("cancelButton"))->isHidden());
        otp->onValidityTimeOut();
        QCOMPARE(otp->findChild<QLabel*>(QStringLiteral("validLabel"))->text(),
                 QStringLiteral("Your OTP is valid for 04:59."));

        // The OTP goes to the user typed on the sign-in page; an activation answer is no answer to it.
        QTest::keyClicks(otpInput, QStringLiteral(" 111111 "));
        QTest::keyClick(otpInput, Qt::Key_Return);
        QCOMPARE(h.nextRequest(), QByteArray(R"({"type":7,"user_activation_req":{"email":"ann@corp.example",)"
                                             R"("otp":"111111"}})"
                                             "\n"));
        h.deliver(agentMessage(1, {{userIdMethod, 1}, {QStringLiteral("response.type"), int(InvalidOtp)}}));
        QCOMPARE(otpStatus->text(), QString());
        h.deliver(agentMessage(6, {{userIdMethod, 1}, {QStringLiteral("response.type"), int(InvalidOtp)}}));
        QCOMPARE(otpStatus->text(), QStringLiteral("Invalid OTP"));

        // Another OTP is asked for the same address once the resend wait has run out.
        for (int tick = 0; tick <= 30; ++tick)
            otp->onResendTimeOut();
        otp->findChild<QPushButton*>(QStringLiteral("resendButton"))->click();
        QCOMPARE(h.nextRequest(), registration);
        h.deliver(agentMessage(4, {{userIdMethod, 1}, {QStringLiteral("response.type"), int(OtpSent)}}));

        otpInput->clear();
        QTest::keyClicks(otpInput, QStringLiteral("246810"));
        QTest::keyClick(otpInput, Qt::Key_Return);
        QVERIFY(h.nextRequest().contains(R"("otp":"246810")"));
        h.deliver(agentMessage(6, {{userIdMethod, 1},
                                   {QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@corp.example")},
                                   {QStringLiteral("response.type"), int(Activated)}}));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        QVERIFY(h.nextRequest(50).isEmpty());
    }

    // Signing in does not bring Secure Access back: the user who signed in hears that it is off, with the keyboard on
    // the switch, so one key asks for it. Nothing is offered when it is on, when the user cannot move the switch, or
    // when nobody waited for the sign-in.
    void signInOffersSecureAccess_data()
    {
        using Changes = QList<QPair<QString, QJsonValue>>;
        QTest::addColumn<Changes>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("offered");
        const QString status = QStringLiteral("agentinfo.features.secconn.status");
        QTest::newRow("off") << Changes{{status, 4}} << true << true;
        QTest::newRow("on") << Changes{{status, 2}} << true << false;
        QTest::newRow("switch locked off")
            << Changes{{status, 4}, {QStringLiteral("agentinfo.features.secconn.status_user_control_disabled"), true}}
            << true << false;
        QTest::newRow("nobody waited") << Changes{{status, 4}} << false << false;
    }
    void signInOffersSecureAccess()
    {
        using Changes = QList<QPair<QString, QJsonValue>>;
        QFETCH(Changes, answer);
        QFETCH(bool, asked);
        QFETCH(bool, offered);
        ScopedBrandProfile scoped(brandProfileNamed(QStringLiteral("kivora")));
        MainWindowHarness h;
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        const QString userIdMethod = QStringLiteral("agentinfo.features.config.user_id_method");
        h.deliver(agentMessage(0, {{userIdMethod, 1}}));
        QCOMPARE(h.page(), int(MainWindow::EmailPage));
        if (asked) {
            auto* mailInput = h.window->findChild<QLineEdit*>(QStringLiteral("mailInput"));
            QTest::keyClicks(mailInput, QStringLiteral("ann@corp.example"));
            QTest::keyClick(mailInput, Qt::Key_Return);
            QVERIFY(h.nextRequest().contains("user_registration_req"));
            h.deliver(agentMessage(4, {{userIdMethod, 1}, {QStringLiteral("response.type"), int(OtpSent)}}));
            auto* otpInput = h.window->findChild<OtpScreen*>()->findChild<QLineEdit*>(QStringLiteral("otpInput"));
            QTest::keyClicks(otpInput, QStringLiteral("246810"));
            QTest::keyClick(otpInput, Qt::Key_Return);
            QVERIFY(h.nextRequest().contains("user_activation_req"));
        }
        Changes signedIn{{userIdMethod, 1},
                         {QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@corp.example")},
                         {QStringLiteral("response.type"), int(Activated)}};
        signedIn.append(answer);
        h.deliver(agentMessage(6, signedIn));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        const QString offer = QStringLiteral("Signed in. Secure Access is off: turn it on with the switch above.");
        QCOMPARE(h.text("statusText") == offer, offered);
        if (!offered)
            return;
        QCOMPARE(QApplication::focusWidget(), h.toggle());
        // One key asks for it, once; and the offer goes as the tunnel comes.
        QTest::keyClick(h.toggle(), Qt::Key_Space);
        QCOMPARE(h.nextRequest(), QByteArray("{\"enable_secconn_status\":true,\"type\":8}\n"));
        QVERIFY(h.nextRequest(50).isEmpty());
        signedIn.removeLast();
        signedIn.append({QStringLiteral("agentinfo.features.secconn.status"), 1});
        h.deliver(agentMessage(0, signedIn));
        QCOMPARE(h.text("statusText"), QString());
    }
};

QTEST_MAIN(TestEmailEnrollment)
#include "test_emailenrollment.moc"
