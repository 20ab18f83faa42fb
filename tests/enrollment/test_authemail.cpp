#include "app/startup.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/metatypes.h"

#include <QSignalSpy>
#include <QStackedWidget>

namespace {

QString blockedFor(const QString& time)
{
    return QStringLiteral("OTP attempts are blocked for %1.").arg(time);
}

Response responseWith(int code, qint64 Response::*duration = nullptr, qint64 seconds = 0)
{
    Response response;
    response.code = code;
    if (duration)
        response.*duration = seconds;
    return response;
}

} // namespace

using Duration = qint64 Response::*;
Q_DECLARE_METATYPE(Duration)

class TestAuthEmail : public QObject
{
    Q_OBJECT
private:
    static QLineEdit* mailInput(const AuthEmail& s) { return child<QLineEdit>(&s, "mailInput"); }
    static QPushButton* nextButton(const AuthEmail& s) { return child<QPushButton>(&s, "emailAuthButton"); }
    // The OTP screen inside has labels of the same names, so the email page's own are looked up on that page.
    static QWidget* emailPage(const AuthEmail& s) { return child(&s, "authEmail"); }
    static QString status(const AuthEmail& s) { return labelText(emailPage(s), "statusMessage"); }
    static QString otpStatus(const AuthEmail& s) { return labelText(s.findChild<OtpScreen*>(), "statusMessage"); }
    static int page(const AuthEmail& s) { return child<QStackedWidget>(&s, "stackedWidget")->currentIndex(); }

private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void nextSendsTheTrimmedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mailId");
        QTest::newRow("trimmed") << "  user@corp.example\t"
                                 << "user@corp.example";
        QTest::newRow("blanks sent empty") << "   "
                                           << "";
    }
    void nextSendsTheTrimmedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mailId);
        AgentLink agent;
        AuthEmail screen;
        QSignalSpy spinner(&screen, &AuthEmail::startSpinner);
        QSignalSpy handedOn(&screen, &AuthEmail::sendMailID);

        QVERIFY(!nextButton(screen)->isEnabled());
        QTest::keyClicks(mailInput(screen), typed);
        QVERIFY(nextButton(screen)->isEnabled());
        nextButton(screen)->click();

        QCOMPARE(agent.nextRequest(),
                 QByteArray(R"({"type":5,"user_registration_req":{"email":")") + mailId.toUtf8() + "\"}}\n");
        QCOMPARE(handedOn.size(), 1);
        QCOMPARE(handedOn.at(0).at(0).toString(), mailId);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), &screen);
        QCOMPARE(spinner.at(0).at(1).toBool(), false);
        QVERIFY(!nextButton(screen)->isEnabled());

        // Until the answer comes, Enter does not send the address a second time.
        QTest::keyClick(mailInput(screen), Qt::Key_Return);
        QVERIFY(agent.nextRequest().isEmpty());
        screen.processUserAuthResponse(responseWith(UserRegistrationFailure));
        QVERIFY(nextButton(screen)->isEnabled());
        QTest::keyClick(mailInput(screen), Qt::Key_Return);
        QVERIFY(!agent.nextRequest().isEmpty());
    }

    void responseReactions_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("enrollment"); // the OTP page completes the activation screen's request
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toActivate"); // empty: nothing for the activation screen
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("switchesToEmail");
        QTest::newRow("invalid email") << 0 << false << 3 << "Invalid email"
                                       << "" << 0 << false;
        QTest::newRow("invalid email, email enrollment")
            << 2 << true << 3 << "Invalid email"
            << "Invalid email. Please contact your administrator." << 0 << false;
        QTest::newRow("invalid email, sign-in of the email brand") << 2 << false << 3 << "Invalid email"
                                                                   << "" << 0 << false;
        QTest::newRow("OTP sent") << 0 << false << 5 << ""
                                  << "" << 1 << false;
        QTest::newRow("OTP sent, email enrollment") << 2 << true << 5 << ""
                                                    << "" << 1 << true;
        QTest::newRow("OTP sent, sign-in of the email brand") << 2 << false << 5 << ""
                                                              << "" << 1 << false;
        QTest::newRow("resend blocked") << 0 << false << 6 << "OTP resend blocked. Please try again later."
                                        << "" << 0 << false;
        QTest::newRow("resend blocked, email enrollment")
            << 2 << true << 6 << "OTP resend blocked. Please try again later."
            << "OTP resend blocked. Please try again later." << 0 << false;
        QTest::newRow("attempts blocked") << 0 << false << 7 << "OTP attempts blocked. Please try again later."
                                          << "" << 0 << false;
        QTest::newRow("attempts blocked, email enrollment")
            << 2 << true << 7 << "OTP attempts blocked. Please try again later."
            << "OTP attempts blocked. Please try again later." << 0 << false;
        QTest::newRow("attempts blocked, sign-in of the email brand")
            << 2 << false << 7 << "OTP attempts blocked. Please try again later."
            << "" << 0 << false;
        QTest::newRow("registration failure") << 0 << false << 10 << "User registration failed"
                                              << "" << 0 << false;
        QTest::newRow("invalid OTP is for the OTP screen") << 0 << false << 4 << ""
                                                           << "" << 0 << false;
        QTest::newRow("activated") << 2 << false << 9 << ""
                                   << "" << 0 << false;
    }
    void responseReactions()
    {
        QFETCH(int, activationType);
        QFETCH(bool, enrollment);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QString, toActivate);
        QFETCH(int, page);
        QFETCH(bool, switchesToEmail);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        AuthEmail screen;
        QSignalSpy messages(&screen, &AuthEmail::sendMessageToActivate);
        QSignalSpy switches(&screen, &AuthEmail::switchToEmailScreen);
        QSignalSpy relayed(&screen, &AuthEmail::userAuthResponse);
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));
        if (enrollment) {
            emit screen.sendToOtpScreen(ActivationReq());
        } else {
            nextButton(screen)->click();
            QVERIFY(!nextButton(screen)->isEnabled());
        }
        QCOMPARE(screen.enrollsDevice(), enrollment);

        screen.processUserAuthResponse(responseWith(code));

        QCOMPARE(status(screen), text);
        QCOMPARE(messages.size(), toActivate.isEmpty() ? 0 : 1);
        if (!toActivate.isEmpty())
            QCOMPARE(messages.at(0).at(0).toString(), toActivate);
        QCOMPARE(TestAuthEmail::page(screen), page);
        QCOMPARE(switches.size(), switchesToEmail ? 1 : 0);
        QCOMPARE(relayed.size(), 1);
        QCOMPARE(relayed.at(0).at(0).value<Response>().code, code);
        QVERIFY(nextButton(screen)->isEnabled()); // no duration, so no block
    }

    void blockCountsDownAndHoldsNext()
    {
        AgentLink agent;
        AuthEmail screen;
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));
        nextButton(screen)->click();
        agent.nextRequest();
        screen.processUserAuthResponse(responseWith(OtpAttemptsBlocked, &Response::userActNextAttempt, 3));
        QTimer* timer = directTimer(&screen, "attemptBlockedTimer");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!nextButton(screen)->isEnabled());

        const QStringList shown{QStringLiteral("00:00:02"), QStringLiteral("00:00:01"), QStringLiteral("00:00:00")};
        for (const QString& time : shown) {
            screen.onAttemptBlockedTimeOut();
            QCOMPARE(status(screen), blockedFor(time));
            QVERIFY(!nextButton(screen)->isEnabled());
            // Neither typing nor Enter gets past the block.
            QTest::keyClicks(mailInput(screen), QStringLiteral("x"));
            QVERIFY(!nextButton(screen)->isEnabled());
            QTest::keyClick(mailInput(screen), Qt::Key_Return);
            QVERIFY(agent.nextRequest(50).isEmpty());
        }
        screen.onAttemptBlockedTimeOut();
        QVERIFY(status(screen).isEmpty());
        QVERIFY(!timer->isActive());
        QVERIFY(nextButton(screen)->isEnabled());
        QTest::keyClick(mailInput(screen), Qt::Key_Return);
        QVERIFY(!agent.nextRequest().isEmpty());
    }

    void countdownDuration_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<int>("code");
        QTest::addColumn<Duration>("member");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("firstTick"); // empty: no countdown starts
        QTest::addColumn<bool>("signIn");       // the email page asked, rather than the activation screen
        QTest::newRow("resend blocked waits for the resend time")
            << 0 << 6 << &Response::regNextAttempt << qint64(90) << "00:01:29" << false;
        QTest::newRow("attempts blocked waits for the block time")
            << 0 << 7 << &Response::userActNextAttempt << qint64(3725) << "01:02:04" << false;
        QTest::newRow("attempts blocked ignores the OTP validity")
            << 0 << 7 << &Response::regOtpValidity << qint64(3725) << "" << false;
        QTest::newRow("email enrollment: resend time of the activation")
            << 2 << 6 << &Response::actNextAttempt << qint64(5) << "00:00:04" << false;
        QTest::newRow("email enrollment: the same block time")
            << 2 << 7 << &Response::userActNextAttempt << qint64(5) << "00:00:04" << false;
        QTest::newRow("email enrollment ignores the activation's validity")
            << 2 << 7 << &Response::actOtpValidity << qint64(5) << "" << false;
        QTest::newRow("email enrollment ignores the registration time")
            << 2 << 6 << &Response::regNextAttempt << qint64(5) << "" << false;
        QTest::newRow("sign-in of the email brand: resend time of the registration")
            << 2 << 6 << &Response::regNextAttempt << qint64(5) << "00:00:04" << true;
        QTest::newRow("sign-in of the email brand ignores the activation's time")
            << 2 << 6 << &Response::actNextAttempt << qint64(5) << "" << true;
        QTest::newRow("attempts blocked ignores the resend time")
            << 0 << 7 << &Response::regNextAttempt << qint64(5) << "" << false;
        QTest::newRow("zero") << 0 << 6 << &Response::regNextAttempt << qint64(0) << "" << false;
        QTest::newRow("negative") << 0 << 6 << &Response::regNextAttempt << qint64(-5) << "" << false;
        QTest::newRow("a whole day wraps to nothing")
            << 0 << 6 << &Response::regNextAttempt << qint64(86400) << "" << false;
        QTest::newRow("a day and a bit wraps")
            << 0 << 6 << &Response::regNextAttempt << qint64(86400 + 61) << "00:01:00" << false;
        QTest::newRow("beyond 32 bits wraps by days")
            << 0 << 7 << &Response::userActNextAttempt << qint64(86400) * 50000 + 2 << "00:00:01" << false;
        QTest::newRow("OTP sent starts nothing") << 0 << 5 << &Response::regNextAttempt << qint64(30) << "" << false;
    }
    void countdownDuration()
    {
        QFETCH(int, activationType);
        QFETCH(int, code);
        QFETCH(Duration, member);
        QFETCH(qint64, seconds);
        QFETCH(QString, firstTick);
        QFETCH(bool, signIn);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        AuthEmail screen;
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));
        if (signIn) {
            nextButton(screen)->click();
            QVERIFY(!screen.enrollsDevice());
        }

        screen.processUserAuthResponse(responseWith(code, member, seconds));

        QTimer* timer = directTimer(&screen, "attemptBlockedTimer");
        QCOMPARE(timer->isActive(), !firstTick.isEmpty());
        QCOMPARE(nextButton(screen)->isEnabled(), firstTick.isEmpty());
        if (firstTick.isEmpty())
            return;
        screen.onAttemptBlockedTimeOut();
        QCOMPARE(status(screen), blockedFor(firstTick));
    }

    void companyNameFillsThePrompt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("named") << "Acme Industries"
                               << "Sign in using your Acme Industries email address to access the enterprise "
                                  "network from this endpoint.";
        QTest::newRow("unnamed") << ""
                                 << "Sign in using your company email address to access the enterprise network "
                                    "from this endpoint.";
    }
    void companyNameFillsThePrompt()
    {
        QFETCH(QString, name);
        QFETCH(QString, prompt);
        AgentLink agent;
        AuthEmail screen;
        QCOMPARE(labelText(emailPage(screen), "authText"),
                 QStringLiteral("Sign in using your COMPANY NAME email address to access the enterprise network "
                                "from this endpoint"));
        screen.setCompanyName(name);
        QCOMPARE(labelText(emailPage(screen), "authText"), prompt);
    }

    void navigation()
    {
        AgentLink agent;
        AuthEmail screen;
        QSignalSpy home(&screen, &AuthEmail::goHome);
        QSignalSpy stop(&screen, &AuthEmail::stopSpinner);
        auto* otp = screen.findChild<OtpScreen*>();

        child<QPushButton>(&screen, "skipButton")->click();
        QCOMPARE(home.size(), 1);
        QCOMPARE(stop.size(), 1);

        // The OTP screen's way back keeps the address for another try.
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));
        screen.processUserAuthResponse(responseWith(OtpSent));
        QCOMPARE(page(screen), 1);
        QTest::keyClicks(child<QLineEdit>(otp, "otpInput"), QStringLiteral("1234"));
        child<QPushButton>(otp, "backButton")->click();
        QCOMPARE(page(screen), 0);
        QCOMPARE(mailInput(screen)->text(), QStringLiteral("user@corp.example"));
        QVERIFY(nextButton(screen)->isEnabled());
        QCOMPARE(stop.size(), 2);

        // A sign-in request starts over on the email page with an empty OTP screen.
        screen.processUserAuthResponse(responseWith(OtpSent));
        QTest::keyClicks(child<QLineEdit>(otp, "otpInput"), QStringLiteral("99"));
        child<QLabel>(otp, "statusMessage")->setText(QStringLiteral("Invalid OTP"));
        screen.signInReq();
        QCOMPARE(page(screen), 0);
        QVERIFY(child<QLineEdit>(otp, "otpInput")->text().isEmpty());
        QVERIFY(otpStatus(screen).isEmpty());

        child<QPushButton>(otp, "cancelButton")->click();
        QCOMPARE(home.size(), 2);

        QTest::keyClicks(mailInput(screen), QStringLiteral("x"));
        screen.clearEmailScreen();
        QVERIFY(mailInput(screen)->text().isEmpty());
        QVERIFY(!nextButton(screen)->isEnabled());
    }

    void directorySignInSendsNoAddress()
    {
        AgentLink agent;
        AuthEmail screen;
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));
        screen.authADReq();
        QCOMPARE(agent.nextRequest(), QByteArray(R"({"type":5,"user_registration_req":{"email":""}})"
                                                 "\n"));
    }

    void linkDownSendsNothingAndKeepsTheInput()
    {
        AgentLink agent;
        AuthEmail screen;
        QSignalSpy spinner(&screen, &AuthEmail::startSpinner);
        QTest::keyClicks(mailInput(screen), QStringLiteral("user@corp.example"));

        agent.drop();
        nextButton(screen)->click();
        QCOMPARE(status(screen), firstRunUnavailable);
        QCOMPARE(otpStatus(screen), firstRunUnavailable);
        QVERIFY(agent.nextRequest().isEmpty());
        // The directory sign-in tests the link as well.
        screen.clearAgentUnavailable();
        screen.authADReq();
        QCOMPARE(status(screen), firstRunUnavailable);
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(spinner.size(), 0);
        QCOMPARE(mailInput(screen)->text(), QStringLiteral("user@corp.example"));
        QVERIFY(nextButton(screen)->isEnabled());

        agent.restore();
        screen.clearAgentUnavailable();
        QVERIFY(status(screen).isEmpty());
        QVERIFY(otpStatus(screen).isEmpty());

        screen.showAgentUnavailable();
        QCOMPARE(status(screen), firstRunUnavailable);
        QCOMPARE(otpStatus(screen), firstRunUnavailable);
        // Sending again with the link back clears the text on both screens.
        nextButton(screen)->click();
        QVERIFY(status(screen).isEmpty());
        QVERIFY(otpStatus(screen).isEmpty());
        QVERIFY(!agent.nextRequest().isEmpty());

        screen.processUserAuthResponse(responseWith(InvalidEmail));
        screen.clearAgentUnavailable();
        QCOMPARE(status(screen), QStringLiteral("Invalid email"));
    }
};

QTEST_MAIN(TestAuthEmail)
#include "test_authemail.moc"
