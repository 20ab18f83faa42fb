// Runs under tests/support/with-accessibility-bus: Qt raises accessibility events only where a screen reader's bus
// is there to hear them.
#include "app/startup.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QTimer>

using Announcement = QPair<QString, QAccessible::Event>;

namespace {
QList<Announcement>& heard()
{
    static QList<Announcement> events;
    return events;
}

void listen(QAccessibleEvent* event)
{
    if (event->object())
        heard() << Announcement(event->object()->objectName(), event->type());
}

bool wasHeard(const QString& objectName, QAccessible::Event type)
{
    return heard().contains(Announcement(objectName, type));
}

const QList<QPair<QString, QJsonValue>> connected{
    {QStringLiteral("agentinfo.features.secconn.status"), 2},
    {QStringLiteral("agentinfo.features.secconn.pag.name"), QStringLiteral("Frankfurt 1")}};
} // namespace

class TestStatusAnnouncements : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QAccessible::installUpdateHandler(listen);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    // A screen reader hears the state change where it happens: the headline and the status line change their
    // names, the switch its availability, value and description.
    void stateChangesAreAnnounced()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, connected));

        heard().clear();
        h.drop();
        QVERIFY(wasHeard(QStringLiteral("connStatus"), QAccessible::NameChanged));
        QVERIFY(wasHeard(QStringLiteral("statusText"), QAccessible::NameChanged));
        QVERIFY(wasHeard(QStringLiteral("statusNextStep"), QAccessible::NameChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::StateChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::DescriptionChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::ValueChanged));

        h.restore();
        heard().clear();
        h.deliver(agentMessage(0, connected));
        QVERIFY(wasHeard(QStringLiteral("connStatus"), QAccessible::NameChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::StateChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::ValueChanged));

        // The agent turns the tunnel off: the switch says so without anyone touching it.
        heard().clear();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 4}}));
        QVERIFY(wasHeard(QStringLiteral("connStatus"), QAccessible::NameChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::ValueChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::DescriptionChanged));
    }

    // One announcement per real change: the agent repeats its snapshot many times a minute.
    void aRepeatedSnapshotIsSilent()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, connected));
        heard().clear();
        h.deliver(agentMessage(0, connected));
        QVERIFY(heard().isEmpty());
    }

    // The loading dots move every second; the words are spoken once, and the line speaks again when they stop.
    void fetchingInformationIsSaidOnce()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        heard().clear();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.data_available"), false}}));
        auto* timer = h.window->findChild<QTimer*>(QStringLiteral("loadingTimer"));
        // Several ticks of the animation at once.
        timer->start(1);
        QTest::qWait(30);
        QCOMPARE(heard().count(Announcement(QStringLiteral("statusText"), QAccessible::NameChanged)), 1);
        QAccessibleInterface* line =
            QAccessible::queryAccessibleInterface(h.window->findChild<QLabel*>(QStringLiteral("statusText")));
        QCOMPARE(line->role(), QAccessible::Notification);
        QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Fetching information"));
        h.deliver(agentMessage(0, connected));
        QCOMPARE(heard().count(Announcement(QStringLiteral("statusText"), QAccessible::NameChanged)), 2);
    }
};

QTEST_MAIN(TestStatusAnnouncements)
#include "test_status_announcements.moc"
