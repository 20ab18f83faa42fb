#include "app/modaldialog.h"
#include "app/startup.h"
#include "app/systemrestart.h"
#include "app/systemtray.h"
#include "enrollment/activate.h"
#include "enrollment/activationpending.h"
#include "enrollment/authemail.h"
#include "enrollment/otpscreen.h"
#include "enrollment/qrcodescreen.h"
#include "status/desktopnotices.h"
#include "status/traystatus.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <KStatusNotifierItem>
#include <QJsonDocument>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <functional>

namespace {
const QString secconnStatus = QStringLiteral("agentinfo.features.secconn.status");
const QString unreachable = QStringLiteral("Unable to connect to the application service");
const QString dataAvailable = QStringLiteral("agentinfo.features.data_available");
} // namespace

class TestMainWindowToggle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void pressingKnobWhileConnectedAsksToDisconnect()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{secconnStatus, 2}}));
        QCOMPARE(h.toggle()->sliderPosition(), 1);
        emit h.toggle()->sliderPressed();
        QCOMPARE(h.text("connStatus"), QStringLiteral("Disconnecting…"));
        QCOMPARE(h.toggle()->sliderPosition(), 1);
        QVERIFY(h.toggle()->styleSheet().contains(QLatin1String("background-color: white")));
        QCOMPARE(h.nextRequest(), QByteArray("{\"enable_secconn_status\":false,\"type\":8}\n"));
        // The knob moves only when the agent reports the new state.
        h.deliver(agentMessage(0, {{secconnStatus, 4}}));
        QCOMPARE(h.toggle()->sliderPosition(), 0);
        QCOMPARE(h.text("connStatus"), QStringLiteral("You're not connected"));
    }

    void pressingKnobWhileOffAsksToConnect_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("userIdMethod");
        QTest::addColumn<bool>("signInPage");
        QTest::newRow("signed in") << "ann@acme.example" << 1 << false;
        QTest::newRow("no sign-in needed") << "" << 0 << false;
        QTest::newRow("must sign in first") << "" << 1 << true;
    }
    void pressingKnobWhileOffAsksToConnect()
    {
        QFETCH(QString, email);
        QFETCH(int, userIdMethod);
        QFETCH(bool, signInPage);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.user.email"), email},
                                   {QStringLiteral("agentinfo.features.config.user_id_method"), userIdMethod}}));
        emit h.toggle()->sliderPressed();
        QCOMPARE(h.text("connStatus"), QStringLiteral("Connecting…"));
        QCOMPARE(h.toggle()->sliderPosition(), 0);
        QCOMPARE(h.page(), signInPage ? int(MainWindow::EmailPage) : int(MainWindow::HomePage));
        QCOMPARE(h.nextRequest(), QByteArray("{\"enable_secconn_status\":true,\"type\":8}\n"));
    }

    // A check box to a screen reader, so only Space and Return flip it: arrow keys reading past it move nothing.
    void keysThatFlipAndKeysThatDoNot_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("space while off") << 4 << int(Qt::Key_Space) << QByteArray("true");
        QTest::newRow("return while on") << 2 << int(Qt::Key_Return) << QByteArray("false");
        QTest::newRow("right while off") << 4 << int(Qt::Key_Right) << QByteArray();
        QTest::newRow("page up while off") << 4 << int(Qt::Key_PageUp) << QByteArray();
        QTest::newRow("left while on") << 2 << int(Qt::Key_Left) << QByteArray();
        QTest::newRow("down while on") << 2 << int(Qt::Key_Down) << QByteArray();
        QTest::newRow("end while off") << 4 << int(Qt::Key_End) << QByteArray();
    }
    void keysThatFlipAndKeysThatDoNot()
    {
        QFETCH(int, status);
        QFETCH(int, key);
        QFETCH(QByteArray, request);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{secconnStatus, status}}));
        QTest::keyClick(h.toggle(), Qt::Key(key));
        QCOMPARE(h.nextRequest(),
                 request.isEmpty() ? QByteArray() : "{\"enable_secconn_status\":" + request + ",\"type\":8}\n");
        // The position stays with the agent's last report.
        QCOMPARE(h.toggle()->sliderPosition(), status == 2 ? 1 : 0);
    }

    void linkDownSendsNothing()
    {
        MainWindowHarness h(false);
        QSignalSpy requests(h.window.get(), &MainWindow::secconnChangeToggleState);
        QCOMPARE(h.text("statusText"), unreachable);
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());
        h.window->findChild<QLabel*>(QStringLiteral("statusText"))->clear();
        emit h.toggle()->sliderPressed();
        QCOMPARE(h.text("statusText"), unreachable);
        // The row is locked, and even if a key got through it would only bring the text back.
        QTest::keyClick(h.toggle(), Qt::Key_Space);
        h.widget("toggleSwitchWidget")->setEnabled(true);
        h.window->findChild<QLabel*>(QStringLiteral("statusText"))->clear();
        QTest::keyClick(h.toggle(), Qt::Key_Space);
        QCOMPARE(h.text("statusText"), unreachable);
        QCOMPARE(requests.size(), 0);
    }

    void linkUpAndDown()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status_user_control_disabled"), true}}));
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());
        emit h.link.agentDisconnected();
        QCOMPARE(h.text("statusText"), unreachable);
        emit h.link.agentConnected();
        QCOMPARE(h.text("statusText"), QString());
        // The last snapshot forbids user control, so the toggle stays locked.
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());

        h.deliver(agentMessage(0));
        emit h.link.agentDisconnected();
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());
        emit h.link.agentConnected();
        // Back, but the agent has not said yet which side is true: the switch waits for its first snapshot.
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());
        h.deliver(agentMessage(0));
        QVERIFY(h.widget("toggleSwitchWidget")->isEnabled());
        // Another text on the status line is not the link's to clear.
        h.window->findChild<QLabel*>(QStringLiteral("statusText"))->setText(QStringLiteral("Creating session"));
        emit h.link.agentConnected();
        QCOMPARE(h.text("statusText"), QStringLiteral("Creating session"));
    }

    void loadingAnimationWhileTheAgentHasNoData()
    {
        MainWindowHarness h;
        auto* loading = h.window->findChild<QTimer*>(QStringLiteral("loadingTimer"));
        QVERIFY(!loading->isActive());
        h.deliver(agentMessage(0, {{dataAvailable, false}}));
        QVERIFY(loading->isActive());
        QCOMPARE(loading->interval(), 1000);
        QMetaObject::invokeMethod(loading, "timeout");
        QCOMPARE(h.text("statusText"), QStringLiteral("Fetching information.  "));
        h.deliver(agentMessage(0, {{dataAvailable, true}}));
        QVERIFY(!loading->isActive());
        QCOMPARE(h.text("statusText"), QString());
    }

    void linkLossTextStaysWhileTheLinkIsDown()
    {
        MainWindowHarness h;
        auto* loading = h.window->findChild<QTimer*>(QStringLiteral("loadingTimer"));
        auto* activate = h.window->findChild<Activate*>();
        auto* pending = h.window->findChild<ActivationPending*>();
        auto* qr = h.window->findChild<QRCodeScreen*>();
        h.deliver(agentMessage(0, {{dataAvailable, false}}));
        h.deliver(agentMessage(0, {{dataAvailable, false}, {QStringLiteral("agentinfo.features.secconn.state"), 1}}));
        activate->setStatusText(QStringLiteral("Invalid activation code"), 5);
        pending->verifyActivationError(AdminApprovalPending);
        // A sign-in blocked for a while on the email page and on the OTP page.
        h.deliver(agentMessage(4, {{dataAvailable, false},
                                   {QStringLiteral("response.type"), 7},
                                   {QStringLiteral("response.user_activation_resp.next_attempt_unix"), 60}}));
        auto* email = h.window->findChild<AuthEmail*>();
        auto* otp = h.window->findChild<OtpScreen*>();

        h.drop();
        QVERIFY(!loading->isActive());
        // Clearings that were due for texts shown before the drop are gone with those texts.
        QCOMPARE(fireTimers(h.window.get(), QStringLiteral("statusClearTimer")), 0);
        for (const char* countdown : {"attemptBlockedTimer", "otpAttemptBlockedTimer"})
            QMetaObject::invokeMethod(h.window->findChild<QTimer*>(QLatin1String(countdown)), "timeout");
        const QList<QWidget*> screens{h.window.get(), activate, pending, qr, email, otp};
        for (const QWidget* screen : screens) {
            const auto* line =
                screen->findChild<QLabel*>(QLatin1String(screen == h.window.get() ? "statusText" : "statusMessage"));
            // The enrollment screens name the brand's service; the home screen's is the application service.
            QCOMPARE(line->text(), screen == h.window.get()
                                       ? unreachable
                                       : QStringLiteral("Unable to connect to the Novalume service"));
        }

        h.restore();
        QCOMPARE(h.text("statusText"), QString());
        QCOMPARE(activate->findChild<QLabel*>(QStringLiteral("statusMessage"))->text(), QString());
        QCOMPARE(qr->findChild<QLabel*>(QStringLiteral("statusMessage"))->text(), QString());
        // Still no data: the animation comes back with the link.
        QVERIFY(loading->isActive());
    }

    void statusMessageClearedByEachTimer()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.state"), 1}}));
        QList<QTimer*> timers = h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer"));
        QCOMPARE(timers.size(), 1);
        QTimer* first = timers.first();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.state"), 6}}));
        QCOMPARE(h.text("statusText"), QStringLiteral("Creating session"));
        // The first message's timer clears the second message too.
        first->start(0);
        QTRY_COMPARE(h.text("statusText"), QString());
    }

    void malformedMessagesOverTheSocketAreSurvived_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("not JSON") << QByteArray("{\"type\":1,\n");
        QTest::newRow("array") << QByteArray("[{\"type\":1}]\n");
        QTest::newRow("types wrong") << QByteArray("{\"type\":\"1\",\"agentinfo\":{\"activation_state\":\"x\","
                                                   "\"features\":[],\"user\":7},\"response\":\"r\"}\n");
        QTest::newRow("arrays for objects")
            << QByteArray("{\"type\":9,\"agentinfo\":[],\"response\":{\"type\":0,\"pag_listing\":[1],"
                          "\"violation_list\":[],\"peer_listing\":{\"peers\":{\"a\":1}}}}\n");
        QTest::newRow("objects for arrays")
            << QByteArray("{\"type\":12,\"response\":{\"violation_list\":{\"port\":{\"ports\":1},\"program\":"
                          "[{\"programs\":{\"name\":1}},7,null]}}}\n");
        QTest::newRow("negative block time")
            << QByteArray("{\"type\":11,\"response\":{\"type\":28,\"notification\":{\"net_access\":{\"type\":2,"
                          "\"block_time_unix\":-1}}}}\n");
        QTest::newRow("huge numbers") << QByteArray(
            "{\"type\":11,\"response\":{\"type\":28,\"notification\":{\"net_access\":{\"type\":2,"
            "\"block_time_unix\":1e300}}}}\n");
        QTest::newRow("missing everything") << QByteArray("{}\n");
        QTest::newRow("nested nulls") << QByteArray("{\"type\":null,\"agentinfo\":null,\"response\":null}\n");
    }
    void malformedMessagesOverTheSocketAreSurvived()
    {
        QFETCH(QByteArray, line);
        MainWindowHarness h;
        h.agent.send(line);
        QJsonObject good = agentMessage(0, {{secconnStatus, 2}});
        h.agent.send(QJsonDocument(good).toJson(QJsonDocument::Compact) + "\n");
        QTRY_COMPARE(h.text("connStatus"), QStringLiteral("You're connected!"));
        QCOMPARE(h.text("enterpriseName"), QStringLiteral("Acme Industries"));
    }

    void restartPrompt()
    {
        QList<SystemRestart::Command> restarts;
        SystemRestart::setLauncher([&restarts](const SystemRestart::Command& c) {
            restarts.append(c);
            return true;
        });
        QList<QString> prompts;
        int answer = QMessageBox::Cancel;
        QList<QPoint> offCentre;
        ModalDialog::setAnswerer([&](QDialog& dialog) {
            prompts.append(static_cast<QMessageBox&>(dialog).text());
            offCentre.append(dialog.geometry().center() - dialog.parentWidget()->window()->frameGeometry().center());
            return answer;
        });

        MainWindowHarness h;
        h.window->hide();
        const QJsonObject reboot = agentMessage(11, {{QStringLiteral("response.type"), 36}});
        h.deliver(reboot);
        QVERIFY(h.window->isVisible());
        QCOMPARE(prompts, QList<QString>{"Novalume requires a system restart. Click 'OK' to restart the system."});
        // Over the window that asks, whatever the window manager would choose.
        QVERIFY(offCentre.first().manhattanLength() <= 1);
        QCOMPARE(h.nextRequest(), QByteArray("{\"type\":15}\n"));
        // Within half a second of a refusal no new prompt; afterwards there is one.
        h.deliver(reboot);
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(fireTimers(h.window.get(), QStringLiteral("rebootPromptResetTimer")), 1);
        answer = QMessageBox::Ok;
        h.deliver(reboot);
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(restarts.size(), 1);
        QVERIFY(!restarts.first().program.isEmpty());
        // Consent stands for the rest of the run.
        h.deliver(reboot);
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(restarts.size(), 1);
        QVERIFY(h.nextRequest().isEmpty());

        ModalDialog::setAnswerer({});
        SystemRestart::setLauncher({});
    }

    void restartThatDidNotHappenIsReported()
    {
        SystemRestart::setLauncher([](const SystemRestart::Command&) { return false; });
        QList<QString> dialogs;
        ModalDialog::setAnswerer([&dialogs](QDialog& dialog) {
            dialogs.append(static_cast<QMessageBox&>(dialog).text());
            return int(QMessageBox::Ok);
        });
        MainWindowHarness h;
        const QJsonObject reboot = agentMessage(11, {{QStringLiteral("response.type"), 36}});
        h.deliver(reboot);
        QCOMPARE(dialogs, QList<QString>({"Novalume requires a system restart. Click 'OK' to restart the system.",
                                          "The system could not be restarted. Please restart it yourself."}));
        // The agent is told the machine is not going down, and may ask again: the next request prompts again.
        QCOMPARE(h.nextRequest(), QByteArray("{\"type\":15}\n"));
        h.deliver(reboot);
        QCOMPARE(dialogs.size(), 4);
        ModalDialog::setAnswerer({});
        SystemRestart::setLauncher({});
    }

    void restartCommandFailureIsSeen_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("failed");
        QTest::newRow("exits with success") << "true" << false;
        QTest::newRow("exits with failure") << "false" << true;
        QTest::newRow("cannot start") << "/nonexistent/restart-command" << true;
    }
    void restartCommandFailureIsSeen()
    {
        // Harmless stand-ins run through the real launcher: what counts is how their ends are read.
        QFETCH(QString, program);
        QFETCH(bool, failed);
        QObject context;
        int failures = 0;
        SystemRestart::start({program, {}}, &context, [&failures] { ++failures; });
        QTest::qWait(500);
        QTRY_COMPARE(failures, failed ? 1 : 0);
        QVERIFY(context.findChildren<QProcess*>().isEmpty());
    }

    // A click hides a window the user sees; a covered or minimised one comes to the front instead, and so does a
    // window whose notice was chosen.
    void trayClickTogglesTheWindow()
    {
        MainWindowHarness h;
        auto* tray = h.window->findChild<TrayStatus*>();
        auto click = [tray] {
            emit tray->item()->activateRequested(true, QPoint());
        };
        h.window->bringToFront();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        click();
        QVERIFY(!h.window->isVisible());
        click();
        QVERIFY(h.window->isVisible());

        QWidget cover;
        cover.show();
        cover.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cover));
        click();
        QVERIFY(h.window->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));

        auto* notices = h.window->findChild<DesktopNotices*>();
        // A minimised window is brought back, not hidden, and not shown still minimised.
        for (const std::function<void()>& bringBack : {std::function<void()>(click), std::function<void()>([notices] {
                                                           emit notices->opened(NoticeKind::ProtectionDropped);
                                                       })}) {
            h.window->showMinimized();
            bringBack();
            QVERIFY(h.window->isVisible());
            QVERIFY(!h.window->isMinimized());
            QVERIFY(h.window->windowState() & Qt::WindowActive);
        }
        h.window->hide();
        emit notices->opened(NoticeKind::NetworkBlocked);
        QVERIFY(h.window->isVisible());
    }

    void trayMessagesOfTheAgentsNotices_data()
    {
        QTest::addColumn<int>("accessType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<QString>("summary");
        QTest::newRow("blocked") << 1
                                 << "Access to the network address 10.8.0.0/16 has been blocked. Open Novalume to see "
                                    "the compliance details."
                                 << 5000 << "Needs attention · Network access blocked";
        QTest::newRow("enabled") << 3 << "Internet access is enabled." << 3000 << "Secure Access off";
    }
    void trayMessagesOfTheAgentsNotices()
    {
        QFETCH(int, accessType);
        QFETCH(QString, text);
        QFETCH(int, milliseconds);
        QFETCH(QString, summary);
        QStringList shown;
        SystemTray::setMessageRecorder([&shown](const QString& title, const QString& message, int ms) {
            shown << title << message << QString::number(ms);
        });
        MainWindowHarness h;
        h.deliver(agentMessage(
            11, {{QStringLiteral("response.type"), 28},
                 {QStringLiteral("response.notification.net_access.type"), accessType},
                 {QStringLiteral("response.notification.net_access.blocked_subnets"), QStringLiteral("10.8.0.0/16")}}));
        SystemTray::setMessageRecorder({});
        // The summary says the state: the product's name is on the notice already.
        QCOMPARE(shown, QStringList({summary, text, QString::number(milliseconds)}));
    }

    // The window fits the screen it starts on: at its own size where that fits, otherwise as tall as the screen
    // allows. On every page the title bar (with a sub-screen's Back) and the bottom bar stay in sight; only the middle
    // scrolls, and its foot can be reached. Never maximised.
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("1920x1080 at 100 %") << QRect(0, 0, 1920, 1040) << false;
        QTest::newRow("1366x768 at 100 %") << QRect(0, 0, 1366, 740) << false;
        QTest::newRow("1280x720 at 100 %") << QRect(0, 0, 1280, 692) << true;
        QTest::newRow("1366x768 at 200 %") << QRect(0, 0, 683, 356) << true;
        QTest::newRow("1280x720 at 200 %") << QRect(0, 0, 640, 332) << true;
        QTest::newRow("1600x1000 at 200 %") << QRect(0, 0, 800, 476) << true;
    }
    void windowFitsTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(bool, scrolls);
        MainWindowHarness h;
        h.window->fitInto(available);
        h.window->show();
        QVERIFY(!(h.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(h.window->minimumSize(), h.window->maximumSize());
        QVERIFY(h.window->height() <= available.height());
        QCOMPARE(h.window->width(), 376);
        if (!scrolls) {
            QCOMPARE(h.window->size(), QSize(376, 699));
            QVERIFY(h.window->findChildren<QScrollArea*>(QStringLiteral("pageMiddleScroller")).isEmpty());
            return;
        }
        auto* screens = h.window->findChild<QStackedWidget*>(QStringLiteral("screenStack"));
        auto* settingsStack = h.window->findChild<QStackedWidget*>(QStringLiteral("settingsStack"));
        auto* emailStack = h.window->findChild<AuthEmail*>()->findChild<QStackedWidget*>();
        const QRect window = h.window->rect();
        // Every page of the window, every settings sub-screen and the OTP page.
        QList<std::function<void()>> pages;
        for (int page = 0; page < screens->count(); ++page)
            pages << [=] {
                screens->setCurrentIndex(page);
            };
        for (int sub = 1; sub < settingsStack->count(); ++sub)
            pages << [=] {
                screens->setCurrentIndex(MainWindow::SettingsPage);
                settingsStack->setCurrentIndex(sub);
            };
        pages << [=] {
            screens->setCurrentIndex(MainWindow::EmailPage);
            emailStack->setCurrentIndex(1);
        };
        for (int index = 0; index < pages.size(); ++index) {
            pages[index]();
            QCoreApplication::processEvents();
            const QString where = QStringLiteral("page %1").arg(index);
            int bars = 0;
            for (QWidget* bar : h.window->findChildren<QWidget*>()) {
                const QString name = bar->objectName();
                if (!bar->isVisible() || (name != QLatin1String("titleBar") && name != QLatin1String("bottomBar") &&
                                          name != QLatin1String("settingsWidget")))
                    continue;
                ++bars;
                const QRect shown(bar->mapTo(h.window.get(), QPoint()), bar->size());
                QVERIFY2(window.contains(shown), qPrintable(where + QLatin1Char(' ') + name));
                for (QWidget* up = bar->parentWidget(); up; up = up->parentWidget())
                    QVERIFY2(!qobject_cast<QScrollArea*>(up), qPrintable(where + QLatin1String(" scrolls ") + name));
            }
            QVERIFY2(bars > 0, qPrintable(where));
            // The middle scrolls down to its last control.
            for (QScrollArea* middle : h.window->findChildren<QScrollArea*>(QStringLiteral("pageMiddleScroller"))) {
                if (!middle->isVisible())
                    continue;
                // Through the bar the user sees, which floats over the middle's right margin.
                auto* bar = middle->findChild<QScrollBar*>(QStringLiteral("pageMiddleBar"));
                bar->setValue(bar->maximum());
                const QRect content(middle->widget()->mapTo(middle->viewport(), QPoint()), middle->widget()->size());
                QVERIFY2(content.bottom() <= middle->viewport()->rect().bottom() + 1, qPrintable(where));
                QVERIFY2(content.width() <= middle->viewport()->width(),
                         qPrintable(QStringLiteral("%1 is too wide: %2 in %3")
                                        .arg(where)
                                        .arg(content.width())
                                        .arg(middle->viewport()->width())));
            }
        }
    }

    // Closing never quits: without a tray the window is minimised, where the task bar brings it back. The first
    // time, and only then, the user is told where it went.
    void closingHidesToTheTrayOrMinimises_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void closingHidesToTheTrayOrMinimises()
    {
        QFETCH(bool, trayAvailable);
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("vexaui-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("closing"));
        QSettings().clear();
        SystemTray::setAvailable(trayAvailable);
        QStringList balloons;
        SystemTray::setMessageRecorder(
            [&balloons](const QString&, const QString& message, int) { balloons << message; });
        QStringList boxes;
        ModalDialog::setAnswerer([&boxes](QDialog& dialog) {
            boxes << static_cast<QMessageBox&>(dialog).text();
            return int(QMessageBox::Ok);
        });
        MainWindowHarness h;
        QSignalSpy quitRequests(h.window.get(), &MainWindow::quitRequested);
        for (int close = 0; close < 2; ++close) {
            h.window->show();
            QVERIFY(!h.window->close());
            QCOMPARE(h.window->isVisible(), !trayAvailable);
            QCOMPARE(h.window->isMinimized(), !trayAvailable);
            h.window->showNormal();
        }
        const QStringList told = trayAvailable ? balloons : boxes;
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(trayAvailable ? QLatin1String("system tray") : QLatin1String("taskbar")));
        QCOMPARE((trayAvailable ? boxes : balloons).size(), 0);
        QCOMPARE(quitRequests.size(), 0);

        ModalDialog::setAnswerer({});
        SystemTray::setMessageRecorder({});
        SystemTray::setAvailable(std::nullopt);
        QSettings().clear();
    }
};

QTEST_MAIN(TestMainWindowToggle)
#include "test_mainwindow_toggle.moc"
