#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/modaldialog.h"
#include "app/startup.h"
#include "app/systemtray.h"
#include "status/homepicture.h"
#include "status/statuswords.h"
#include "status/traystatus.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <KStatusNotifierItem>
#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using Changes = QList<QPair<QString, QJsonValue>>;
Q_DECLARE_METATYPE(Changes)
Q_DECLARE_METATYPE(HomePicture)
Q_DECLARE_METATYPE(TrayStatus::Badge)

namespace {
const QString secconnStatus = QStringLiteral("agentinfo.features.secconn.status");
const Changes connected{{secconnStatus, 2},
                        {QStringLiteral("agentinfo.features.secconn.pag.name"), QStringLiteral("Frankfurt 1")}};

TrayStatus* trayOf(const MainWindowHarness& h)
{
    return h.window->findChild<TrayStatus*>();
}

QAction* trayItem(const MainWindowHarness& h, const char* name)
{
    return trayOf(h)->menu()->findChild<QAction*>(QString::fromLatin1(name));
}

bool showsBadge(const MainWindowHarness& h, TrayStatus::Badge badge)
{
    const QImage expected = TrayStatus::iconFor(badge).pixmap(22, 22).toImage();
    return trayOf(h)->item()->iconPixmap().pixmap(22, 22).toImage() == expected;
}

bool showsPicture(const MainWindowHarness& h, HomePicture picture)
{
    const auto* shown = h.widget("connPage")->findChild<QLabel*>(QStringLiteral("staticIcon"));
    const QImage expected = loadPicture(homePicturePath(picture), shown->devicePixelRatioF(), brand().homeImageSize)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    return !expected.isNull() &&
           shown->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32) == expected;
}

QString accessibleText(QWidget* widget, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}
} // namespace

class TestStatusWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    // With the agent gone the window cannot know whether Secure Access is on, and says so everywhere; the first
    // snapshot after the return restores everything.
    void truthWhileTheAgentIsGone()
    {
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0, connected));
        QCOMPARE(h.text("connStatus"), QStringLiteral("You're connected!"));
        // The tool tip's title is the product, its body the state.
        QCOMPARE(trayOf(h)->item()->toolTipTitle(), QStringLiteral("Novalume"));
        QCOMPARE(trayOf(h)->item()->toolTipSubTitle(), QStringLiteral("Secure Access on · Frankfurt 1"));
        QVERIFY(showsBadge(h, TrayStatus::Badge::Check));

        h.drop();
        QCOMPARE(h.text("connStatus"), QStringLiteral("Application service unavailable"));
        QCOMPARE(h.text("lastKnownState"), QStringLiteral("Last known: Secure Access on · Frankfurt 1"));
        QVERIFY(h.widget("lastKnownState")->isVisible());
        QCOMPARE(h.text("statusText"), QStringLiteral("Unable to connect to the application service"));
        QCOMPARE(h.text("statusNextStep"), QStringLiteral("Retrying every 5 seconds."));
        // The switch, as a screen reader finds it: unusable, and not claiming either side.
        QAccessibleInterface* knob = QAccessible::queryAccessibleInterface(h.toggle());
        QVERIFY(knob->state().disabled);
        QCOMPARE(knob->text(QAccessible::Description), QStringLiteral("Application service unavailable"));
        QVERIFY(!knob->state().checked);
        QCOMPARE(trayOf(h)->item()->toolTipSubTitle(), QStringLiteral("Application service unavailable · retrying"));
        QVERIFY(showsBadge(h, TrayStatus::Badge::Cross));
        QVERIFY(!trayItem(h, "traySecureAccess")->isEnabled());

        h.restore();
        QVERIFY(!h.widget("lastKnownState")->isVisible());
        QVERIFY(h.text("connStatus").isEmpty());
        QVERIFY(!h.widget("toggleSwitchWidget")->isEnabled());
        QVERIFY(showsBadge(h, TrayStatus::Badge::Dots));

        h.deliver(agentMessage(0, connected));
        QCOMPARE(h.text("connStatus"), QStringLiteral("You're connected!"));
        QCOMPARE(h.toggle()->sliderPosition(), 1);
        QVERIFY(h.widget("toggleSwitchWidget")->isEnabled());
        QCOMPARE(accessibleText(h.toggle(), QAccessible::Description), QStringLiteral("On"));
        QVERIFY(h.text("statusNextStep").isEmpty());
        QVERIFY(!h.widget("statusNextStep")->isVisible());
        QVERIFY(showsBadge(h, TrayStatus::Badge::Check));
        // Restoring the switch is no wish of the user's: nothing asks the agent to change the tunnel.
        for (QByteArray request = h.nextRequest(); !request.isEmpty(); request = h.nextRequest())
            QVERIFY2(!request.contains("enable_secconn_status"), request.constData());
    }

    // The tray's Secure Access item sends what the switch sends, once, and only when the switch could be moved.
    void trayItemAsksLikeTheSwitch_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("off: asks for on") << Changes{{secconnStatus, 4}} << true << true << false
                                          << QByteArray("{\"enable_secconn_status\":true,\"type\":8}\n");
        QTest::newRow("on: asks for off")
            << connected << true << true << true << QByteArray("{\"enable_secconn_status\":false,\"type\":8}\n");
        QTest::newRow("locked by policy")
            << Changes{{secconnStatus, 2},
                       {QStringLiteral("agentinfo.features.secconn.status_user_control_disabled"), true}}
            << true << false << true << QByteArray();
        QTest::newRow("agent gone") << connected << false << false << false << QByteArray();
        QTest::newRow("no secure access offered")
            << Changes{{QStringLiteral("agentinfo.features.secconn.enabled"), false}} << true << false << false
            << QByteArray();
    }
    void trayItemAsksLikeTheSwitch()
    {
        QFETCH(Changes, changes);
        QFETCH(bool, linkUp);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(QByteArray, request);
        MainWindowHarness h;
        h.deliver(agentMessage(0, changes));
        if (!linkUp)
            h.drop();
        QAction* item = trayItem(h, "traySecureAccess");
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isChecked(), checked);
        // Triggered as a screen reader or the keyboard would, even when shown disabled.
        emit item->triggered(!checked);
        QCOMPARE(h.nextRequest(), request);
        QCOMPARE(h.nextRequest(), QByteArray());
    }

    void trayMenuOpensSettingsAndQuits()
    {
        MainWindowHarness h;
        QSignalSpy quits(h.window.get(), &MainWindow::quitRequested);
        QMenu* menu = trayOf(h)->menu();
        QStringList items;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action->text();
        // The state in words heads the menu, for desktops that show no tool tips; each item has its key.
        QCOMPARE(items, QStringList({"Fetching information", "&Open", "Secure &Access", "&Settings",
                                     "Save support &report…", "&Quit"}));
        QVERIFY(!menu->actions().first()->isEnabled());

        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.activation_state"), 0}}));
        QVERIFY(!trayItem(h, "traySettings")->isEnabled());
        h.deliver(agentMessage(0));
        QVERIFY(trayItem(h, "traySettings")->isEnabled());
        trayItem(h, "traySettings")->trigger();
        QVERIFY(h.window->isVisible());
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
        h.window->hide();
        trayItem(h, "trayOpen")->trigger();
        QVERIFY(h.window->isVisible());
        trayItem(h, "trayQuit")->trigger();
        QCOMPARE(quits.size(), 1);
    }

    // A drop the user did not ask for is told once; their own switching off is not.
    void dropNoticesThroughTheWindow()
    {
        QStringList balloons;
        SystemTray::setMessageRecorder([&balloons](const QString& title, const QString& text, int) {
            balloons << title + QStringLiteral(": ") + text;
        });
        MainWindowHarness h;
        h.deliver(agentMessage(0, connected));
        QTest::keyClick(h.toggle(), Qt::Key_Space);
        QCOMPARE(h.nextRequest(), QByteArray("{\"enable_secconn_status\":false,\"type\":8}\n"));
        h.deliver(agentMessage(0, {{secconnStatus, 3}}));
        h.deliver(agentMessage(0, {{secconnStatus, 4}}));
        QCOMPARE(balloons, QStringList());

        h.deliver(agentMessage(0, connected));
        h.deliver(agentMessage(0, {{secconnStatus, 4}}));
        QCOMPARE(balloons, QStringList{QStringLiteral("Secure Access off: Secure Access is now off.")});
        SystemTray::setMessageRecorder({});
    }

    // Home shows the state the tray shows: the shield carries the badge's sign (only a connection with nothing to
    // attend to has the check), and the reason for attention stands under the headline, said once.
    void homeAgreesWithTheTray_data()
    {
        QTest::addColumn<Changes>("snapshot");
        QTest::addColumn<QString>("event"); // what happens after the snapshot
        QTest::addColumn<HomePicture>("picture");
        QTest::addColumn<TrayStatus::Badge>("badge");
        QTest::addColumn<QString>("reason");
        const QString findings = QStringLiteral("agentinfo.features.dpminfo.notify_violation");
        const QString edr = QStringLiteral("agentinfo.features.edrinfo.enabled");
        const QString isolated = QStringLiteral("agentinfo.ui_alerts.agent_isolated");
        const QString secconnEnabled = QStringLiteral("agentinfo.features.secconn.enabled");
        using Badge = TrayStatus::Badge;
        QTest::newRow("on") << connected << "" << HomePicture::Protected << Badge::Check << "";
        QTest::newRow("on with findings") << (connected + Changes{{findings, true}}) << "" << HomePicture::Attention
                                          << Badge::Exclamation << "Compliance findings to review";
        QTest::newRow("off") << Changes{} << "" << HomePicture::Off << Badge::Slash << "";
        QTest::newRow("connecting") << Changes{{secconnStatus, 1}} << "" << HomePicture::Busy << Badge::Dots << "";
        QTest::newRow("isolated while on") << (connected + Changes{{edr, true}, {isolated, true}}) << ""
                                           << HomePicture::Blocked << Badge::Exclamation << "Device isolated";
        // The headline of a device without Secure Access says it already.
        QTest::newRow("isolated, no Secure Access") << Changes{{secconnEnabled, false}, {edr, true}, {isolated, true}}
                                                    << "" << HomePicture::Blocked << Badge::Exclamation << "";
        QTest::newRow("network blocked") << connected << "blocked" << HomePicture::Blocked << Badge::Exclamation
                                         << "Network access blocked";
        QTest::newRow("restart required")
            << connected << "restart" << HomePicture::Attention << Badge::Exclamation << "Restart required";
        // A user who skipped the sign-in learns at home why Secure Access waits.
        QTest::newRow("sign-in needed") << Changes{{QStringLiteral("agentinfo.features.config.user_id_method"), 1}}
                                        << "sign-in" << HomePicture::Attention << Badge::Exclamation
                                        << "Sign-in needed";
        QTest::newRow("agent gone") << connected << "drop" << HomePicture::Unavailable << Badge::Cross << "";
    }
    void homeAgreesWithTheTray()
    {
        QFETCH(Changes, snapshot);
        QFETCH(QString, event);
        QFETCH(HomePicture, picture);
        QFETCH(TrayStatus::Badge, badge);
        QFETCH(QString, reason);
        ModalDialog::setAnswerer([](QDialog&) { return int(QDialog::Rejected); });
        const auto realDialogs = qScopeGuard([] { ModalDialog::setAnswerer({}); });
        // Only a brand that signs users in by email asks for it.
        ScopedBrandProfile scoped(brandProfileNamed(event == QLatin1String("sign-in") ? QStringLiteral("kivora")
                                                                                      : QStringLiteral("novalume")));
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0, snapshot));
        if (event == QLatin1String("blocked"))
            h.deliver(agentMessage(11, {{QStringLiteral("response.type"), 28},
                                        {QStringLiteral("response.notification.net_access.type"), 1}}));
        else if (event == QLatin1String("restart"))
            h.deliver(agentMessage(11, {{QStringLiteral("response.type"), 36}}));
        else if (event == QLatin1String("drop"))
            h.drop();
        QVERIFY2(showsBadge(h, badge), qPrintable(trayOf(h)->item()->toolTipSubTitle()));
        QVERIFY(showsPicture(h, picture));
        QCOMPARE(h.text("attentionReason"), reason);
        QCOMPARE(!h.widget("attentionReason")->isHidden(), !reason.isEmpty());
        // The other pictures are not the one shown: each state has its own.
        for (HomePicture other : {HomePicture::Protected, HomePicture::Busy, HomePicture::Off, HomePicture::Unavailable,
                                  HomePicture::Blocked, HomePicture::Attention}) {
            if (other != picture)
                QVERIFY(!showsPicture(h, other));
        }
    }

    // A block's instruction is said once on the home screen (the next step), and a desktop notice asks to open the
    // window only while it is out of sight.
    void blockWarningPointsOnce_data()
    {
        QTest::addColumn<int>("accessType");
        QTest::addColumn<bool>("windowShown");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("statusLine");
        const QString blocked = QStringLiteral("Internet access is blocked.");
        const QString ahead = QStringLiteral("Internet access will be blocked at %1.");
        const QString open = QStringLiteral(" Open Novalume to see the compliance details.");
        QTest::newRow("blocked, window in sight") << 1 << true << blocked << blocked;
        QTest::newRow("blocked, window in the tray") << 1 << false << blocked + open << blocked;
        QTest::newRow("block ahead, window in sight") << 2 << true << ahead << ahead;
        QTest::newRow("block ahead, window in the tray") << 2 << false << ahead + open << ahead;
    }
    void blockWarningPointsOnce()
    {
        QFETCH(int, accessType);
        QFETCH(bool, windowShown);
        QFETCH(QString, notice);
        QFETCH(QString, statusLine);
        const QDateTime at = QDateTime::currentDateTime().addSecs(3600);
        const QString time = at.date() == QDate::currentDate() ? QLocale().toString(at.time(), QLocale::ShortFormat)
                                                               : QLocale().toString(at, QLocale::ShortFormat);
        notice = notice.arg(time);
        statusLine = statusLine.arg(time);
        QStringList balloons;
        SystemTray::setMessageRecorder([&balloons](const QString&, const QString& text, int) { balloons << text; });
        const auto desktop = qScopeGuard([] { SystemTray::setMessageRecorder({}); });
        MainWindowHarness h;
        if (windowShown)
            h.window->show();
        h.deliver(agentMessage(0, connected));
        h.deliver(agentMessage(
            11, {{QStringLiteral("response.type"), 28},
                 {QStringLiteral("response.notification.net_access.type"), accessType},
                 {QStringLiteral("response.notification.net_access.block_time_unix"), at.toSecsSinceEpoch()}}));
        QCOMPARE(balloons.last(), notice);
        QCOMPARE(balloons.filter(QStringLiteral("Open Novalume")).size(), windowShown ? 0 : 1);
        QCOMPARE(h.text("statusText"), statusLine);
        QCOMPARE(h.text("statusNextStep"),
                 QStringLiteral("Open Settings, then Notifications, to see the compliance details."));
    }

    // A blocked network stays on the status line while it lasts: texts that come and go give way to it again.
    void statusLineKeepsAStandingProblem()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, connected));
        auto accessNotice = [](int type) {
            return agentMessage(11, {{QStringLiteral("response.type"), 28},
                                     {QStringLiteral("response.notification.net_access.type"), type}});
        };
        h.deliver(accessNotice(1));
        const QString blocked = QStringLiteral("Internet access is blocked.");
        QCOMPARE(h.text("statusText"), blocked);
        QCOMPARE(h.text("statusNextStep"),
                 QStringLiteral("Open Settings, then Notifications, to see the compliance details."));
        fireTimers(h.window.get(), QStringLiteral("statusClearTimer"));
        QCOMPARE(h.text("statusText"), blocked);
        h.deliver(agentMessage(0, {{secconnStatus, 2}, {QStringLiteral("agentinfo.features.secconn.state"), 6}}));
        QCOMPARE(h.text("statusText"), QStringLiteral("Creating session"));
        fireTimers(h.window.get(), QStringLiteral("statusClearTimer"));
        QCOMPARE(h.text("statusText"), blocked);

        h.deliver(accessNotice(3));
        QCOMPARE(h.text("statusText"), QStringLiteral("Internet access is enabled."));
        fireTimers(h.window.get(), QStringLiteral("statusClearTimer"));
        QVERIFY(h.text("statusText").isEmpty());
        QVERIFY(h.text("statusNextStep").isEmpty());
    }
};

QTEST_MAIN(TestStatusWindow)
#include "test_status_window.moc"
