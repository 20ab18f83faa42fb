#include "app/answerwait.h"
#include "app/brandprofile.h"
#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "enrollment/activate.h"
#include "enrollment/activationpending.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "enrollment/qrcodescreen.h"
#include "enrollment/servicecode.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QCheckBox>
#include <algorithm>
#include <functional>

// Every request the user waits for on the enrollment screens ends: with its answer, with the link to the agent, or
// with the agent's silence past the deadline. Whatever ends it, the spinner goes, the controls come back, the screen
// says why, nothing is sent again on its own, and what the user typed is still there.

namespace {

const QString activationState = QStringLiteral("agentinfo.activation_state");
const QString dataAvailable = QStringLiteral("agentinfo.features.data_available");
const QString userEmail = QStringLiteral("agentinfo.user.email");
const QString userIdMethod = QStringLiteral("agentinfo.features.config.user_id_method");
const QString responseType = QStringLiteral("response.type");
const QString qrCode = QStringLiteral("response.act_qr_info.code");

using Page = MainWindow::Page;

enum class Ending
{
    LinkDrops,
    Silence,
    LateAfterLeaving,
    LateInFront,
};

template <typename T> T* screenOf(MainWindowHarness& h)
{
    return h.window->findChild<T*>();
}

QLineEdit* field(QObject* screen, const char* name)
{
    return child<QLineEdit>(screen, name);
}

QWidget* emailPageOf(MainWindowHarness& h)
{
    return child(screenOf<AuthEmail>(h), "authEmail");
}

// The spinner the user sees; a screen behind the front one may hold one of its own while the link is down.
bool spinnerTurns(MainWindowHarness& h)
{
    const QList<WaitingSpinnerWidget*> spinners = h.window->findChildren<WaitingSpinnerWidget*>();
    return std::any_of(spinners.begin(), spinners.end(), [&h](const WaitingSpinnerWidget* s) {
        return s->isSpinning() && s->isVisibleTo(h.window.get());
    });
}

// Only the deadlines of waits that run: firing an idle one would make its screen think it had asked.
void passRunningDeadlines(MainWindowHarness& h)
{
    for (QTimer* deadline : h.window->findChildren<QTimer*>(QStringLiteral("answerDeadline")))
        if (deadline->isActive())
            deadline->start(0);
    QTest::qWait(20);
}

// The lines the window has written and the agent has not read yet.
QList<QByteArray> pendingRequests(MainWindowHarness& h)
{
    QList<QByteArray> lines;
    for (QByteArray line = h.nextRequest(300); !line.isEmpty(); line = h.nextRequest(300))
        lines.append(line);
    return lines;
}

int linesWith(const QList<QByteArray>& lines, const QByteArray& key)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.contains(key); }));
}

BrandProfile brandWith(const char* name, int activationType)
{
    BrandProfile profile = brandProfileNamed(QString::fromLatin1(name));
    profile.activationType = activationType;
    return profile;
}

// An activated device whose agent wants its user signed in with an email address.
QJsonObject signInMessage(int type, int code = Success)
{
    return agentMessage(type, {{userEmail, QString()}, {userIdMethod, 1}, {responseType, code}});
}

// The email page with an address typed, as the agent's request to sign in leaves it.
void reachEmailPage(MainWindowHarness& h)
{
    h.deliver(signInMessage(0));
    QCOMPARE(h.page(), int(Page::EmailPage));
    QTest::keyClicks(field(emailPageOf(h), "mailInput"), QStringLiteral("ann@acme.example"));
}

// The OTP page of the sign-in, with an OTP typed.
void reachOtpPage(MainWindowHarness& h)
{
    reachEmailPage(h);
    child<QPushButton>(emailPageOf(h), "emailAuthButton")->click();
    h.deliver(signInMessage(4, OtpSent));
    auto* otp = screenOf<OtpScreen>(h);
    QVERIFY(otp->isVisibleTo(h.window.get()));
    QTest::keyClicks(field(otp, "otpInput"), QStringLiteral("246810"));
}

void reachActivationPage(MainWindowHarness& h)
{
    h.deliver(agentMessage(0, {{activationState, 0}}));
    QCOMPARE(h.page(), int(Page::ActivatePage));
    auto* screen = screenOf<Activate>(h);
    QTest::keyClicks(field(screen, "codeInput"), QStringLiteral("ACME-4F7K"));
    QTest::keyClicks(field(screen, "friendlyName"), QStringLiteral("reception-pc"));
    child<QCheckBox>(screen, "eulaCheckBox")->setChecked(true);
}

// One kind of request the user starts and waits for, and all a test needs to know about it.
struct WaitCase
{
    BrandProfile brand;
    std::function<void(MainWindowHarness&)> reach; // to the screen, with the fields typed
    std::function<void(MainWindowHarness&)> ask;
    std::function<void(MainWindowHarness&)> leave; // as the user can
    QJsonObject answer;
    QString answerText;
    std::function<QLabel*(MainWindowHarness&)> statusLine;
    std::function<QWidget*(MainWindowHarness&)> control; // what the user presses to ask (again)
    std::function<QList<QLineEdit*>(MainWindowHarness&)> typedFields;
    QByteArray requestKey;
    bool spinnerWhileWaiting;
    int page;
    int pageLeftFor;
};

WaitCase waitCase(const QString& request)
{
    const auto none = [](MainWindowHarness&) {
        return QList<QLineEdit*>();
    };
    const auto otpStatus = [](MainWindowHarness& h) {
        return child<QLabel>(screenOf<OtpScreen>(h), "statusMessage");
    };
    const auto otpFields = [](MainWindowHarness& h) {
        return QList<QLineEdit*>{field(emailPageOf(h), "mailInput"), field(screenOf<OtpScreen>(h), "otpInput")};
    };
    // Sign-in offers Cancel on the OTP page; it leads home.
    const auto cancelOtp = [](MainWindowHarness& h) {
        child<QPushButton>(screenOf<OtpScreen>(h), "cancelButton")->click();
    };
    // Nothing on these screens leads elsewhere; the window shows another screen as the agent or the tray can make it.
    const auto showSettings = [](MainWindowHarness& h) {
        h.showPage(Page::SettingsPage);
    };
    const auto showHome = [](MainWindowHarness& h) {
        h.showPage(Page::HomePage);
    };
    // The activation screen serves both the code and the email method.
    const auto pressActivate = [](MainWindowHarness& h) {
        child<QPushButton>(screenOf<Activate>(h), "activateButton")->click();
    };
    const auto activateStatus = [](MainWindowHarness& h) {
        return child<QLabel>(screenOf<Activate>(h), "statusMessage");
    };
    const auto activateButton = [](MainWindowHarness& h) {
        return child(screenOf<Activate>(h), "activateButton");
    };
    const auto activateFields = [](MainWindowHarness& h) {
        return QList<QLineEdit*>{field(screenOf<Activate>(h), "codeInput"),
                                 field(screenOf<Activate>(h), "friendlyName")};
    };

    if (request == QLatin1String("activation code"))
        return {brandWith("dovrin", ActivationType::ActivationCode),
                reachActivationPage,
                pressActivate,
                showSettings,
                agentMessage(1, {{activationState, 0}, {responseType, int(DuplicateDeviceName)}}),
                QStringLiteral("Duplicate device name"),
                activateStatus,
                activateButton,
                activateFields,
                "activation_req",
                true,
                Page::ActivatePage,
                Page::SettingsPage};
    if (request == QLatin1String("email activation"))
        return {brandProfileNamed(QStringLiteral("kivora")),
                reachActivationPage,
                pressActivate,
                showSettings,
                agentMessage(1, {{activationState, 0}, {responseType, int(InvalidEmail)}}),
                QStringLiteral("Invalid email. Please contact your administrator."),
                activateStatus,
                activateButton,
                activateFields,
                "activation_req",
                true,
                Page::ActivatePage,
                Page::SettingsPage};
    if (request == QLatin1String("QR activation"))
        return {brandProfileNamed(QStringLiteral("novalume")),
                [](MainWindowHarness& h) {
                    h.deliver(agentMessage(0, {{activationState, 0}}));
                },
                // Every code the QR page shows goes to the agent for activation.
                [](MainWindowHarness& h) {
                    h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
                },
                showHome, agentMessage(1, {{activationState, 0}, {responseType, int(MaxDevicesReached)}}),
                QStringLiteral("Maximum number of devices reached for your account"),
                [](MainWindowHarness& h) { return child<QLabel>(screenOf<QRCodeScreen>(h), "statusMessage"); },
                [](MainWindowHarness& h) { return child(screenOf<QRCodeScreen>(h), "regenerateQRButton"); }, none,
                "activation_req", false, Page::ServiceCodePage, Page::HomePage};
    if (request == QLatin1String("OTP submit"))
        return {brandWith("dovrin", ActivationType::ActivationCode),
                reachOtpPage,
                [](MainWindowHarness& h) { child<QPushButton>(screenOf<OtpScreen>(h), "submitButton")->click(); },
                cancelOtp,
                signInMessage(6, InvalidOtp),
                QStringLiteral("Invalid OTP"),
                otpStatus,
                [](MainWindowHarness& h) { return child(screenOf<OtpScreen>(h), "submitButton"); },
                otpFields,
                "user_activation_req",
                true,
                Page::EmailPage,
                Page::HomePage};
    if (request == QLatin1String("OTP resend"))
        return {brandWith("dovrin", ActivationType::ActivationCode),
                reachOtpPage,
                [](MainWindowHarness& h) { child<QPushButton>(screenOf<OtpScreen>(h), "resendButton")->click(); },
                cancelOtp,
                signInMessage(4, OtpResendBlocked),
                QStringLiteral("OTP resend blocked"),
                otpStatus,
                [](MainWindowHarness& h) { return child(screenOf<OtpScreen>(h), "resendButton"); },
                otpFields,
                "user_registration_req",
                true,
                Page::EmailPage,
                Page::HomePage};
    if (request == QLatin1String("email registration"))
        return {brandWith("dovrin", ActivationType::ActivationCode),
                reachEmailPage,
                [](MainWindowHarness& h) { child<QPushButton>(emailPageOf(h), "emailAuthButton")->click(); },
                [](MainWindowHarness& h) { child<QPushButton>(emailPageOf(h), "skipButton")->click(); },
                signInMessage(4, InvalidEmail),
                QStringLiteral("Invalid email"),
                [](MainWindowHarness& h) { return child<QLabel>(emailPageOf(h), "statusMessage"); },
                [](MainWindowHarness& h) { return child(emailPageOf(h), "emailAuthButton"); },
                [](MainWindowHarness& h) { return QList<QLineEdit*>{field(emailPageOf(h), "mailInput")}; },
                "user_registration_req",
                true,
                Page::EmailPage,
                Page::HomePage};
    return {brandWith("dovrin", ActivationType::ActivationCode),
            [](MainWindowHarness& h) {
                h.deliver(agentMessage(0, {{activationState, 2}}));
            },
            [](MainWindowHarness& h) {
                child<QPushButton>(screenOf<ActivationPending>(h), "activationStatusButton")->click();
            },
            [](MainWindowHarness& h) { child<QPushButton>(screenOf<ActivationPending>(h), "settings")->click(); },
            agentMessage(2, {{activationState, 2}, {responseType, int(VerificationRequestFailed)}}),
            QStringLiteral("Verification request failed"),
            [](MainWindowHarness& h) { return child<QLabel>(screenOf<ActivationPending>(h), "statusMessage"); },
            [](MainWindowHarness& h) { return child(screenOf<ActivationPending>(h), "activationStatusButton"); },
            none,
            R"({"type":3})",
            true,
            Page::PendingPage,
            Page::SettingsPage};
}

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestEnrollmentWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void everyWaitEnds_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<Ending>("ending");
        const std::pair<const char*, Ending> endings[] = {{"link drops", Ending::LinkDrops},
                                                          {"agent silent", Ending::Silence},
                                                          {"late answer after leaving", Ending::LateAfterLeaving},
                                                          {"late answer in front", Ending::LateInFront}};
        for (const char* request : {"activation code", "email activation", "QR activation", "OTP submit", "OTP resend",
                                    "email registration", "status check"}) {
            for (const auto& [name, ending] : endings) {
                // While the link is down the QR page covers its code with a wait of its own (the QR screens' tests).
                if (ending == Ending::LinkDrops && QLatin1String(request) == QLatin1String("QR activation"))
                    continue;
                QTest::addRow("%s, %s", request, name) << QString::fromLatin1(request) << ending;
            }
        }
    }
    void everyWaitEnds()
    {
        QFETCH(QString, request);
        QFETCH(Ending, ending);
        const WaitCase c = waitCase(request);
        ScopedBrandProfile brand(c.brand);
        MainWindowHarness h;
        c.reach(h);
        QCOMPARE(h.page(), c.page);
        QStringList typed;
        for (QLineEdit* input : c.typedFields(h))
            typed << input->text();
        pendingRequests(h);

        c.ask(h);
        QCOMPARE(spinnerTurns(h), c.spinnerWhileWaiting);

        QString shown = QStringLiteral("The %1 service did not answer. Please try again.").arg(::brand().displayName);
        int page = c.page;
        switch (ending) {
        case Ending::LinkDrops:
            h.drop();
            shown = QStringLiteral("Unable to connect to the %1 service").arg(::brand().displayName);
            break;
        case Ending::Silence:
            passRunningDeadlines(h);
            break;
        case Ending::LateAfterLeaving:
            passRunningDeadlines(h);
            c.leave(h);
            page = c.pageLeftFor;
            QCOMPARE(h.page(), page);
            h.deliver(c.answer);
            break;
        case Ending::LateInFront:
            passRunningDeadlines(h);
            h.deliver(c.answer);
            shown = c.answerText;
            break;
        }

        QVERIFY(!spinnerTurns(h));
        QVERIFY(c.control(h)->isEnabled());
        QCOMPARE(c.statusLine(h)->text(), shown);
        QCOMPARE(h.page(), page);
        QStringList kept;
        for (QLineEdit* input : c.typedFields(h))
            kept << input->text();
        QCOMPARE(kept, typed);
        QCOMPARE(linesWith(pendingRequests(h), c.requestKey), 1);
    }

    // The window's own look at a pending approval, five minutes on, is no wait of the user's: no spinner, no deadline,
    // and nothing written to a dropped link.
    void approvalRecheckIsNotAUserWait()
    {
        ScopedBrandProfile brand(brandWith("dovrin", ActivationType::ActivationCode));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        h.deliver(agentMessage(1, {{activationState, 2}, {responseType, int(AdminApprovalPending)}}));
        QCOMPARE(h.page(), int(Page::PendingPage));
        pendingRequests(h);

        QCOMPARE(fireTimers(h.window.get(), QStringLiteral("approvalRecheckTimer")), 1);
        QCOMPARE(pendingRequests(h), QList<QByteArray>{QByteArray(R"({"type":3})"
                                                                  "\n")});
        QVERIFY(!spinnerTurns(h));
        for (const QTimer* deadline : h.window->findChildren<QTimer*>(QStringLiteral("answerDeadline")))
            QVERIFY(!deadline->isActive());

        h.deliver(agentMessage(1, {{activationState, 2}, {responseType, int(AdminApprovalPending)}}));
        h.drop();
        fireTimers(h.window.get(), QStringLiteral("approvalRecheckTimer"));
        QVERIFY(pendingRequests(h).isEmpty());
    }

    void typedFieldsStay_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("expected"); // the fields' texts afterwards, in the method's order
        const QStringList code{"ACME-4F7K", "reception-pc"};
        const QStringList enrollment{"ann@acme.example", "desk", "246810"};
        const QStringList signIn{"ann@acme.example", "246810"};
        const QStringList serviceId{"svc-204"};
        QTest::newRow("code: the agent restarts") << "code"
                                                  << "link" << code;
        QTest::newRow("code: accepted") << "code"
                                        << "success" << QStringList{"", ""};
        QTest::newRow("email enrollment: escape on the OTP page") << "email enrollment"
                                                                  << "back" << enrollment;
        QTest::newRow("email enrollment: the agent restarts") << "email enrollment"
                                                              << "link" << enrollment;
        QTest::newRow("email enrollment: accepted") << "email enrollment"
                                                    << "success" << QStringList{"", "", ""};
        QTest::newRow("sign-in: escape on the OTP page") << "sign-in"
                                                         << "back" << signIn;
        QTest::newRow("sign-in: the agent restarts") << "sign-in"
                                                     << "link" << signIn;
        QTest::newRow("sign-in: OTP accepted") << "sign-in"
                                               << "success" << QStringList{"ann@acme.example", ""};
        QTest::newRow("service ID: escape on the QR page") << "service ID"
                                                           << "back" << serviceId;
        QTest::newRow("service ID: the agent restarts") << "service ID"
                                                        << "link" << serviceId;
        QTest::newRow("service ID: accepted") << "service ID"
                                              << "success" << QStringList{""};
    }
    void typedFieldsStay()
    {
        QFETCH(QString, method);
        QFETCH(QString, event);
        QFETCH(QStringList, expected);
        const bool signIn = method == QLatin1String("sign-in");
        const BrandProfile profile = method == QLatin1String("code") ? brandWith("dovrin", 0)
                                     : method == QLatin1String("email enrollment")
                                         ? brandProfileNamed(QStringLiteral("kivora"))
                                     : signIn ? brandWith("dovrin", 0)
                                              : brandProfileNamed(QStringLiteral("lumidor"));
        ScopedBrandProfile brand(profile);
        MainWindowHarness h;
        // Escape goes back only from a screen that is shown.
        h.window->show();
        const int state = signIn ? 1 : 0;
        const auto snapshot = [&](int type, QList<QPair<QString, QJsonValue>> changes = {}) {
            changes.prepend({activationState, state});
            if (signIn)
                changes << qMakePair(userEmail, QJsonValue(QString())) << qMakePair(userIdMethod, QJsonValue(1));
            return agentMessage(type, changes);
        };

        QList<QLineEdit*> fields;
        QWidget* otpOrQrPage = nullptr;
        if (method == QLatin1String("code")) {
            reachActivationPage(h);
            fields = {field(screenOf<Activate>(h), "codeInput"), field(screenOf<Activate>(h), "friendlyName")};
        } else if (method == QLatin1String("email enrollment")) {
            h.deliver(snapshot(0));
            auto* activate = screenOf<Activate>(h);
            QTest::keyClicks(field(activate, "codeInput"), QStringLiteral("ann@acme.example"));
            QTest::keyClicks(field(activate, "friendlyName"), QStringLiteral("desk"));
            child<QCheckBox>(activate, "eulaCheckBox")->setChecked(true);
            child<QPushButton>(activate, "activateButton")->click();
            h.deliver(snapshot(1, {{responseType, int(OtpSent)}}));
            otpOrQrPage = screenOf<OtpScreen>(h);
            QTest::keyClicks(field(otpOrQrPage, "otpInput"), QStringLiteral("246810"));
            fields = {field(activate, "codeInput"), field(activate, "friendlyName"), field(otpOrQrPage, "otpInput")};
        } else if (signIn) {
            reachOtpPage(h);
            otpOrQrPage = screenOf<OtpScreen>(h);
            fields = {field(emailPageOf(h), "mailInput"), field(otpOrQrPage, "otpInput")};
        } else {
            h.deliver(snapshot(0));
            auto* serviceCode = screenOf<ServiceCode>(h);
            QTest::keyClicks(field(serviceCode, "serviceCodeInput"), QStringLiteral("svc-204"));
            QTest::keyClick(field(serviceCode, "serviceCodeInput"), Qt::Key_Return);
            h.deliver(snapshot(13, {{qrCode, "QR-HELD"}}));
            otpOrQrPage = screenOf<QRCodeScreen>(h);
            fields = {field(serviceCode, "serviceCodeInput")};
        }
        QVERIFY(h.page() != Page::HomePage);

        if (event == QLatin1String("back")) {
            QVERIFY(otpOrQrPage->isVisible());
            QTest::keyClick(otpOrQrPage, Qt::Key_Escape);
            QVERIFY(!otpOrQrPage->isVisible());
        } else if (event == QLatin1String("link")) {
            // A restarted agent comes back without data first, then with it.
            h.drop();
            h.restore();
            h.deliver(snapshot(0, {{dataAvailable, false}}));
            h.deliver(snapshot(0));
        } else {
            if (method == QLatin1String("code"))
                child<QPushButton>(screenOf<Activate>(h), "activateButton")->click();
            else if (otpOrQrPage && method != QLatin1String("service ID"))
                child<QPushButton>(otpOrQrPage, "submitButton")->click();
            const QJsonObject accepted =
                signIn ? agentMessage(
                             6, {{userEmail, "ann@acme.example"}, {userIdMethod, 1}, {responseType, int(Activated)}})
                       : agentMessage(1, {{activationState, 1},
                                          {userEmail, "ann@acme.example"},
                                          {responseType, int(ActivationAccepted)}});
            h.deliver(accepted);
            QCOMPARE(h.page(), int(Page::HomePage));
        }

        QStringList texts;
        for (QLineEdit* input : fields)
            texts << input->text();
        QCOMPARE(texts, expected);
    }
};

QTEST_MAIN(TestEnrollmentWaits)
#include "test_enrollment_waits.moc"
