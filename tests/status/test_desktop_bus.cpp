// The window against the desktop's services as they speak on the bus: python3-dbusmock's notification service and
// logind, and a minimal StatusNotifierWatcher, on a private bus (tests/support/with-private-bus).
#include "app/startup.h"
#include "app/systemtray.h"
#include "status/desktopnotices.h"
#include "status/traystatus.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString secconnStatus = QStringLiteral("agentinfo.features.secconn.status");

// One mock service for the length of a test.
class MockService
{
public:
    MockService(const QString& busName, const QString& path, const QStringList& arguments) : name(busName)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("/usr/bin/python3"),
                      QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} << arguments);
        mock = std::make_unique<QDBusInterface>(busName, path, QStringLiteral("org.freedesktop.DBus.Mock"));
    }
    ~MockService()
    {
        process.terminate();
        process.waitForFinished();
    }
    bool up() const { return QDBusConnection::sessionBus().interface()->isServiceRegistered(name); }

    // The arguments of each call of the method so far.
    QList<QVariantList> calls(const QString& method) const
    {
        QList<QVariantList> found;
        const QDBusMessage reply = mock->call(QStringLiteral("GetMethodCalls"), method);
        const auto list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            quint64 at = 0;
            QVariantList arguments;
            list.beginStructure();
            list >> at >> arguments;
            list.endStructure();
            found << arguments;
        }
        list.endArray();
        return found;
    }
    void emitSignal(const QString& interface, const QString& signal, const QString& signature,
                    const QVariantList& arguments)
    {
        mock->call(QStringLiteral("EmitSignal"), interface, signal, signature, arguments);
    }

private:
    QString name;
    QProcess process;
    std::unique_ptr<QDBusInterface> mock;
};

std::unique_ptr<MockService> notificationService()
{
    auto service = std::make_unique<MockService>(
        notifications, notificationsPath,
        QStringList{QStringLiteral("--template"), QStringLiteral("notification_daemon"), QStringLiteral("-p"),
                    QStringLiteral(R"({"capabilities": "body actions body-markup"})")});
    return service;
}

QVariantMap hintsOf(const QVariantList& notify)
{
    return qdbus_cast<QVariantMap>(notify.value(6));
}

} // namespace

class TestDesktopBus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
        setApplicationIdentity();
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run through tests/support/with-private-bus");
    }

    // No tray at all: every notice still reaches the notification service, with its urgency, the product's icon
    // and desktop entry, a default action, and the summary saying the state; and the window asks for attention.
    void noticesWithoutATray_data()
    {
        QTest::addColumn<QJsonObject>("before");
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("urgency");
        const auto access = [](int type) {
            return agentMessage(11, {{QStringLiteral("response.type"), 28},
                                     {QStringLiteral("response.notification.net_access.type"), type},
                                     {QStringLiteral("response.notification.net_access.blocked_subnets"),
                                      QStringLiteral("<b>10.8.0.0/16</b>")}});
        };
        QTest::newRow("Secure Access dropped")
            << agentMessage(0, {{secconnStatus, 2}}) << agentMessage(0, {{secconnStatus, 4}}) << "Secure Access off"
            << "Secure Access is now off." << 1;
        QTest::newRow("network blocked: the agent's words stay text")
            << agentMessage(0) << access(1) << "Needs attention · Network access blocked"
            << "Access to the network address &lt;b&gt;10.8.0.0/16&lt;/b&gt; has been blocked. Open Novalume to see "
               "the "
               "compliance details."
            << 2;
        QTest::newRow("network open again") << agentMessage(0) << access(3) << "Secure Access off"
                                            << "Internet access is enabled." << 0;
    }
    void noticesWithoutATray()
    {
        QFETCH(QJsonObject, before);
        QFETCH(QJsonObject, message);
        QFETCH(QString, summary);
        QFETCH(QString, body);
        QFETCH(int, urgency);
        auto service = notificationService();
        QTRY_VERIFY(service->up());
        MainWindowHarness h;
        QVERIFY(!SystemTray::isAvailable());
        h.window->showMinimized();
        h.deliver(before);
        h.deliver(message);
        QTRY_COMPARE(service->calls(QStringLiteral("Notify")).size(), 1);
        const QVariantList notify = service->calls(QStringLiteral("Notify")).first();
        QCOMPARE(notify.value(0).toString(), QStringLiteral("Novalume"));
        QCOMPARE(notify.value(2).toString(), applicationId());
        QCOMPARE(notify.value(3).toString(), summary);
        QCOMPARE(notify.value(4).toString(), body);
        QVERIFY(notify.value(5).toStringList().contains(QStringLiteral("default")));
        const QVariantMap hints = hintsOf(notify);
        QCOMPARE(hints.value(QStringLiteral("urgency")).toInt(), urgency);
        QCOMPARE(hints.value(QStringLiteral("desktop-entry")).toString(), applicationId());
    }

    // "available again" and "unavailable" are one notice that changes; only a choice on vexaui's own notice opens
    // the window, and it opens where the notice points.
    void replacedAndChosen()
    {
        auto service = notificationService();
        QTRY_VERIFY(service->up());
        MainWindowHarness h;
        const auto access = [](int type) {
            return agentMessage(11, {{QStringLiteral("response.type"), 28},
                                     {QStringLiteral("response.notification.net_access.type"), type}});
        };
        h.deliver(agentMessage(0));
        h.deliver(access(1));
        QTRY_COMPARE(service->calls(QStringLiteral("Notify")).size(), 1);
        h.deliver(access(3));
        QTRY_COMPARE(service->calls(QStringLiteral("Notify")).size(), 2);
        const QList<QVariantList> sent = service->calls(QStringLiteral("Notify"));
        // The mock numbers notices from 1.
        QCOMPARE(sent.at(0).value(1).toUInt(), 0u);
        QCOMPARE(sent.at(1).value(1).toUInt(), 1u);

        h.window->hide();
        const QString interface = notifications;
        service->emitSignal(interface, QStringLiteral("ActionInvoked"), QStringLiteral("us"),
                            {7u, QStringLiteral("default")});
        QTest::qWait(200);
        QVERIFY(!h.window->isVisible());
        service->emitSignal(interface, QStringLiteral("ActionInvoked"), QStringLiteral("us"),
                            {1u, QStringLiteral("default")});
        QTRY_VERIFY(h.window->isVisible());
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
    }

    // A tray host that starts after the program: the item registers with it, and the window hides there from
    // then on.
    void trayHostComingLate()
    {
        MainWindowHarness h;
        QTest::qWait(200);
        QVERIFY(!SystemTray::isAvailable());
        MockService watcher(QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
                            {QStringLiteral("--template"), QStringLiteral(VEXAUI_WATCHER_TEMPLATE)});
        QTRY_VERIFY(watcher.up());
        QTRY_COMPARE(watcher.calls(QStringLiteral("RegisterStatusNotifierItem")).size(), 1);
        QVERIFY(!SystemTray::isAvailable());
        QDBusInterface(QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
                       QStringLiteral("org.kde.StatusNotifierWatcher"))
            .call(QStringLiteral("RegisterStatusNotifierHost"), QStringLiteral("org.kde.StatusNotifierHost-1"));
        QTRY_VERIFY(SystemTray::isAvailable());
        h.window->show();
        h.window->close();
        QVERIFY(!h.window->isVisible());
    }

    // Waking from suspend asks the agent once for its state, and says "Checking…" until it answers; going to sleep
    // asks nothing.
    void resumeAsksOnce()
    {
        MockService logind(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                           {QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")});
        QTRY_VERIFY(logind.up());
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
        logind.emitSignal(manager, QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {true});
        QCOMPARE(h.nextRequest(), QByteArray());
        logind.emitSignal(manager, QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false});
        logind.emitSignal(manager, QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false});
        QCOMPARE(h.nextRequest(1000), QByteArray("{\"type\":3}\n"));
        QCOMPARE(h.nextRequest(), QByteArray());
        QCOMPARE(h.text("statusText"), QStringLiteral("Checking…"));
        h.deliver(agentMessage(0));
        QVERIFY(h.text("statusText").isEmpty());
    }
};

QTEST_MAIN(TestDesktopBus)
#include "test_desktop_bus.moc"
