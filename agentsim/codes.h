#pragma once

namespace agentsim {

// Outcome codes carried in "response"."type".
namespace Code {
enum : int
{
    Success = 0,
    InvalidActivationCode = 1,
    InvalidName = 2,
    InvalidEmail = 3,
    InvalidOtp = 4,
    OtpSent = 5,
    OtpResendBlocked = 6,
    OtpAttemptsBlocked = 7,
    ConnectivityFailure = 8,
    Activated = 9,
    UserRegistrationFailure = 10,
    SignOutFailed = 11,
    UserAssociationFailure = 12,
    FeedbackFailed = 13,
    ActivationAccepted = 14,
    AgentNotActivated = 15,
    DeactivationFailed = 16,
    PasswordRequired = 17,
    WrongPassword = 18,
    DeactivationNotAllowed = 19,
    AdminApprovalPending = 20,
    DuplicateDeviceName = 21,
    VerificationRequestFailed = 22,
    BrowserLaunch = 23,
    PagListingFailed = 24,
    NotSubscribed = 25,
    PagPreferenceFailed = 26,
    NetAccessNotice = 28,
    ViolationListFailed = 29,
    ActivationNotAllowed = 30,
    ActivationCodeExpired = 31,
    MaxDevicesReached = 32,
    ActivateQrThroughCode = 33,
    PeerListingFailed = 34,
    RebootRequired = 36
};
} // namespace Code

} // namespace agentsim
