// The application against the stand-in agent, as a user meets it on a new machine: the QR code the agent issues is
// shown, the agent accepts the activation, the home page names the enterprise, and Secure Access connects; a user
// signs in by email in every brand that asks for it; and a user whose one-time passwords are blocked sees the block
// counted down wherever they turn.
#include "app/startup.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"
#include "tests/support/standinagent.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <memory>

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void newDeviceEnrollsByQrCodeAndConnects()
    {
        StandInAgent agent(QStringLiteral("qr-slow-scan"));
        QVERIFY(agent.port != 0);
        vexaintf link(agent.port);
        link.start();
        QTRY_VERIFY(link.isConnected());
        vexaintf::setInstance(&link);
        auto window = std::make_unique<MainWindow>();
        auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("screenStack"));

        // The QR page appears with a drawn code while the phone has not scanned it yet.
        QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::ServiceCodePage), 10000);
        auto* qr = window->findChild<QLabel*>(QStringLiteral("qr"));
        QTRY_VERIFY_WITH_TIMEOUT(qr->pixmap(Qt::ReturnByValue).width() > 100, 10000);

        // The phone scans; the window retries with the held code 5 s after the agent asked it to.
        agent.command("scan");
        const QString retryTimer = QStringLiteral("qrRetryTimer");
        QTRY_VERIFY_WITH_TIMEOUT(!window->findChildren<QTimer*>(retryTimer).isEmpty(), 10000);
        QCOMPARE(window->findChildren<QTimer*>(retryTimer).first()->interval(), 5000);
        fireTimers(window.get(), retryTimer);

        QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::HomePage), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel*>(QStringLiteral("enterpriseName"))->text(),
                                  QStringLiteral("Acme Industries"), 10000);

        auto* toggle = window->findChild<QSlider*>(QStringLiteral("toggleButton"));
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QWidget*>(QStringLiteral("toggleSwitchWidget"))->isEnabled(), 10000);
        emit toggle->sliderPressed();
        QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel*>(QStringLiteral("connStatus"))->text(),
                                  QStringLiteral("You're connected!"), 15000);
        QCOMPARE(toggle->sliderPosition(), 1);

        window.reset();
        vexaintf::setInstance(nullptr);
    }

    void signInByEmail_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("enrollsFirst");
        QTest::newRow("enrolled by activation code") << "dovrin"
                                                     << "email-signin" << false;
        // The user enrolled the device with their address, signed out, and signs in again.
        QTest::newRow("enrolled by email, signing in again") << "kivora"
                                                             << "email-enrollment" << true;
    }
    void signInByEmail()
    {
        QFETCH(QString, brandName);
        QFETCH(QString, scenario);
        QFETCH(bool, enrollsFirst);
        ScopedBrandProfile scoped(brandProfileNamed(brandName));
        StandInAgent agent(scenario);
        QVERIFY(agent.port != 0);
        vexaintf link(agent.port);
        link.start();
        QTRY_VERIFY(link.isConnected());
        vexaintf::setInstance(&link);
        auto window = std::make_unique<MainWindow>();
        auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("screenStack"));
        auto* otp = window->findChild<OtpScreen*>();
        auto* otpInput = otp->findChild<QLineEdit*>(QStringLiteral("otpInput"));
        QSignalSpy answers(window.get(), &MainWindow::userAuthResponse);
        const QString address = QStringLiteral("ann@acme-industries.example");
        const auto enterOtp = [&] {
            QTRY_VERIFY_WITH_TIMEOUT(otp->isVisibleTo(window.get()), 10000);
            QTest::keyClicks(otpInput, QStringLiteral("246810"));
            QTest::keyClick(otpInput, Qt::Key_Return);
            QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::HomePage), 10000);
        };

        if (enrollsFirst) {
            QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::ActivatePage), 10000);
            QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("codeInput")), address);
            window->findChild<QCheckBox*>(QStringLiteral("eulaCheckBox"))->setChecked(true);
            window->findChild<QPushButton*>(QStringLiteral("activateButton"))->click();
            enterOtp();
            QVERIFY(agent.command("signout").startsWith("ok"));
        }

        QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::EmailPage), 10000);
        auto* mailInput = window->findChild<QLineEdit*>(QStringLiteral("mailInput"));
        QTest::keyClicks(mailInput, address);
        QTest::keyClick(mailInput, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(otp->isVisibleTo(window.get()), 10000);

        // Resend asks for the address typed on the sign-in page: a new OTP, or the agent's wait before one.
        for (int tick = 0; tick <= 30; ++tick)
            otp->onResendTimeOut();
        const int asked = answers.size();
        otp->findChild<QPushButton*>(QStringLiteral("resendButton"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), asked + 1, 10000);
        const int resent = answers.last().first().value<Response>().code;
        QVERIFY2(resent == OtpSent || resent == OtpResendBlocked, qPrintable(QString::number(resent)));

        enterOtp();
        QCOMPARE(answers.last().first().value<Response>().code, int(Activated));
        QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel*>(QStringLiteral("userEmail"))->text(), address, 10000);

        window.reset();
        vexaintf::setInstance(nullptr);
    }

    void blockedSignInCountsDownOnBothPages()
    {
        BrandProfile codeEdition = brandProfileNamed(QStringLiteral("dovrin"));
        codeEdition.activationType = 0;
        ScopedBrandProfile scoped(codeEdition);
        StandInAgent agent(QStringLiteral("email-signin"));
        QVERIFY(agent.port != 0);
        vexaintf link(agent.port);
        link.start();
        vexaintf::setInstance(&link);
        auto window = std::make_unique<MainWindow>();
        auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("screenStack"));
        QSignalSpy answers(window.get(), &MainWindow::userAuthResponse);
        QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::EmailPage), 10000);
        auto* email = window->findChild<AuthEmail*>();
        auto* otp = window->findChild<OtpScreen*>();
        const auto signIn = [&] {
            QTest::keyClicks(email->findChild<QLineEdit*>(QStringLiteral("mailInput")),
                             QStringLiteral("ann@acme-industries.example"));
            QTest::keyClick(email->findChild<QLineEdit*>(QStringLiteral("mailInput")), Qt::Key_Return);
        };
        signIn();
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 10000);

        // Three wrong one-time passwords block the attempts; the OTP page counts the block down.
        for (int attempt = 1; attempt <= 3; ++attempt) {
            QTest::keyClicks(otp->findChild<QLineEdit*>(QStringLiteral("otpInput")), QStringLiteral("111111"));
            QTest::keyClick(otp->findChild<QLineEdit*>(QStringLiteral("otpInput")), Qt::Key_Return);
            QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1 + attempt, 10000);
        }
        QCOMPARE(answers.last().first().value<Response>().code, int(OtpAttemptsBlocked));
        const QString blockedFor = QStringLiteral("OTP attempts are blocked for 00:01:");
        QMetaObject::invokeMethod(otp->findChild<QTimer*>(QStringLiteral("otpAttemptBlockedTimer")), "timeout");
        QVERIFY(otp->findChild<QLabel*>(QStringLiteral("statusMessage"))->text().startsWith(blockedFor));

        // Back on the email page the same block counts down, and no new OTP can be asked for meanwhile.
        otp->findChild<QPushButton*>(QStringLiteral("backButton"))->click();
        auto* countdown = email->findChild<QTimer*>(QStringLiteral("attemptBlockedTimer"), Qt::FindDirectChildrenOnly);
        QVERIFY(countdown->isActive());
        QMetaObject::invokeMethod(countdown, "timeout");
        QVERIFY(email->findChild<QLabel*>(QStringLiteral("statusMessage"))->text().startsWith(blockedFor));
        signIn();
        QVERIFY(!email->findChild<QPushButton*>(QStringLiteral("emailAuthButton"))->isEnabled());
        QTest::qWait(500);
        QCOMPARE(answers.size(), 4);

        window.reset();
        vexaintf::setInstance(nullptr);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
