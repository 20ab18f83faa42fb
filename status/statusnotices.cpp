#include "status/statusnotices.h"

#include "agent/tcpsocket.h"
#include "app/namedtimer.h"

#include <QTimer>

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
    const bool unavailable = current.state == AppState::AgentUnavailable;
    const bool wasUnavailable = previous.state == AppState::AgentUnavailable;
    if (unavailable && !wasUnavailable && !unavailableTimer && !unavailableTold) {
        unavailableTimer =
            startNamedSingleShot(this, unavailableNoticeDelayMs, QStringLiteral("unavailableNoticeTimer"), [this] {
                unavailableTold = true;
                tell(Kind::ServiceUnavailable, tr("The application service is unavailable. Retrying every %n seconds.",
                                                  nullptr, tcpsocket::retryDelayMs / 1000));
            });
    }
    if (!unavailable && current.state != AppState::PortHeldByOther) {
        // Back within the grace period: the user never needed to hear about it.
        delete unavailableTimer;
        if (unavailableTold && current.state != AppState::Connecting) {
            unavailableTold = false;
            tell(Kind::ServiceBack, tr("The application service is available again."));
        }
    }

    if (previous.state == AppState::ApprovalPending && current.enrolled)
        tell(Kind::EnrollmentApproved, tr("Your administrator approved this device."));

    // A drop is news only when both ends are known: a lost link says nothing about the tunnel.
    if (current.protection == Protection::Off && !model->userAskedForOff()) {
        if (previous.protection == Protection::On)
            tell(Kind::ProtectionDropped, tr("Secure Access is now off."));
        else if (previous.protection == Protection::Connecting)
            tell(Kind::ProtectionDropped, tr("Secure Access stopped connecting."));
    }
}

void StatusNotices::tell(Kind kind, const QString& text)
{
    const qint64 at = now();
    const auto last = lastTold.constFind(static_cast<int>(kind));
    if (last != lastTold.constEnd() && at - *last < sameKindIntervalMs)
        return;
    lastTold.insert(static_cast<int>(kind), at);
    emit notice(text);
}
