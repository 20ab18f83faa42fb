#include "app/startup.h"
#include "enrollment/otpscreen.h"
#include "settings/subscreenframe.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/metatypes.h"

#include <QSignalSpy>

namespace {

ActivationReq emailRequest()
{
    ActivationReq request;
    request.actType = ActivationType::Email;
    request.email = QStringLiteral("user@corp.example");
    request.emailName = QStringLiteral("desk");
    request.otp = -1;
    return request;
}

QByteArray emailActivationLine(const char* otpMember)
{
    return QByteArray(R"({"activation_req":{"act_email":{"email":"user@corp.example","name":"desk")") + otpMember +
           R"(},"act_type":2},"type":2})" + "\n";
}

struct Durations
{
    qint64 resend = 0;
    qint64 validity = 0;
    qint64 blocked = 0;
};

// The durations go into the members the flow reads: the activation's for an email enrollment, the registration's for
// a sign-in. The attempts block is the same member in both.
Response responseWith(int code, Durations d = {}, bool enrollment = brand().usesEmailEnrollment())
{
    Response response;
    response.code = code;
    if (enrollment) {
        response.actNextAttempt = d.resend;
        response.actOtpValidity = d.validity;
    } else {
        response.regNextAttempt = d.resend;
        response.regOtpValidity = d.validity;
    }
    response.userActNextAttempt = d.blocked;
    return response;
}

} // namespace

class TestOtpScreen : public QObject
{
    Q_OBJECT
private:
    static QLineEdit* otpInput(const OtpScreen& s) { return child<QLineEdit>(&s, "otpInput"); }
    static QPushButton* submitButton(const OtpScreen& s) { return child<QPushButton>(&s, "submitButton"); }
    static QPushButton* resendButton(const OtpScreen& s) { return child<QPushButton>(&s, "resendButton"); }
    static QString status(const OtpScreen& s) { return labelText(&s, "statusMessage"); }

private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void submitSendsTheTypedOtp_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("enrollment");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QByteArray>("line");
        const QByteArray userActivation(R"({"type":7,"user_activation_req":{"email":"user@corp.example","otp":"0123"}})"
                                        "\n");
        // The field holds digits only: blanks go, letters are refused.
        QTest::newRow("sign-in keeps the text") << 0 << false << " 0123 "
                                                << "0123" << userActivation;
        // An enrolled device of the email brand signs its user in like any other, with the address typed for it.
        QTest::newRow("sign-in of the email brand") << 2 << false << " 0123 "
                                                    << "0123" << userActivation;
        QTest::newRow("email enrollment sends a number") << 2 << true << " 0123 "
                                                         << "0123" << emailActivationLine(R"(,"otp":123)");
        QTest::newRow("email enrollment, letters refused") << 2 << true << "1a2b"
                                                           << "12" << emailActivationLine(R"(,"otp":12)");
        // An int holds every nine-digit code; a tenth digit could overflow it.
        QTest::newRow("email enrollment, nine digits at most")
            << 2 << true << "0987654321"
            << "098765432" << emailActivationLine(R"(,"otp":98765432)");
    }
    void submitSendsTheTypedOtp()
    {
        QFETCH(int, activationType);
        QFETCH(bool, enrollment);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QByteArray, line);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        OtpScreen screen;
        if (enrollment)
            screen.getActivationDetails(emailRequest());
        else
            screen.startSignIn(QStringLiteral("user@corp.example"));
        QCOMPARE(screen.enrollsDevice(), enrollment);
        QSignalSpy spinner(&screen, &OtpScreen::startSpinner);

        QVERIFY(!submitButton(screen)->isEnabled());
        QTest::keyClicks(otpInput(screen), typed);
        QVERIFY(submitButton(screen)->isEnabled());
        submitButton(screen)->click();

        QCOMPARE(agent.nextRequest(), line);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), &screen);
        QCOMPARE(spinner.at(0).at(1).toBool(), false);
        QVERIFY(!submitButton(screen)->isEnabled());

        // The OTP stays until the agent accepts it; until it answers, neither typing nor Enter sends it again.
        QCOMPARE(otpInput(screen)->text(), kept);
        QTest::keyClicks(otpInput(screen), QStringLiteral("4"));
        QVERIFY(!submitButton(screen)->isEnabled());
        QTest::keyClick(otpInput(screen), Qt::Key_Return);
        QVERIFY(agent.nextRequest().isEmpty());
        screen.processResponse(responseWith(InvalidOtp));
        QCOMPARE(otpInput(screen)->text(), kept.size() < otpInput(screen)->maxLength() ? kept + "4" : kept);
        QVERIFY(submitButton(screen)->isEnabled());
        screen.processResponse(responseWith(enrollment ? ActivationAccepted : Activated));
        QVERIFY(otpInput(screen)->text().isEmpty());
        QVERIFY(!submitButton(screen)->isEnabled());
    }

    void submitWithoutOtpOrWhileBlockedSendsNothing()
    {
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        OtpScreen screen;
        screen.startSignIn(QStringLiteral("user@corp.example"));
        QSignalSpy spinner(&screen, &OtpScreen::startSpinner);

        QTest::keyClick(otpInput(screen), Qt::Key_Return);
        QVERIFY(agent.nextRequest().isEmpty());

        screen.processResponse(responseWith(Success, {0, 0, 90}));
        QTest::keyClicks(otpInput(screen), QStringLiteral("1234"));
        QVERIFY(!submitButton(screen)->isEnabled());
        QTest::keyClick(otpInput(screen), Qt::Key_Return);
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(spinner.size(), 0);
        QCOMPARE(otpInput(screen)->text(), QStringLiteral("1234"));
    }

    void resend_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        const QByteArray registration(R"({"type":5,"user_registration_req":{"email":"user@corp.example"}})"
                                      "\n");
        QTest::newRow("sign-in repeats the registration") << 0 << true << registration << "";
        QTest::newRow("sign-in without an address")
            << 0 << false << QByteArray()
            << "Email address not found. Please go back to the email screen and try again.";
        QTest::newRow("sign-in of the email brand repeats the registration") << 2 << true << registration << "";
        QTest::newRow("email enrollment asks again without the submitted OTP")
            << 2 << true << emailActivationLine("") << "";
        QTest::newRow("email enrollment without a request")
            << 2 << false << QByteArray()
            << "Email address not found. Please go back to the activation screen and try again.";
    }
    void resend()
    {
        QFETCH(int, activationType);
        QFETCH(bool, known);
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        OtpScreen screen;
        // The email sign-in screen that owns this one routes its registration repeats to the agent.
        connect(&screen, &OtpScreen::userRegistration, &agent.link, &vexaintf::userregister);
        if (known) {
            if (line.contains("activation_req")) {
                screen.getActivationDetails(emailRequest());
            } else {
                screen.startSignIn(QStringLiteral("user@corp.example"));
                screen.getMailID(QStringLiteral("user@corp.example"));
            }
            // A wrong OTP first, so the stored request has one to lose.
            QTest::keyClicks(otpInput(screen), QStringLiteral("42"));
            submitButton(screen)->click();
            agent.nextRequest();
        }
        screen.processResponse(responseWith(InvalidOtp));
        QVERIFY(resendButton(screen)->isEnabled());

        resendButton(screen)->click();

        QCOMPARE(agent.nextRequest(), line);
        QCOMPARE(status(screen), text.isEmpty() ? QString() : text);
    }

    void responseTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // null: the status line is left alone
        QTest::newRow("3") << 3 << "Invalid email";
        QTest::newRow("4") << 4 << "Invalid OTP";
        QTest::newRow("5 clears") << 5 << "";
        QTest::newRow("6") << 6 << "OTP resend blocked";
        QTest::newRow("7") << 7 << "OTP attempts blocked";
        QTest::newRow("12") << 12 << "User association failed";
        QTest::newRow("10 is for the email page") << 10 << QString();
        QTest::newRow("0") << 0 << QString();
    }
    void responseTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        AgentLink agent;
        OtpScreen screen;
        child<QLabel>(&screen, "statusMessage")->setText(QStringLiteral("earlier"));

        screen.processResponse(responseWith(code));

        QCOMPARE(status(screen), text.isNull() ? QStringLiteral("earlier") : text);
    }

    void validityCountdown_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("signIn");
        QTest::newRow("sign-in") << 0 << true;
        QTest::newRow("email enrollment") << 2 << false;
        QTest::newRow("sign-in of the email brand: the registration's validity") << 2 << true;
    }
    void validityCountdown()
    {
        QFETCH(int, activationType);
        QFETCH(bool, signIn);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        OtpScreen screen;
        if (signIn)
            screen.startSignIn(QStringLiteral("user@corp.example"));
        screen.processResponse(responseWith(OtpSent, {0, 65, 0}, !signIn));
        QTimer* timer = directTimer(&screen, "validityTimer");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);

        screen.onValidityTimeOut();
        QCOMPARE(labelText(&screen, "validLabel"), QStringLiteral("Your OTP is valid for 01:04."));
        for (int tick = 2; tick <= 65; ++tick)
            screen.onValidityTimeOut();
        QCOMPARE(labelText(&screen, "validLabel"), QStringLiteral("Your OTP is valid for 00:00."));
        QVERIFY(timer->isActive());
        screen.onValidityTimeOut();
        QVERIFY(labelText(&screen, "validLabel").isEmpty());
        QVERIFY(!timer->isActive());
    }

    void resendCountdownHoldsResend()
    {
        ActivationTypeScope type(ActivationType::Email);
        AgentLink agent;
        OtpScreen screen;
        screen.processResponse(responseWith(OtpSent, {2, 0, 0}));
        QTimer* timer = directTimer(&screen, "resendTimer");
        QVERIFY(timer->isActive());
        QVERIFY(!resendButton(screen)->isEnabled());

        screen.onResendTimeOut();
        QCOMPARE(labelText(&screen, "retryTimer"), QStringLiteral("(00:01)"));
        screen.onResendTimeOut();
        QCOMPARE(labelText(&screen, "retryTimer"), QStringLiteral("(00:00)"));
        QVERIFY(!resendButton(screen)->isEnabled());
        screen.onResendTimeOut();
        QVERIFY(labelText(&screen, "retryTimer").isEmpty());
        QVERIFY(resendButton(screen)->isEnabled());
        QVERIFY(!timer->isActive());
    }

    void attemptsBlock()
    {
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        OtpScreen screen;
        screen.startSignIn(QStringLiteral("user@corp.example"));
        screen.processResponse(responseWith(OtpSent, {30, 300, 0}));
        screen.onValidityTimeOut();
        QVERIFY(!labelText(&screen, "validLabel").isEmpty());

        // A block stops the other countdowns and counts down itself, whatever the answer's code.
        screen.processResponse(responseWith(InvalidOtp, {0, 0, 90}));
        QVERIFY(!directTimer(&screen, "validityTimer")->isActive());
        QVERIFY(directTimer(&screen, "otpAttemptBlockedTimer")->isActive());
        QVERIFY(labelText(&screen, "validLabel").isEmpty());
        QVERIFY(!resendButton(screen)->isEnabled());
        QTest::keyClicks(otpInput(screen), QStringLiteral("1"));
        QVERIFY(!submitButton(screen)->isEnabled());

        screen.processResponse(responseWith(OtpAttemptsBlocked, {0, 0, 90}));
        QTimer* timer = directTimer(&screen, "otpAttemptBlockedTimer");
        QVERIFY(timer->isActive());
        QVERIFY(!submitButton(screen)->isEnabled());
        screen.onAttemptBlockedTimeOut();
        QCOMPARE(status(screen), QStringLiteral("OTP attempts are blocked for 00:01:29."));

        // A new OTP while blocked leaves the block text in place.
        screen.processResponse(responseWith(OtpSent));
        QCOMPARE(status(screen), QStringLiteral("OTP attempts are blocked for 00:01:29."));

        for (int tick = 2; tick <= 90; ++tick)
            screen.onAttemptBlockedTimeOut();
        QCOMPARE(status(screen), QStringLiteral("OTP attempts are blocked for 00:00:00."));
        screen.onAttemptBlockedTimeOut();
        QVERIFY(status(screen).isEmpty());
        QVERIFY(!timer->isActive());
        // The OTP typed during the block can be sent as it stands.
        QVERIFY(submitButton(screen)->isEnabled());
        submitButton(screen)->click();
        QVERIFY(!agent.nextRequest().isEmpty());
    }

    // The resend wait runs on through a block; resend is back once both are over, whichever ends first.
    void resendAfterABlock_data()
    {
        QTest::addColumn<int>("resendWait");
        QTest::addColumn<int>("block");
        QTest::newRow("resend wait ends first") << 12 << 3;
        QTest::newRow("block ends first") << 3 << 5;
        QTest::newRow("no resend wait") << 0 << 3;
    }
    void resendAfterABlock()
    {
        QFETCH(int, resendWait);
        QFETCH(int, block);
        ActivationTypeScope type(ActivationType::Email);
        AgentLink agent;
        OtpScreen screen;
        screen.getActivationDetails(emailRequest());
        screen.processResponse(responseWith(OtpSent, {resendWait, 300, 0}));
        screen.onResendTimeOut();
        screen.processResponse(responseWith(OtpAttemptsBlocked, {0, 0, block}));
        QVERIFY(!resendButton(screen)->isEnabled());

        QStringList countdown;
        for (int second = 0; second <= qMax(resendWait, block + 1); ++second) {
            if (directTimer(&screen, "resendTimer")->isActive()) {
                screen.onResendTimeOut();
                countdown << labelText(&screen, "retryTimer");
            }
            if (directTimer(&screen, "otpAttemptBlockedTimer")->isActive())
                screen.onAttemptBlockedTimeOut();
            const bool blockOver = !directTimer(&screen, "otpAttemptBlockedTimer")->isActive();
            const bool waitOver = !directTimer(&screen, "resendTimer")->isActive();
            QCOMPARE(resendButton(screen)->isEnabled(), blockOver && waitOver);
        }
        QVERIFY(resendButton(screen)->isEnabled());
        QVERIFY(labelText(&screen, "retryTimer").isEmpty());
        if (resendWait > 0)
            QCOMPARE(countdown.first(), QTime(0, 0).addSecs(resendWait - 2).toString("(mm:ss)"));
        resendButton(screen)->click();
        QVERIFY(!agent.nextRequest().isEmpty());
    }

    void pastedCodeKeepsItsDigits()
    {
        ActivationTypeScope type(ActivationType::Email);
        AgentLink agent;
        OtpScreen screen;
        screen.getActivationDetails(emailRequest());
        QLabel* hint = child<QLabel>(&screen, "otpHint");
        QCOMPARE(hint->text(), QStringLiteral("Digits only"));
        otpInput(screen)->insert(QStringLiteral(" 012 345\n"));
        QCOMPARE(otpInput(screen)->text(), QStringLiteral("012345"));
        QVERIFY(!hint->styleSheet().contains(warningColor.name()));
        QTest::keyClick(otpInput(screen), Qt::Key_X);
        QCOMPARE(otpInput(screen)->text(), QStringLiteral("012345"));
        QVERIFY(hint->styleSheet().contains(warningColor.name()));
        QTest::keyClick(otpInput(screen), Qt::Key_Backspace);
        QVERIFY(!hint->styleSheet().contains(warningColor.name()));
    }

    void blockWithoutItsOwnCodeEndsByItself()
    {
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        OtpScreen screen;
        screen.startSignIn(QStringLiteral("user@corp.example"));
        screen.processResponse(responseWith(InvalidOtp, {0, 0, 2}));
        QTest::keyClicks(otpInput(screen), QStringLiteral("246810"));
        QVERIFY(!submitButton(screen)->isEnabled());
        QStringList shown;
        for (int tick = 0; tick < 3; ++tick) {
            QMetaObject::invokeMethod(directTimer(&screen, "otpAttemptBlockedTimer"), "timeout");
            shown << status(screen);
        }
        QCOMPARE(shown,
                 QStringList({"OTP attempts are blocked for 00:00:01.", "OTP attempts are blocked for 00:00:00.", ""}));
        QVERIFY(!directTimer(&screen, "otpAttemptBlockedTimer")->isActive());
        QVERIFY(submitButton(screen)->isEnabled());
    }

    void durationsOutsideTheDay_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<bool>("blocks");
        QTest::newRow("a whole day wraps to nothing") << qint64(86400) << false;
        QTest::newRow("negative is no block") << qint64(-5) << false;
        QTest::newRow("a day and a second") << qint64(86401) << true;
    }
    void durationsOutsideTheDay()
    {
        QFETCH(qint64, seconds);
        QFETCH(bool, blocks);
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        OtpScreen screen;
        screen.processResponse(responseWith(OtpSent, {seconds, seconds, seconds}));
        QCOMPARE(resendButton(screen)->isEnabled(), !blocks && !directTimer(&screen, "resendTimer")->isActive());
        QTest::keyClicks(otpInput(screen), QStringLiteral("1"));
        QCOMPARE(submitButton(screen)->isEnabled(), !blocks);
        if (blocks)
            return;
        // Whatever countdown started ends on its first tick instead of running for most of a day.
        screen.onResendTimeOut();
        screen.onValidityTimeOut();
        QVERIFY(!directTimer(&screen, "resendTimer")->isActive());
        QVERIFY(!directTimer(&screen, "validityTimer")->isActive());
        QVERIFY(resendButton(screen)->isEnabled());
    }

    void backAndCancel_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("signIn");
        QTest::newRow("sign-in") << 0 << true;
        QTest::newRow("email enrollment, after a sign-in") << 2 << false;
        QTest::newRow("sign-in of the email brand") << 2 << true;
    }
    void backAndCancel()
    {
        QFETCH(int, activationType);
        QFETCH(bool, signIn);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        OtpScreen screen;
        // The flow that opened the screen last is the one it serves.
        if (activationType == ActivationType::Email)
            screen.startSignIn(QStringLiteral("user@corp.example"));
        if (!signIn)
            screen.getActivationDetails(emailRequest());
        QStringList order;
        connect(&screen, &OtpScreen::goActivation, this, [&] { order << QStringLiteral("goActivation"); });
        connect(&screen, &OtpScreen::goEmailScreen, this, [&] { order << QStringLiteral("goEmailScreen"); });
        connect(&screen, &OtpScreen::goMainWin, this, [&] { order << QStringLiteral("goMainWin"); });
        connect(&screen, &OtpScreen::stopSpinner, this, [&] { order << QStringLiteral("stopSpinner"); });
        const bool emailEnrollment = !signIn;

        child<QPushButton>(&screen, "backButton")->click();
        QCOMPARE(order, QStringList({emailEnrollment ? QStringLiteral("goActivation") : QStringLiteral("goEmailScreen"),
                                     QStringLiteral("stopSpinner")}));
        QCOMPARE(child(&screen, "cancelButton")->isHidden(), emailEnrollment);
        order.clear();
        child<QPushButton>(&screen, "cancelButton")->click();
        QCOMPARE(order, QStringList({QStringLiteral("goMainWin"), QStringLiteral("stopSpinner")}));
    }

    void linkDownSendsNothingAndKeepsTheInput()
    {
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        OtpScreen screen;
        screen.startSignIn(QStringLiteral("user@corp.example"));
        screen.getMailID(QStringLiteral("user@corp.example"));
        screen.processResponse(responseWith(OtpSent));
        QSignalSpy spinner(&screen, &OtpScreen::startSpinner);
        QSignalSpy registrations(&screen, &OtpScreen::userRegistration);
        QTest::keyClicks(otpInput(screen), QStringLiteral("1234"));

        agent.drop();
        screen.showAgentUnavailable();
        submitButton(screen)->click();
        resendButton(screen)->click();
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(spinner.size(), 0);
        QCOMPARE(registrations.size(), 0);
        QCOMPARE(status(screen), firstRunUnavailable);
        QCOMPARE(otpInput(screen)->text(), QStringLiteral("1234"));

        agent.restore();
        screen.clearAgentUnavailable();
        QVERIFY(status(screen).isEmpty());
        submitButton(screen)->click();
        QVERIFY(!agent.nextRequest().isEmpty());

        screen.processResponse(responseWith(InvalidOtp));
        screen.clearAgentUnavailable();
        QCOMPARE(status(screen), QStringLiteral("Invalid OTP"));
    }
};

QTEST_MAIN(TestOtpScreen)
#include "test_otpscreen.moc"
