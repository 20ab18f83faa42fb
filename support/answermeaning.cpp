#include "support/answermeaning.h"

#include "agent/records.h"

QString answerMeaning(int code)
{
    switch (code) {
    case Success:
        return QStringLiteral("success");
    case InvalidActivationCode:
        return QStringLiteral("invalid activation code");
    case InvalidName:
        return QStringLiteral("invalid device name");
    case InvalidEmail:
        return QStringLiteral("invalid email address");
    case InvalidOtp:
        return QStringLiteral("invalid one-time password");
    case OtpSent:
        return QStringLiteral("one-time password sent");
    case OtpResendBlocked:
        return QStringLiteral("one-time password resend blocked for now");
    case OtpAttemptsBlocked:
        return QStringLiteral("too many one-time password attempts, blocked for now");
    case ConnectivityFailure:
        return QStringLiteral("the agent could not reach its servers");
    case Activated:
        return QStringLiteral("activated");
    case UserRegistrationFailure:
        return QStringLiteral("email registration failed");
    case SignOutFailed:
        return QStringLiteral("sign-out failed");
    case UserAssociationFailure:
        return QStringLiteral("user association failed");
    case FeedbackFailed:
        return QStringLiteral("feedback not filed");
    case ActivationAccepted:
        return QStringLiteral("activation accepted");
    case AgentNotActivated:
        return QStringLiteral("the device is not activated");
    case DeactivationFailed:
        return QStringLiteral("deactivation failed");
    case PasswordRequired:
        return QStringLiteral("deactivation password required");
    case WrongPassword:
        return QStringLiteral("wrong deactivation password");
    case DeactivationNotAllowed:
        return QStringLiteral("deactivation not allowed");
    case AdminApprovalPending:
        return QStringLiteral("waiting for the administrator's approval");
    case DuplicateDeviceName:
        return QStringLiteral("device name already in use");
    case VerificationRequestFailed:
        return QStringLiteral("verification request failed");
    case BrowserLaunch:
        return QStringLiteral("sign in through the browser");
    case PagListingFailed:
        return QStringLiteral("gateway listing failed");
    case NotSubscribed:
        return QStringLiteral("not subscribed to secure connection");
    case PagPreferenceFailed:
        return QStringLiteral("gateway preference not set");
    case NetAccessNotice:
        return QStringLiteral("network access notice");
    case ViolationListFailed:
        return QStringLiteral("compliance findings listing failed");
    case ActivationNotAllowed:
        return QStringLiteral("activation not allowed");
    case ActivationCodeExpired:
        return QStringLiteral("activation code expired");
    case MaxDevicesReached:
        return QStringLiteral("the account has its most devices");
    case ActivateQrThroughCode:
        return QStringLiteral("activate with the QR code's activation code");
    case PeerListingFailed:
        return QStringLiteral("peer device listing failed");
    case RebootRequired:
        return QStringLiteral("restart required");
    default:
        return QStringLiteral("unknown to this window");
    }
}

bool isFailureAnswer(int code)
{
    switch (code) {
    case InvalidActivationCode:
    case InvalidName:
    case InvalidEmail:
    case InvalidOtp:
    case OtpResendBlocked:
    case OtpAttemptsBlocked:
    case ConnectivityFailure:
    case UserRegistrationFailure:
    case SignOutFailed:
    case UserAssociationFailure:
    case FeedbackFailed:
    case DeactivationFailed:
    case WrongPassword:
    case DeactivationNotAllowed:
    case DuplicateDeviceName:
    case VerificationRequestFailed:
    case PagListingFailed:
    case NotSubscribed:
    case PagPreferenceFailed:
    case ViolationListFailed:
    case ActivationNotAllowed:
    case ActivationCodeExpired:
    case MaxDevicesReached:
    case PeerListingFailed:
        return true;
    default:
        return false;
    }
}
