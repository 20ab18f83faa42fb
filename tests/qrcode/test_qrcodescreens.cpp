#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "enrollment/qrcodescreen.h"
#include "enrollment/servicecode.h"
#include "support/supportlog.h"
#include "tests/qrcode/zbardecode.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <memory>

namespace {

QByteArray activationLine(const QByteArray& code, const QByteArray& serviceId)
{
    return "{\"activation_req\":{\"act_qr\":{\"code\":\"" + code + "\",\"svc_id\":\"" + serviceId +
           "\"},\"act_type\":1},\"type\":2}\n";
}

const QByteArray qrRequestLine("{\"act_qr_info_req\":{},\"type\":13}\n");
const QByteArray newQrRequestLine("{\"act_qr_info_req\":{\"regenerate_code\":true},\"type\":13}\n");
const QByteArray markerLine("{\"type\":3}\n");

// The brand that asks for a service ID first.
BrandProfile serviceIdLumidor()
{
    return brandProfileNamed(QStringLiteral("lumidor"));
}

} // namespace

class TestQrCodeScreens : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<FakeAgent> agent;
    std::unique_ptr<vexaintf> link;

    // Everything the screen wrote has been read when the agent's next line is a request sent after it.
    void expectNothingMoreSent()
    {
        link->verifyActivationStatus();
        QCOMPARE(agent->nextLine(), markerLine);
    }

    static QStackedWidget* stackOf(ServiceCode& screen)
    {
        return screen.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    }
    static QRCodeScreen* qrPageOf(ServiceCode& screen) { return screen.findChild<QRCodeScreen*>(); }
    static QLabel* qrLabelOf(ServiceCode& screen) { return screen.findChild<QLabel*>(QStringLiteral("qr")); }
    static QList<QByteArray> shownCodes(ServiceCode& screen)
    {
        return decodeQrCodes(qrLabelOf(screen)->pixmap(Qt::ReturnByValue).toImage());
    }
    // The deadlines of the waits that run, passed at once.
    static int passRunningDeadlines(QWidget& screen)
    {
        int passed = 0;
        for (QTimer* deadline : screen.findChildren<QTimer*>(QStringLiteral("answerDeadline"))) {
            if (deadline->isActive()) {
                deadline->start(0);
                ++passed;
            }
        }
        QTest::qWait(5);
        return passed;
    }
    template <typename T> static T* child(QWidget& screen, const char* name)
    {
        return screen.findChild<T*>(QLatin1String(name));
    }

private slots:
    void initTestCase() { qRegisterMetaType<QWidget*>(); }

    void init()
    {
        setCurrentUserName(QStringLiteral("alice"));
        agent = std::make_unique<FakeAgent>();
        link = std::make_unique<vexaintf>(agent->port());
        link->start();
        QVERIFY(agent->waitForClient());
        QVERIFY(agent->nextLine().contains("subscribe_req"));
        vexaintf::setInstance(link.get());
    }
    void cleanup()
    {
        vexaintf::setInstance(nullptr);
        link.reset();
        agent.reset();
    }

    void directFlowShowsTheQrPageAtOnce()
    {
        ServiceCode screen;
        screen.show();
        QRCodeScreen* qrPage = qrPageOf(screen);
        QVERIFY(child<QPushButton>(screen, "backButton")->isHidden());
        QVERIFY(!child<QPushButton>(screen, "backButton")->isEnabled());
        QVERIFY(child<QPushButton>(screen, "cancelButton")->isHidden());
        QCOMPARE(child<QLabel>(screen, "titleLabel")->text(), QStringLiteral("Novalume"));
        QSignalSpy spinner(&screen, &ServiceCode::startSpinner);

        screen.qrScreenSwitched();
        QCOMPARE(stackOf(screen)->currentWidget(), qrPage);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), qrLabelOf(screen));
        QCOMPARE(spinner.at(0).at(1).toBool(), true);
        QCOMPARE(agent->nextLine(), qrRequestLine);

        screen.showQRCode(QStringLiteral("QR-ONE"));
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-ONE"});
        // Drawn with as many pixels as the screen has, not blown up from a smaller picture.
        const QPixmap drawn = qrLabelOf(screen)->pixmap(Qt::ReturnByValue);
        QCOMPARE(drawn.devicePixelRatioF(), qrLabelOf(screen)->devicePixelRatioF());
        QCOMPARE(drawn.width(), qRound(258 * drawn.devicePixelRatioF()));
        QCOMPARE(agent->nextLine(), activationLine("QR-ONE", ""));

        // The used code goes at once: while the new one is awaited the code area is empty, the wait turning in it.
        QTest::mouseClick(child<QPushButton>(screen, "regenerateQRButton"), Qt::LeftButton);
        QCOMPARE(agent->nextLine(), newQrRequestLine);
        QVERIFY(qrLabelOf(screen)->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(qrLabelOf(screen)->text(), QString());
        QCOMPARE(spinner.size(), 2);
        QCOMPARE(spinner.at(1).at(0).value<QWidget*>(), qrLabelOf(screen));
        QCOMPARE(spinner.at(1).at(1).toBool(), true);

        screen.showQRCode(QStringLiteral("QR-TWO"));
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-TWO"});
        QCOMPARE(agent->nextLine(), activationLine("QR-TWO", ""));

        // Without a service-ID page, "back" keeps the QR page.
        screen.switchToServiceCodeScreen();
        QCOMPARE(stackOf(screen)->currentWidget(), qrPage);
        expectNothingMoreSent();
    }

    void serviceIdFlow()
    {
        const QString typed = QStringLiteral("  svc-42 ");
        const QByteArray sentServiceId("svc-42");
        ScopedBrandProfile lumidor(serviceIdLumidor());
        ServiceCode screen;
        screen.show();
        auto* input = child<QLineEdit>(screen, "serviceCodeInput");
        QCOMPARE(child<QLabel>(screen, "titleBar")->text(), QStringLiteral("Lumidor"));
        QVERIFY(!child<QPushButton>(screen, "backButton")->isHidden());
        QCOMPARE(input->maxLength(), 50);
        QSignalSpy spinner(&screen, &ServiceCode::startSpinner);

        // This brand waits for the user's service ID instead.
        screen.qrScreenSwitched();
        QCOMPARE(stackOf(screen)->currentIndex(), 0);
        QCOMPARE(spinner.size(), 0);
        expectNothingMoreSent();

        QTest::keyClicks(input, typed);
        QTest::mouseClick(child<QPushButton>(screen, "submitButton"), Qt::LeftButton);
        QCOMPARE(stackOf(screen)->currentWidget(), qrPageOf(screen));
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), qrLabelOf(screen));
        QCOMPARE(agent->nextLine(), qrRequestLine);

        screen.showQRCode(QStringLiteral("QR-L"));
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-L"});
        QCOMPARE(agent->nextLine(), activationLine("QR-L", sentServiceId));

        // Retrying the held code goes with the same service ID.
        screen.activateQR(QStringLiteral("QR-HELD"));
        QCOMPARE(agent->nextLine(), activationLine("QR-HELD", sentServiceId));

        QTest::mouseClick(child<QPushButton>(screen, "backButton"), Qt::LeftButton);
        QCOMPARE(stackOf(screen)->currentIndex(), 0);
        QCOMPARE(input->text(), typed);

        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(stackOf(screen)->currentWidget(), qrPageOf(screen));
        QCOMPARE(agent->nextLine(), qrRequestLine);

        screen.clearServiceIDScreen();
        QCOMPARE(input->text(), QString());
        expectNothingMoreSent();
    }

    // Nothing moves before the user has given a service ID: no page change, no code asked for, drawn or activated,
    // not on the window's own retries nor when the link comes back; the screen says what is missing.
    void serviceIdRefusedEmpty_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("   ");
    }
    void serviceIdRefusedEmpty()
    {
        QFETCH(QString, typed);
        ScopedBrandProfile lumidor(serviceIdLumidor());
        ServiceCode screen;
        screen.show();
        auto* input = child<QLineEdit>(screen, "serviceCodeInput");
        auto* message = child<QLabel>(screen, "serviceCodeStatus");
        QSignalSpy spinner(&screen, &ServiceCode::startSpinner);

        QTest::keyClicks(input, typed);
        QTest::mouseClick(child<QPushButton>(screen, "submitButton"), Qt::LeftButton);
        QCOMPARE(message->text(), QStringLiteral("Please enter the account service ID."));
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(stackOf(screen)->currentIndex(), 0);
        screen.showQRCode(QStringLiteral("QR-EARLY"));
        screen.activateQR(QStringLiteral("QR-EARLY"));
        screen.agentConnectedNotification();
        QVERIFY(shownCodes(screen).isEmpty());
        QCOMPARE(spinner.size(), 0);
        expectNothingMoreSent();

        // Typing takes the message away; a service ID lets everything go ahead.
        QTest::keyClicks(input, QStringLiteral("svc-42"));
        QCOMPARE(message->text(), QString());
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(agent->nextLine(), qrRequestLine);
        screen.showQRCode(QStringLiteral("QR-L"));
        QCOMPARE(agent->nextLine(), activationLine("QR-L", "svc-42"));
    }

    // Once the user gave a service ID, a code that arrives while they are back on its page is still drawn and sent.
    void payloadOnServiceIdPageIsDrawnAndSentInPlace()
    {
        ScopedBrandProfile lumidor(serviceIdLumidor());
        ServiceCode screen;
        screen.show();
        QTest::keyClicks(child<QLineEdit>(screen, "serviceCodeInput"), QStringLiteral("svc-42"));
        QTest::mouseClick(child<QPushButton>(screen, "submitButton"), Qt::LeftButton);
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QTest::mouseClick(child<QPushButton>(screen, "backButton"), Qt::LeftButton);
        QCOMPARE(stackOf(screen)->currentIndex(), 0);

        screen.showQRCode(QStringLiteral("QR-EARLY"));
        QCOMPARE(stackOf(screen)->currentIndex(), 0);
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-EARLY"});
        QCOMPARE(agent->nextLine(), activationLine("QR-EARLY", "svc-42"));
    }

    // In the window, with its one spinner: while a code is awaited the old one is gone, the wait turns in the code
    // area, and Regenerate waits with it, since a second new code would make the first one's activation fail.
    // A code asked for and never delivered ends its wait after the deadline: the spinner stops, Regenerate is back and
    // the area says why it is empty; nothing is asked again on its own. A code that still comes is drawn and used;
    // a dropped link ends the wait at once, so no deadline fires later.
    void codeRequestHasADeadline_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("silence") << "silence";
        QTest::newRow("late code") << "late";
        QTest::newRow("link drops") << "link";
    }
    void codeRequestHasADeadline()
    {
        QFETCH(QString, ending);
        ServiceCode screen;
        screen.show();
        QSignalSpy stops(&screen, &ServiceCode::stopSpinner);
        screen.qrScreenSwitched();
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QLabel* status = screen.findChild<QRCodeScreen*>()->findChild<QLabel*>(QStringLiteral("statusMessage"));
        if (ending == QLatin1String("link")) {
            screen.agentDisconnectedNotification();
            QCOMPARE(passRunningDeadlines(screen), 0);
            QCOMPARE(status->text(), QStringLiteral("Unable to connect to the Novalume service"));
            QCOMPARE(qrLabelOf(screen)->text(),
                     QStringLiteral("The QR code is not available while the Novalume service is unreachable."));
            expectNothingMoreSent();
            return;
        }
        QCOMPARE(passRunningDeadlines(screen), 1);
        QCOMPARE(stops.size(), 1);
        QCOMPARE(qrLabelOf(screen)->text(), QStringLiteral("No QR code has come yet."));
        QCOMPARE(status->text(), QStringLiteral("The Novalume service did not answer. Please try again."));
        if (ending == QLatin1String("late")) {
            screen.showQRCode(QStringLiteral("QR-LATE"));
            QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-LATE"});
            QCOMPARE(agent->nextLine(), activationLine("QR-LATE", ""));
            QCOMPARE(status->text(), QString());
        }
        expectNothingMoreSent();
    }

    // Going back to the service ID ends the wait for the code as left by the user: no deadline speaks later to a
    // page nobody sees, and the window's spinner is free. A window sent out of sight has not been left.
    void leavingEndsTheCodeWait_data()
    {
        QTest::addColumn<bool>("back");
        QTest::newRow("back to the service ID") << true;
        QTest::newRow("window hidden") << false;
    }
    void leavingEndsTheCodeWait()
    {
        QFETCH(bool, back);
        ScopedBrandProfile lumidor(serviceIdLumidor());
        ServiceCode screen;
        screen.show();
        QTest::keyClicks(child<QLineEdit>(screen, "serviceCodeInput"), QStringLiteral("svc-42"));
        QTest::mouseClick(child<QPushButton>(screen, "submitButton"), Qt::LeftButton);
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QSignalSpy stops(&screen, &ServiceCode::stopSpinner);
        const auto leftWaits = [] {
            return SupportLog::instance()->kept().counts.waitsEnded.value(AnswerWait::Ending::Left);
        };
        const int leftBefore = leftWaits();
        if (back)
            QTest::mouseClick(child<QPushButton>(screen, "backButton"), Qt::LeftButton);
        else
            screen.hide();
        QCOMPARE(leftWaits() - leftBefore, back ? 1 : 0);
        QCOMPARE(stops.size(), back ? 1 : 0);
        QCOMPARE(passRunningDeadlines(screen), back ? 0 : 1);
        QCOMPARE(qrPageOf(screen)->findChild<QLabel*>(QStringLiteral("statusMessage"))->text(),
                 back ? QString() : QStringLiteral("The Lumidor service did not answer. Please try again."));
        expectNothingMoreSent();
    }

    void newCodeIsAwaitedInAnEmptyCodeArea()
    {
        initVexaResources();
        registerRecordMetaTypes();
        MainWindow window;
        const QString state = QStringLiteral("agentinfo.activation_state");
        const QString code = QStringLiteral("response.act_qr_info.code");
        auto* regenerate = window.findChild<QPushButton*>(QStringLiteral("regenerateQRButton"));
        QLabel* qr = window.findChild<QLabel*>(QStringLiteral("qr"));
        const auto waitTurnsInCodeArea = [qr] {
            const auto* spinner = qr->findChild<WaitingSpinnerWidget*>();
            return spinner && spinner->isSpinning();
        };
        emit link->sendVexaEvent(agentMessage(0, {{state, 0}}));
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QVERIFY(waitTurnsInCodeArea());
        QVERIFY(!regenerate->isEnabled());

        emit link->sendVexaEvent(agentMessage(13, {{state, 0}, {code, "QR-ONE"}}));
        QCOMPARE(agent->nextLine(), activationLine("QR-ONE", ""));
        QVERIFY(!waitTurnsInCodeArea());
        QVERIFY(regenerate->isEnabled());
        QVERIFY(!qr->pixmap(Qt::ReturnByValue).isNull());

        regenerate->click();
        QCOMPARE(agent->nextLine(), newQrRequestLine);
        QVERIFY(qr->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(waitTurnsInCodeArea());
        QVERIFY(!regenerate->isEnabled());
        regenerate->click();

        emit link->sendVexaEvent(agentMessage(13, {{state, 0}, {code, "QR-TWO"}}));
        QCOMPARE(agent->nextLine(), activationLine("QR-TWO", ""));
        QVERIFY(regenerate->isEnabled());
        expectNothingMoreSent();
    }

    // A code shown while the link is down could be scanned but never activated: it goes, the screen says why, and
    // the code the agent hands out again after reconnection is drawn and activated, even an unchanged one.
    void agentLinkCoversAndRefreshes()
    {
        ServiceCode screen;
        screen.qrScreenSwitched();
        QCOMPARE(agent->nextLine(), qrRequestLine);
        screen.showQRCode(QStringLiteral("QR-ONE"));
        QCOMPARE(agent->nextLine(), activationLine("QR-ONE", ""));
        QSignalSpy spinner(&screen, &ServiceCode::startSpinner);

        screen.agentDisconnectedNotification();
        // The wait turns where the code was, below the text, not over the instructions; the screen waits with it.
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), qrLabelOf(screen));
        QVERIFY(!screen.isEnabled());
        QCOMPARE(qrLabelOf(screen)->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
        QVERIFY(qrLabelOf(screen)->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(qrLabelOf(screen)->text().contains(QLatin1String("unreachable")));
        QCOMPARE(child<QLabel>(screen, "statusMessage")->text(),
                 QStringLiteral("Unable to connect to the Novalume service"));

        screen.agentConnectedNotification();
        QVERIFY(screen.isEnabled());
        QCOMPARE(spinner.size(), 2);
        QCOMPARE(spinner.at(1).at(0).value<QWidget*>(), qrLabelOf(screen));
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QCOMPARE(qrLabelOf(screen)->text(), QString());
        screen.showQRCode(QStringLiteral("QR-ONE"));
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-ONE"});
        QCOMPARE(agent->nextLine(), activationLine("QR-ONE", ""));
    }

    // The wait goes where the code was whenever the QR screen is the window's front screen, shown on the desktop or
    // not (the splash's second, the tray); behind another screen it takes no wait, so the window's one spinner stays
    // free for the screen in front.
    void agentDropWaitFollowsTheFrontScreen_data()
    {
        QTest::addColumn<bool>("inFront");
        QTest::newRow("in front of a window not on the desktop") << true;
        QTest::newRow("behind another screen") << false;
    }
    void agentDropWaitFollowsTheFrontScreen()
    {
        QFETCH(bool, inFront);
        QWidget window;
        auto* screens = new QStackedWidget(&window);
        auto* other = new QWidget;
        auto* screen = new ServiceCode;
        screens->addWidget(other);
        screens->addWidget(screen);
        screens->setCurrentWidget(inFront ? screen : other);
        screen->qrScreenSwitched();
        QCOMPARE(agent->nextLine(), qrRequestLine);
        QSignalSpy spinner(screen, &ServiceCode::startSpinner);
        QSignalSpy stops(screen, &ServiceCode::stopSpinner);

        screen->agentDisconnectedNotification();
        QCOMPARE(spinner.size(), inFront ? 1 : 0);
        if (inFront)
            QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), static_cast<QWidget*>(qrLabelOf(*screen)));
        QCOMPARE(stops.size(), inFront ? 1 : 0);
        QVERIFY(screen->isEnabled() || inFront);
    }

    void payloadTooLongToDraw()
    {
        ServiceCode screen;
        screen.show();
        screen.qrScreenSwitched();
        QCOMPARE(agent->nextLine(), qrRequestLine);
        screen.showQRCode(QStringLiteral("QR-OK"));
        QCOMPARE(agent->nextLine(), activationLine("QR-OK", ""));

        const QString tooLong(3000, QLatin1Char('x'));
        screen.showQRCode(tooLong);
        QLabel* qr = qrLabelOf(screen);
        QVERIFY(qr->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!qr->text().isEmpty());
        // Neither the screen nor a later retry of the held code activates a code the user never saw.
        screen.activateQR(tooLong);
        expectNothingMoreSent();

        screen.showQRCode(QStringLiteral("QR-NEXT"));
        QCOMPARE(qr->text(), QString());
        QCOMPARE(shownCodes(screen), QList<QByteArray>{"QR-NEXT"});
        QCOMPARE(agent->nextLine(), activationLine("QR-NEXT", ""));
    }
};

QTEST_MAIN(TestQrCodeScreens)
#include "test_qrcodescreens.moc"
