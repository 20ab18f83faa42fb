#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <array>
#include <tuple>

// Plain values that carry agent data between the agent link and the screens. They are copied through direct
// signal-slot connections on the GUI thread only, so none of them is registered as a meta-type.

struct ActivationReq
{
    int actType = 0;
    QString actCode;
    QString actCodeName;
    QString qrCode;
    QString serviceId;
    QString email;
    QString emailName;
    int otp = -1; // -1: no one-time password yet
};

struct QRActivationReq
{
    QString qrCode;
    QString serviceId;
};

struct PAG
{
    QString id;
    int type = 0;
};

struct PagEntry
{
    QString id;
    int type = 0;
    QString name;
    QString location;
    int status = 0;
    QString city;
    QString region;
    QString country;
    double latitude = 0.0;
    double longitude = 0.0;
    int replicaNumber = 0;
};

struct PeerEntry
{
    QString caname;
    QString drname;
    QString addr;
};

struct ViolationAttribute
{
    QString vendor;
    QString version;
    QString command;
    QString protocol;
    QString condition;
    QString key;
    QString value;
};

struct ViolationItem
{
    QString name;
    QString path;
    QList<ViolationAttribute> attributes;
};

struct ViolationUnit
{
    QString condition;
    QList<ViolationItem> items;
};

// The compliance categories, in the order in which the agent's listing is read and shown.
enum class ViolationCategory
{
    Programs,
    Processes,
    Ports,
    NetworkInterfaces,
    OsInfo,
    HardwareInfo,
    Registry,
    Firewall,
    ClientCertificates,
    TrustedCertificates,
    ManagedCertificates,
    Vpn,
    Antivirus,
    Files,
    AutorunPrograms,
    SmbShares,
};
constexpr int violationCategoryCount = 16;

// The agent may send any number as an outcome; a fixed underlying type makes every int a valid value, so code that
// switches over one it does not know takes the default branch instead of undefined behaviour.
enum ResponseType : int
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
    RebootRequired = 36,
};

struct Response
{
    int code = Success;
    QString ticketId;
    qint64 regNextAttempt = 0;
    qint64 regOtpValidity = 0;
    qint64 userActNextAttempt = 0;
    QString browserLaunchUrl;
    QList<PagEntry> pags;
    int netAccessType = 0;
    qint64 blockTime = 0;
    QString blockedSubnets;
    std::array<QList<ViolationUnit>, violationCategoryCount> violations;
    QString qrCode;
    QList<PeerEntry> peers;
    qint64 actNextAttempt = 0;
    qint64 actOtpValidity = 0;

    const QList<ViolationUnit>& violationsOf(ViolationCategory category) const
    {
        return violations[static_cast<int>(category)];
    }
};

struct SecconnInfo
{
    bool enabled = false;
    int status = 0;
    bool userControlDisabled = false;
    int state = 0;
    QString privateIp;
    int privatePort = 0;
    QString publicIp;
    int publicPort = 0;
    QString intfName;
    QString pagName;
    QString pagIp;
    int pagPort = 0;
    QString tryMe;
    QString tunnelIp;
    bool fullTunnelEnabled = false;
    int tunnelUptime = 0;
    bool pagSelectionAllowed = false;
    bool peerDiscoveryAllowed = false;

    bool operator==(const SecconnInfo& other) const;
    bool operator!=(const SecconnInfo& other) const { return !(*this == other); }

private:
    auto fields() const
    {
        return std::tie(enabled, status, userControlDisabled, state, privateIp, privatePort, publicIp, publicPort,
                        intfName, pagName, pagIp, pagPort, tryMe, tunnelIp, fullTunnelEnabled, tunnelUptime,
                        pagSelectionAllowed, peerDiscoveryAllowed);
    }
};

inline bool SecconnInfo::operator==(const SecconnInfo& other) const
{
    return fields() == other.fields();
}

struct AgentInfo
{
    int activationState = 0; // 0 not activated, 1 activated, 2 waiting for administrator approval
    QString email;
    int adAuthState = 0;
    QString prefPagId;
    int prefPagType = 0;
    QString entName;
    QString devName;
    bool dataAvailable = false;
    bool edrEnabled = false;
    int edrStatus = 0;
    bool dpmEnabled = false;
    SecconnInfo secconn;
    bool notifyViolation = false;
    int userIdMethod = 0;
    int deactCfg = 0;
    bool agentIsolated = false;
    bool forcedSignin = false;

    // Snapshots arrive many times a second and mostly repeat the one before.
    bool operator==(const AgentInfo& other) const;
    bool operator!=(const AgentInfo& other) const { return !(*this == other); }

private:
    auto fields() const
    {
        return std::tie(activationState, email, adAuthState, prefPagId, prefPagType, entName, devName, dataAvailable,
                        edrEnabled, edrStatus, dpmEnabled, secconn, notifyViolation, userIdMethod, deactCfg,
                        agentIsolated, forcedSignin);
    }
};

inline bool AgentInfo::operator==(const AgentInfo& other) const
{
    return fields() == other.fields();
}
