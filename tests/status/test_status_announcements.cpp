// Runs under tests/support/with-accessibility-bus: Qt raises accessibility events only where a screen reader's bus
// is there to hear them.
#include "app/startup.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAccessible>
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
    if (!event->object())
        return;
    heard() << Announcement(event->object()->objectName(), event->type());
    // The checked state apart from the others (availability moves with it), since it must not flicker.
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked)
        heard() << Announcement(event->object()->objectName() + QStringLiteral(":checked"), event->type());
}

bool wasHeard(const QString& objectName, QAccessible::Event type)
{
    return heard().contains(Announcement(objectName, type));
}

int timesHeard(const QString& objectName, QAccessible::Event type)
{
    return heard().count(Announcement(objectName, type));
}

// Orca speaks the home screen's notification object when it becomes showing, by its name. Other screens have one
// of their own.
QString news(const MainWindowHarness& h)
{
    return QAccessible::queryAccessibleInterface(
               h.widget("connPage")->findChild<QWidget*>(QStringLiteral("herald"), Qt::FindDirectChildrenOnly))
        ->text(QAccessible::Name);
}

const QString herald = QStringLiteral("herald");

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

    // Why the device needs attention is news of its own, heard once under the headline; the same snapshot again is
    // no news.
    void attentionReasonIsHeardOnce()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, connected));
        QTRY_VERIFY(wasHeard(herald, QAccessible::ObjectShow));
        QTest::qWait(20);
        heard().clear();
        auto withFindings = connected;
        withFindings.append({QStringLiteral("agentinfo.features.dpminfo.notify_violation"), true});
        h.deliver(agentMessage(0, withFindings));
        QTRY_COMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
        QVERIFY2(news(h).startsWith(QStringLiteral("Compliance findings to review")), qPrintable(news(h)));
        h.deliver(agentMessage(0, withFindings));
        QTest::qWait(20);
        QCOMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
    }

    // A screen reader hears each state change as one piece of news, the lines that changed in reading order, and
    // the switch's availability, value and description.
    void stateChangesAreAnnounced()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, connected));
        QTRY_VERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::StateChanged));

        heard().clear();
        h.drop();
        QTRY_COMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
        QVERIFY(news(h).startsWith(h.text("connStatus")));
        QVERIFY(news(h).contains(h.text("statusText")));
        QVERIFY(news(h).endsWith(h.text("statusNextStep")));
        // The last known state is heard as words: a screen reader would name the dot between them.
        QVERIFY(news(h).contains(QStringLiteral("Secure Access on, Frankfurt 1")));
        QVERIFY(!news(h).contains(QChar(0x00B7)));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::DescriptionChanged));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::ValueChanged));

        h.restore();
        heard().clear();
        h.deliver(agentMessage(0, connected));
        QTRY_VERIFY(wasHeard(herald, QAccessible::ObjectShow));
        QCOMPARE(news(h), QStringLiteral("You're connected!"));
        // On again, as before the drop: the switch leaves its mixed state, and no "checked" is told anew.
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::StateChanged));
        const QAccessible::State back = QAccessible::queryAccessibleInterface(h.toggle())->state();
        QVERIFY(back.checked && !back.checkStateMixed);
        QTest::qWait(20);
        QCOMPARE(timesHeard(QStringLiteral("toggleButton:checked"), QAccessible::StateChanged), 0);

        // The agent turns the tunnel off: the switch says so without anyone touching it.
        heard().clear();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 4}}));
        QTRY_COMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
        QCOMPARE(news(h), h.text("connStatus"));
        QVERIFY(wasHeard(QStringLiteral("toggleButton"), QAccessible::DescriptionChanged));
        QTRY_COMPARE(timesHeard(QStringLiteral("toggleButton:checked"), QAccessible::StateChanged), 1);
    }

    // One announcement per real change: the agent repeats its snapshot many times a minute, and a flip that the
    // window takes back until the agent answers is not a change of state.
    void aRepeatedSnapshotOrATakenBackFlipIsSilent()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 4}}));
        QTest::qWait(20);
        heard().clear();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 4}}));
        QTest::qWait(20);
        QVERIFY(heard().isEmpty());

        h.toggle()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTest::qWait(20);
        QCOMPARE(timesHeard(QStringLiteral("toggleButton:checked"), QAccessible::StateChanged), 0);
        QCOMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
        // Without the ellipsis, which a screen reader says as "dot dot dot".
        QCOMPARE(news(h), QStringLiteral("Connecting"));
    }

    // A screen the window moves to is read with the control the keyboard lands on; its lines are not told again as
    // news. News of a screen out of sight is not kept for its return either.
    void arrivingScreensAreReadNotAnnounced()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.activation_state"), 2}}));
        h.widget("activationStatusButton")->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        heard().clear();
        h.deliver(agentMessage(0, connected));
        QTest::qWait(20);
        QCOMPARE(h.window->focusWidget(), static_cast<QWidget*>(h.toggle()));
        QCOMPARE(timesHeard(herald, QAccessible::ObjectShow), 0);

        // The settings page says the agent is gone while the home page is in front; opening it later says nothing.
        h.drop();
        QTest::qWait(20);
        heard().clear();
        QWidget* opener = h.widget("settingsButton");
        opener->setFocus(Qt::TabFocusReason);
        QTest::keyClick(opener, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
        QCOMPARE(timesHeard(herald, QAccessible::ObjectShow), 0);
    }

    // The loading dots move every second; the words are spoken once, and the line speaks again when they stop.
    void fetchingInformationIsSaidOnce()
    {
        MainWindowHarness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.data_available"), false}}));
        heard().clear();
        auto* timer = h.window->findChild<QTimer*>(QStringLiteral("loadingTimer"));
        // Several ticks of the animation at once.
        timer->start(1);
        QTest::qWait(30);
        QCOMPARE(timesHeard(herald, QAccessible::ObjectShow), 1);
        QVERIFY(news(h).contains(QStringLiteral("Fetching information")));
        h.deliver(agentMessage(0, connected));
        QTRY_COMPARE(timesHeard(herald, QAccessible::ObjectShow), 2);
        QVERIFY(!news(h).contains(QStringLiteral("Fetching information")));
    }
};

QTEST_MAIN(TestStatusAnnouncements)
#include "test_status_announcements.moc"
