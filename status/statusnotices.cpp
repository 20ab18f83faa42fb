#include "status/statusnotices.h"

#include "agent/tcpsocket.h"
#include "app/namedtimer.h"
#include "status/statuswords.h"

#include <QElapsedTimer>
#include <QTimer>
#include <limits>

namespace {

// Kinds that are two sides of one thing share a topic: the newer replaces the older, here and on the desktop.
int topicOf(NoticeKind kind)
{
    switch (kind) {
    case NoticeKind::ServiceUnavailable:
    case NoticeKind::ServiceBack:
    case NoticeKind::PortHeld:
        return static_cast<int>(NoticeKind::ServiceUnavailable);
    default:
        return static_cast<int>(kind);
    }
}

bool isOutage(AppState state)
{
    return state == AppState::AgentUnavailable || state == AppState::PortHeldByOther;
}

} // namespace

StatusNotices::StatusNotices(StatusModel* statusModel, QObject* parent) : QObject(parent), model(statusModel)
{
    auto monotonic = std::make_shared<QElapsedTimer>();
    monotonic->start();
    now = [monotonic] {
        return monotonic->elapsed();
    };
    connect(model, &StatusModel::changed, this, &StatusNotices::statusChanged);
}

void StatusNotices::setClock(std::function<qint64()> clock)
{
    now = std::move(clock);
}

void StatusNotices::statusChanged(const Status& previous, const Status& current)
{
    const bool outage = isOutage(current.state);
    if (outage && !isOutage(previous.state) && !unavailableTimer && !unavailableTold) {
        unavailableTimer = startNamedSingleShot(this, unavailableNoticeDelayMs,
                                                QStringLiteral("unavailableNoticeTimer"), [this] { outageLasted(); });
    }
    if (!outage) {
        // Back within the grace period: the user never needed to hear about it.
        delete unavailableTimer;
        if (unavailableTold && current.state != AppState::Connecting) {
            unavailableTold = false;
            tell(NoticeKind::ServiceBack, tr("The application service is available again."));
        }
    }

    if (previous.state == AppState::ApprovalPending && current.enrolled)
        tell(NoticeKind::EnrollmentApproved, tr("Your administrator approved this device."));

    // A drop is news only when both ends are known: a lost link says nothing about the tunnel.
    if (current.protection == Protection::Off && !model->userAskedForOff()) {
        if (previous.protection == Protection::On)
            tell(NoticeKind::ProtectionDropped, tr("Secure Access is now off."));
        else if (previous.protection == Protection::Connecting)
            tell(NoticeKind::ProtectionDropped, tr("Secure Access stopped connecting."));
    }
}

void StatusNotices::outageLasted()
{
    unavailableTold = true;
    // The port held by another user is not fixed by waiting: the notice says who can fix it.
    if (model->current().state == AppState::PortHeldByOther)
        tell(NoticeKind::PortHeld, StatusWords::nextStep(model->current()));
    else
        tell(NoticeKind::ServiceUnavailable, tr("The application service is unavailable. Retrying every %n seconds.",
                                                nullptr, tcpsocket::retryDelayMs / 1000));
}

void StatusNotices::tell(NoticeKind kind, const QString& text)
{
    const int topic = topicOf(kind);
    const qint64 at = now();
    const auto last = lastTold.constFind(static_cast<int>(kind));
    if (last == lastTold.constEnd() || at - *last >= sameKindIntervalMs) {
        // Newer news of the topic: whatever waited is out of date.
        held.remove(topic);
        delete holdTimers.value(topic);
        lastTold.insert(static_cast<int>(kind), at);
        lastKindOf.insert(topic, kind);
        emit notice(kind, text);
        return;
    }
    held.insert(topic, {kind, text});
    delete holdTimers.value(topic);
    const qint64 wait = qBound<qint64>(0, sameKindIntervalMs - (at - *last), std::numeric_limits<int>::max());
    holdTimers.insert(topic, startNamedSingleShot(this, static_cast<int>(wait), QStringLiteral("noticeHoldTimer"),
                                                  [this, topic] { tellHeld(topic); }));
}

void StatusNotices::tellHeld(int topic)
{
    const Held waiting = held.take(topic);
    // An outage over before its turn came leaves the user where they last heard: nothing to say. Every drop is news.
    if (waiting.kind != NoticeKind::ProtectionDropped && lastKindOf.value(topic) == waiting.kind)
        return;
    lastTold.insert(static_cast<int>(waiting.kind), now());
    lastKindOf.insert(topic, waiting.kind);
    emit notice(waiting.kind, waiting.text);
}
