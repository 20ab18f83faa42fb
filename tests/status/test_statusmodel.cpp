#include "agent/messageparser.h"
#include "app/brandprofile.h"
#include "app/startup.h"
#include "status/statusmodel.h"
#include "status/statusnotices.h"
#include "status/statuswords.h"
#include "status/traystatus.h"
#include "tests/support/mainwindowharness.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

Q_DECLARE_METATYPE(LinkStatus)
Q_DECLARE_METATYPE(NetworkAccess)
Q_DECLARE_METATYPE(AppState)
Q_DECLARE_METATYPE(TrayStatus::Badge)

using Changes = QList<QPair<QString, QJsonValue>>;
Q_DECLARE_METATYPE(Changes)

namespace {
const QString status = QStringLiteral("agentinfo.features.secconn.status");
const QString pagName = QStringLiteral("agentinfo.features.secconn.pag.name");
const QString locked = QStringLiteral("agentinfo.features.secconn.status_user_control_disabled");

AgentInfo snapshotWith(const Changes& changes)
{
    return parseAgentInfo(agentMessage(0, changes));
}
} // namespace

class TestStatusModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

    // The one table from link and snapshot to state, and from state to what the tray shows: badge, tool tip, and
    // whether its Secure Access item can be used.
    void stateAndItsLook_data()
    {
        QTest::addColumn<LinkStatus>("link");
        QTest::addColumn<bool>("snapshotCurrent");
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<NetworkAccess>("access");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<AppState>("state");
        QTest::addColumn<TrayStatus::Badge>("badge");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<bool>("switchUsable");
        QTest::addColumn<bool>("switchOn");

        using B = TrayStatus::Badge;
        const auto open = NetworkAccess::Open;
        const Changes connected{{status, 2}, {pagName, QStringLiteral("Frankfurt 1")}};
        auto with = [](Changes base, const Changes& more) {
            return base << more;
        };

        QTest::newRow("link down, last snapshot connected")
            << LinkStatus::Down << false << connected << open << false << AppState::AgentUnavailable << B::Cross
            << "Application service unavailable · retrying" << false << false;
        QTest::newRow("port held by another user")
            << LinkStatus::Refused << false << Changes() << open << false << AppState::PortHeldByOther << B::Cross
            << "Application service port held by another user" << false << false;
        QTest::newRow("first attempt running")
            << LinkStatus::Starting << false << Changes() << open << false << AppState::Connecting << B::Dots
            << "Contacting the application service" << false << false;
        QTest::newRow("link back, no snapshot since")
            << LinkStatus::Up << false << connected << open << false << AppState::Connecting << B::Dots
            << "Fetching information" << false << false;
        QTest::newRow("not enrolled") << LinkStatus::Up << true << Changes{{"agentinfo.activation_state", 0}} << open
                                      << false << AppState::NotEnrolled << B::Slash << "Device not enrolled" << false
                                      << false;
        QTest::newRow("approval pending")
            << LinkStatus::Up << true << Changes{{"agentinfo.activation_state", 2}} << open << false
            << AppState::ApprovalPending << B::Dots << "Waiting for administrator approval" << false << false;
        QTest::newRow("agent gathering data")
            << LinkStatus::Up << true << with(connected, {{"agentinfo.features.data_available", false}}) << open
            << false << AppState::Connecting << B::Dots << "Fetching information" << false << false;
        QTest::newRow("off") << LinkStatus::Up << true << Changes() << open << false << AppState::SecureAccessOff
                             << B::Slash << "Secure Access off" << true << false;
        QTest::newRow("connecting") << LinkStatus::Up << true << Changes{{status, 1}} << open << false
                                    << AppState::Connecting << B::Dots << "Secure Access connecting" << true << true;
        QTest::newRow("disconnecting") << LinkStatus::Up << true << Changes{{status, 3}} << open << false
                                       << AppState::Connecting << B::Dots << "Secure Access disconnecting" << true
                                       << true;
        QTest::newRow("on") << LinkStatus::Up << true << connected << open << false << AppState::On << B::Check
                            << "Secure Access on · Frankfurt 1" << true << true;
        QTest::newRow("already in the network")
            << LinkStatus::Up << true << Changes{{status, 5}} << open << false << AppState::On << B::Check
            << "Secure Access on · already in the network" << true << true;
        QTest::newRow("on, locked by policy")
            << LinkStatus::Up << true << with(connected, {{locked, true}}) << open << false << AppState::On << B::Check
            << "Secure Access on · Frankfurt 1" << false << true;
        QTest::newRow("off, locked by policy")
            << LinkStatus::Up << true << Changes{{locked, true}} << open << false << AppState::NeedsAttention
            << B::Exclamation << "Needs attention · Secure Access turned off by your administrator" << false << false;
        QTest::newRow("compliance findings")
            << LinkStatus::Up << true << with(connected, {{"agentinfo.features.dpminfo.notify_violation", true}})
            << open << false << AppState::NeedsAttention << B::Exclamation
            << "Needs attention · Compliance findings to review" << true << true;
        QTest::newRow("network blocked") << LinkStatus::Up << true << connected << NetworkAccess::Blocked << true
                                         << AppState::NeedsAttention << B::Exclamation
                                         << "Needs attention · Network access blocked" << true << true;
        QTest::newRow("block ahead") << LinkStatus::Up << true << Changes() << NetworkAccess::BlockAhead << false
                                     << AppState::NeedsAttention << B::Exclamation
                                     << "Needs attention · Network access about to be blocked" << true << false;
        QTest::newRow("restart required")
            << LinkStatus::Up << true << connected << open << true << AppState::NeedsAttention << B::Exclamation
            << "Needs attention · Restart required" << true << true;
        QTest::newRow("isolated, no secure access offered")
            << LinkStatus::Up << true
            << Changes{{"agentinfo.features.secconn.enabled", false},
                       {"agentinfo.features.edrinfo.enabled", true},
                       {"agentinfo.ui_alerts.agent_isolated", true}}
            << open << false << AppState::NeedsAttention << B::Exclamation << "Needs attention · Device isolated"
            << false << false;
        QTest::newRow("subscribed, no secure access offered")
            << LinkStatus::Up << true
            << Changes{{"agentinfo.features.secconn.enabled", false}, {"agentinfo.features.edrinfo.enabled", true}}
            << open << false << AppState::SecureAccessOff << B::Slash << "Secure Access off" << false << false;
    }
    void stateAndItsLook()
    {
        QFETCH(LinkStatus, link);
        QFETCH(bool, snapshotCurrent);
        QFETCH(Changes, changes);
        QFETCH(NetworkAccess, access);
        QFETCH(bool, restart);
        QFETCH(AppState, state);
        QFETCH(TrayStatus::Badge, badge);
        QFETCH(QString, summary);
        QFETCH(bool, switchUsable);
        QFETCH(bool, switchOn);

        const AgentInfo snapshot = snapshotWith(changes);
        const Status derived = StatusModel::derive({link, snapshotCurrent, access, restart}, &snapshot);
        QCOMPARE(derived.state, state);
        QCOMPARE(TrayStatus::badgeFor(derived.state), badge);
        QCOMPARE(StatusWords::summary(derived), summary);
        QCOMPARE(StatusWords::toolTip(derived), QStringLiteral("Novalume\n") + summary);
        QCOMPARE(derived.switchUsable, switchUsable);
        QCOMPARE(derived.switchOn, switchOn);
    }

    // Only brands that sign users in by email ask for it; the others' agents never wait for a sign-in here.
    void signInNeeded()
    {
        const AgentInfo snapshot = snapshotWith({{"agentinfo.features.config.user_id_method", 1}});
        QCOMPARE(StatusModel::derive({LinkStatus::Up, true}, &snapshot).state, AppState::SecureAccessOff);
        ScopedBrandProfile kivora(brandProfileNamed(QStringLiteral("kivora")));
        const Status derived = StatusModel::derive({LinkStatus::Up, true}, &snapshot);
        QCOMPARE(derived.state, AppState::SignInNeeded);
        QCOMPARE(TrayStatus::badgeFor(derived.state), TrayStatus::Badge::Exclamation);
        QCOMPARE(StatusWords::toolTip(derived), QStringLiteral("Kivora\nSign-in needed"));
    }

    // A gateway name is the agent's text: in the tool tip it stays text, since only a first line that looks like
    // markup makes a tip render as markup, and the first line is the product's name.
    void agentTextInTheToolTipStaysText()
    {
        const AgentInfo snapshot = snapshotWith({{status, 2}, {pagName, QStringLiteral("<b>Oslo</b><img src=x>")}});
        const QString tip = StatusWords::toolTip(StatusModel::derive({LinkStatus::Up, true}, &snapshot));
        QVERIFY(tip.endsWith(QLatin1String("<b>Oslo</b><img src=x>")));
        QVERIFY(!Qt::mightBeRichText(tip));
    }

    // Every badge has its picture, at the sizes a panel asks for.
    void everyBadgeHasItsPicture()
    {
        for (auto badge : {TrayStatus::Badge::Check, TrayStatus::Badge::Slash, TrayStatus::Badge::Dots,
                           TrayStatus::Badge::Exclamation, TrayStatus::Badge::Cross}) {
            const QIcon icon = TrayStatus::iconFor(badge);
            QVERIFY(!icon.isNull());
            for (int size : {16, 22, 32, 44, 64})
                QVERIFY(!icon.pixmap(size, size).isNull());
        }
    }

    // Notices: one per change the user did not make, each kind at most once in 30 seconds; what comes within them
    // is said once at their end, not lost.
    void noticesOfChanges_data()
    {
        QTest::addColumn<QList<int>>("statuses"); // secconn.status reported one after another
        QTest::addColumn<bool>("userAskedOff");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<int>("held"); // told when the 30 seconds are over
        const QString wentOff = QStringLiteral("Secure Access is now off.");
        QTest::newRow("dropped on its own") << QList<int>{2, 4} << false << QStringList{wentOff} << 0;
        QTest::newRow("user switched off") << QList<int>{2, 3, 4} << true << QStringList() << 0;
        QTest::newRow("gave up connecting")
            << QList<int>{4, 1, 4} << false << QStringList{QStringLiteral("Secure Access stopped connecting.")} << 0;
        QTest::newRow("flapping: once now, once after 30 s")
            << QList<int>{2, 4, 2, 4, 2, 4} << false << QStringList{wentOff} << 1;
        QTest::newRow("coming on is no news") << QList<int>{4, 1, 2} << false << QStringList() << 0;
    }
    void noticesOfChanges()
    {
        QFETCH(QList<int>, statuses);
        QFETCH(bool, userAskedOff);
        QFETCH(QStringList, notices);
        QFETCH(int, held);
        StatusModel model;
        StatusNotices notifier(&model);
        qint64 clock = 0;
        notifier.setClock([&clock] { return clock; });
        QStringList told;
        connect(&notifier, &StatusNotices::notice, this, [&told](NoticeKind, const QString& text) { told << text; });
        model.setLink(LinkStatus::Up);
        for (int reported : statuses) {
            model.setSnapshot(snapshotWith({{status, reported}}));
            if (reported == 2 && userAskedOff)
                model.noteUserRequest(false);
            clock += 1000;
        }
        QCOMPARE(told, notices);
        clock += StatusNotices::sameKindIntervalMs;
        QCOMPARE(fireTimers(&notifier, QStringLiteral("noticeHoldTimer")), held);
        QCOMPARE(told.size(), notices.size() + held);
        // After the quiet interval the same kind is told again, at once.
        if (!notices.isEmpty()) {
            clock += StatusNotices::sameKindIntervalMs;
            model.setSnapshot(snapshotWith({{status, 2}}));
            model.setSnapshot(snapshotWith({{status, 4}}));
            QCOMPARE(told.size(), notices.size() + held + 1);
        }
    }

    // Outages close together: each one that lasts is told, however soon after the last; one over before its turn
    // came says nothing, and "available again" never comes twice in a row.
    void outagesCloseTogether()
    {
        StatusModel model;
        StatusNotices notifier(&model);
        qint64 clock = 0;
        notifier.setClock([&clock] { return clock; });
        QList<NoticeKind> told;
        connect(&notifier, &StatusNotices::notice, this, [&told](NoticeKind kind, const QString&) { told << kind; });
        auto outage = [&](bool lastsPastTheHold) {
            model.setLink(LinkStatus::Down);
            clock += StatusNotices::unavailableNoticeDelayMs;
            fireTimers(&notifier, QStringLiteral("unavailableNoticeTimer"));
            if (lastsPastTheHold) {
                clock += StatusNotices::sameKindIntervalMs;
                QCOMPARE(fireTimers(&notifier, QStringLiteral("noticeHoldTimer")), 1);
            }
            model.setLink(LinkStatus::Up);
            model.setSnapshot(snapshotWith({{status, 2}}));
            clock += 1000;
        };
        const auto gone = NoticeKind::ServiceUnavailable;
        const auto back = NoticeKind::ServiceBack;
        model.setLink(LinkStatus::Up);
        model.setSnapshot(snapshotWith({{status, 2}}));
        outage(false);
        QCOMPARE(told, QList<NoticeKind>({gone, back}));
        outage(true);
        QCOMPARE(told, QList<NoticeKind>({gone, back, gone, back}));
        outage(false);
        clock += StatusNotices::sameKindIntervalMs;
        QCOMPARE(fireTimers(&notifier, QStringLiteral("noticeHoldTimer")), 1);
        QCOMPARE(told.size(), 4);
    }

    // The port held by another user does not pass by waiting: the notice says who can help.
    void portHeldNamesTheCause()
    {
        StatusModel model;
        StatusNotices notifier(&model);
        QStringList told;
        connect(&notifier, &StatusNotices::notice, this, [&told](NoticeKind kind, const QString& text) {
            QCOMPARE(kind, NoticeKind::PortHeld);
            told << text;
        });
        model.setLink(LinkStatus::Down);
        model.setLink(LinkStatus::Refused);
        QCOMPARE(fireTimers(&notifier, QStringLiteral("unavailableNoticeTimer")), 1);
        QCOMPARE(told, QStringList{QStringLiteral("Ask your administrator to check the application service.")});
    }

    // Gone for more than 10 s is said once, and its return then; a short outage says nothing. A lost link is not a
    // drop of Secure Access: the window does not know.
    void serviceGoneAndBack()
    {
        StatusModel model;
        StatusNotices notifier(&model);
        QStringList told;
        connect(&notifier, &StatusNotices::notice, this, [&told](NoticeKind, const QString& text) { told << text; });
        model.setLink(LinkStatus::Up);
        model.setSnapshot(snapshotWith({{status, 2}}));

        model.setLink(LinkStatus::Down);
        QVERIFY(notifier.findChild<QTimer*>(QStringLiteral("unavailableNoticeTimer")));
        model.setLink(LinkStatus::Up);
        QVERIFY(!notifier.findChild<QTimer*>(QStringLiteral("unavailableNoticeTimer")));
        model.setSnapshot(snapshotWith({{status, 2}}));
        QCOMPARE(told, QStringList());

        model.setLink(LinkStatus::Down);
        QCOMPARE(notifier.findChild<QTimer*>(QStringLiteral("unavailableNoticeTimer"))->interval(), 10000);
        QCOMPARE(fireTimers(&notifier, QStringLiteral("unavailableNoticeTimer")), 1);
        // Attempts keep failing: nothing more is said.
        model.setLink(LinkStatus::Down);
        QVERIFY(!notifier.findChild<QTimer*>(QStringLiteral("unavailableNoticeTimer")));
        model.setLink(LinkStatus::Up);
        QCOMPARE(told.size(), 1); // still fetching: back is said with the first word of the agent
        model.setSnapshot(snapshotWith({{status, 4}}));
        QCOMPARE(told, QStringList({QStringLiteral("The application service is unavailable. Retrying every 5 seconds."),
                                    QStringLiteral("The application service is available again.")}));
    }

    void approvalIsNews()
    {
        StatusModel model;
        StatusNotices notifier(&model);
        QStringList told;
        connect(&notifier, &StatusNotices::notice, this, [&told](NoticeKind, const QString& text) { told << text; });
        model.setLink(LinkStatus::Up);
        model.setSnapshot(snapshotWith({{"agentinfo.activation_state", 2}}));
        model.setSnapshot(snapshotWith({}));
        QCOMPARE(told, QStringList{QStringLiteral("Your administrator approved this device.")});
    }

    // Past the announced time, a warning of blocking is over.
    void blockWarningEndsAtItsTime()
    {
        StatusModel model;
        model.setLink(LinkStatus::Up);
        model.setSnapshot(snapshotWith({}));
        model.setNetworkAccess(NetworkAccess::BlockAhead, QDateTime::currentSecsSinceEpoch() + 3600);
        QCOMPARE(model.current().attention, Attention::NetworkBlockAhead);
        auto* timer = model.findChild<QTimer*>(QStringLiteral("blockAheadTimer"));
        QVERIFY(timer);
        QVERIFY(timer->interval() > 3590 * 1000);
        QCOMPARE(fireTimers(&model, QStringLiteral("blockAheadTimer")), 1);
        QCOMPARE(model.current().state, AppState::SecureAccessOff);
        // Blocked for real replaces the warning and its timer.
        model.setNetworkAccess(NetworkAccess::BlockAhead, QDateTime::currentSecsSinceEpoch() + 3600);
        model.setNetworkAccess(NetworkAccess::Blocked);
        QVERIFY(!model.findChild<QTimer*>(QStringLiteral("blockAheadTimer")));
        QCOMPARE(model.current().attention, Attention::NetworkBlocked);
    }
};

QTEST_MAIN(TestStatusModel)
#include "test_statusmodel.moc"
