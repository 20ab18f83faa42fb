#include "status/statusmodel.h"

#include "app/brandprofile.h"
#include "app/namedtimer.h"
#include "mainwindow/secconnstatus.h"

#include <QDateTime>
#include <QTimer>
#include <limits>

bool Status::operator==(const Status& other) const
{
    return state == other.state && attention == other.attention && progress == other.progress &&
           protection == other.protection && gateway == other.gateway && alreadyInNetwork == other.alreadyInNetwork &&
           switchUsable == other.switchUsable && switchOn == other.switchOn && enrolled == other.enrolled;
}

StatusModel::StatusModel(QObject* parent) : QObject(parent) {}

namespace {

void readConnection(const SecconnInfo& secconn, Status& status)
{
    if (!secconn.enabled) {
        status.protection = Protection::Off;
        return;
    }
    status.switchUsable = !secconn.userControlDisabled;
    switch (secconn.status) {
    case SecconnStatus::connecting:
        status.protection = Protection::Connecting;
        status.progress = Progress::Connecting;
        status.switchOn = true;
        break;
    case SecconnStatus::connected:
        status.protection = Protection::On;
        status.switchOn = true;
        break;
    case SecconnStatus::disconnecting:
        // Traffic still goes through the tunnel until the agent reports it gone.
        status.protection = Protection::On;
        status.progress = Progress::Disconnecting;
        status.switchOn = true;
        break;
    case SecconnStatus::alreadyInNetwork:
        status.protection = Protection::On;
        status.alreadyInNetwork = true;
        status.switchOn = true;
        break;
    default:
        status.protection = Protection::Off;
        break;
    }
    if (status.protection == Protection::On && !status.alreadyInNetwork)
        status.gateway = secconn.pagName;
}

Attention attentionOf(const StatusConditions& conditions, const AgentInfo& snapshot, const Status& status)
{
    if (conditions.networkAccess == NetworkAccess::Blocked)
        return Attention::NetworkBlocked;
    if (conditions.restartRequired)
        return Attention::RestartRequired;
    if (conditions.networkAccess == NetworkAccess::BlockAhead)
        return Attention::NetworkBlockAhead;
    if (snapshot.edrEnabled && snapshot.agentIsolated)
        return Attention::DeviceIsolated;
    if (snapshot.notifyViolation)
        return Attention::ComplianceFindings;
    // Locked on is what the administrator wants and protects the user; locked off leaves them without it.
    if (snapshot.secconn.enabled && snapshot.secconn.userControlDisabled && status.protection == Protection::Off)
        return Attention::ControlLockedOff;
    return Attention::None;
}

} // namespace

Status StatusModel::derive(const StatusConditions& conditions, const AgentInfo* snapshot)
{
    Status status;
    switch (conditions.link) {
    case LinkStatus::Starting:
        return status;
    case LinkStatus::Down:
        status.state = AppState::AgentUnavailable;
        status.progress = Progress::None;
        return status;
    case LinkStatus::Refused:
        status.state = AppState::PortHeldByOther;
        status.progress = Progress::None;
        return status;
    case LinkStatus::Up:
        break;
    }
    status.progress = Progress::FetchingInformation;
    if (!snapshot || !conditions.snapshotCurrent)
        return status;
    status.progress = Progress::None;
    if (snapshot->activationState == 2) {
        status.state = AppState::ApprovalPending;
        return status;
    }
    if (snapshot->activationState != 1) {
        status.state = AppState::NotEnrolled;
        return status;
    }
    status.enrolled = true;
    // The home screen resets the connection while the agent gathers its data, and says it is fetching.
    if (!snapshot->dataAvailable) {
        status.progress = Progress::FetchingInformation;
        return status;
    }
    readConnection(snapshot->secconn, status);
    if (!brand().isServiceIdEdition() && snapshot->email.isEmpty() && snapshot->secconn.enabled &&
        snapshot->userIdMethod == 1) {
        status.state = AppState::SignInNeeded;
        return status;
    }
    status.attention = attentionOf(conditions, *snapshot, status);
    if (status.attention != Attention::None)
        status.state = AppState::NeedsAttention;
    else if (status.progress != Progress::None)
        status.state = AppState::Connecting;
    else if (status.protection == Protection::On)
        status.state = AppState::On;
    else
        status.state = AppState::SecureAccessOff;
    return status;
}

void StatusModel::setLink(LinkStatus link)
{
    conditions.link = link;
    // Whatever the agent said before the link went away may have changed since.
    if (link != LinkStatus::Up)
        conditions.snapshotCurrent = false;
    update();
}

void StatusModel::setSnapshot(const AgentInfo& latest)
{
    // Mostly the same snapshot again: nothing to copy then.
    if (!snapshot || !(*snapshot == latest))
        snapshot = latest;
    conditions.snapshotCurrent = conditions.link == LinkStatus::Up;
    update();
}

void StatusModel::setNetworkAccess(NetworkAccess access, qint64 blockTime)
{
    delete blockAheadTimer;
    conditions.networkAccess = access;
    if (access == NetworkAccess::BlockAhead) {
        // Past the announced time the warning is over, whether or not the agent says more.
        const qint64 wait =
            qBound<qint64>(0, (blockTime - QDateTime::currentSecsSinceEpoch()) * 1000, std::numeric_limits<int>::max());
        blockAheadTimer = startNamedSingleShot(this, static_cast<int>(wait), QStringLiteral("blockAheadTimer"), [this] {
            blockAheadTimer.clear();
            setNetworkAccess(NetworkAccess::Open);
        });
    }
    update();
}

void StatusModel::setRestartRequired(bool required)
{
    conditions.restartRequired = required;
    update();
}

void StatusModel::noteUserRequest(bool secureAccessOn)
{
    offAsked = !secureAccessOn;
}

void StatusModel::update()
{
    const Status now = derive(conditions, snapshot ? &*snapshot : nullptr);
    if (conditions.link == LinkStatus::Up && conditions.snapshotCurrent)
        lastHeard = now;
    if (now == status)
        return;
    const Status previous = status;
    status = now;
    emit changed(previous, now);
    // The user's wish is fulfilled once the tunnel is off; a later drop is news again.
    if (now.protection == Protection::Off)
        offAsked = false;
}
