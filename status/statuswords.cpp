#include "status/statuswords.h"

#include "agent/tcpsocket.h"
#include "app/brandprofile.h"

namespace {

QString attentionWords(Attention attention)
{
    switch (attention) {
    case Attention::NetworkBlocked:
        return StatusWords::tr("Network access blocked");
    case Attention::NetworkBlockAhead:
        return StatusWords::tr("Network access about to be blocked");
    case Attention::RestartRequired:
        return StatusWords::tr("Restart required");
    case Attention::DeviceIsolated:
        return StatusWords::tr("Device isolated");
    case Attention::ComplianceFindings:
        return StatusWords::tr("Compliance findings to review");
    case Attention::ControlLockedOff:
        return StatusWords::tr("Secure Access turned off by your administrator");
    case Attention::None:
        break;
    }
    return QString();
}

} // namespace

QString StatusWords::state(const Status& status)
{
    switch (status.state) {
    case AppState::AgentUnavailable:
        return tr("Application service unavailable");
    case AppState::PortHeldByOther:
        return tr("Application service port held by another user");
    case AppState::NotEnrolled:
        return tr("Device not enrolled");
    case AppState::ApprovalPending:
        return tr("Waiting for administrator approval");
    case AppState::SignInNeeded:
        return tr("Sign-in needed");
    case AppState::SecureAccessOff:
        return tr("Secure Access off");
    case AppState::Connecting:
        switch (status.progress) {
        case Progress::StartingLink:
            return tr("Contacting the application service");
        case Progress::FetchingInformation:
            return tr("Fetching information");
        case Progress::Disconnecting:
            return tr("Secure Access disconnecting");
        case Progress::Connecting:
        case Progress::None:
            break;
        }
        return tr("Secure Access connecting");
    case AppState::On:
        return tr("Secure Access on");
    case AppState::NeedsAttention:
        return tr("Needs attention");
    }
    return QString();
}

QString StatusWords::detail(const Status& status)
{
    switch (status.state) {
    case AppState::AgentUnavailable:
        return tr("retrying");
    case AppState::On:
        return status.alreadyInNetwork ? tr("already in the network") : status.gateway;
    case AppState::NeedsAttention:
        return attentionWords(status.attention);
    default:
        return QString();
    }
}

QString StatusWords::summary(const Status& status)
{
    const QString shownDetail = detail(status);
    return shownDetail.isEmpty() ? state(status) : tr("%1 · %2").arg(state(status), shownDetail);
}

QString StatusWords::toolTip(const Status& status)
{
    return brand().displayName + QLatin1Char('\n') + summary(status);
}

QString StatusWords::nextStep(const Status& status)
{
    switch (status.state) {
    case AppState::AgentUnavailable:
        return tr("Retrying every %n seconds.", nullptr, tcpsocket::retryDelayMs / 1000);
    case AppState::PortHeldByOther:
        return tr("Ask your administrator to check the application service.");
    case AppState::NeedsAttention:
        switch (status.attention) {
        case Attention::NetworkBlocked:
        case Attention::NetworkBlockAhead:
        case Attention::ComplianceFindings:
            return tr("Open Settings, then Notifications, to see the compliance details.");
        case Attention::RestartRequired:
            return tr("Restart the computer to finish.");
        case Attention::DeviceIsolated:
        case Attention::ControlLockedOff:
            return tr("Ask your administrator for help.");
        case Attention::None:
            break;
        }
        break;
    default:
        break;
    }
    return QString();
}
