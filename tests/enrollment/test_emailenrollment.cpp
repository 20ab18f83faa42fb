#include "app/brandprofile.h"
#include "app/startup.h"
#include "enrollment/activate.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The email enrollment method through the whole window: the address typed on the activation screen asks the agent
// for an OTP, the agent's answer brings up the OTP page, and the OTP goes back inside the same activation request.
class TestEmailEnrollment : public QObject
{
    Q_OBJECT
private slots:
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
                 QStringLiteral("You OTP is valid for 04:59"));

        auto* otpInput = otp->findChild<QLineEdit*>(QStringLiteral("otpInput"));
        QTest::keyClicks(otpInput, QStringLiteral(" 042 "));
        QTest::keyClick(otpInput, Qt::Key_Return);
        QCOMPARE(h.nextRequest(),
                 QByteArray(R"({"activation_req":{"act_email":{"email":"user@corp.example","name":"desk","otp":42},)"
                            R"("act_type":2},"type":2})"
                            "\n"));
    }
};

QTEST_MAIN(TestEmailEnrollment)
#include "test_emailenrollment.moc"
