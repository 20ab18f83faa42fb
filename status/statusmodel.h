#pragma once

#include "agent/records.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class QTimer;

// What the user most needs to know, in one word: the tray, the notices and the home screen's headline all read it.
enum class AppState
{
    AgentUnavailable,
    PortHeldByOther,
    NotEnrolled,
    ApprovalPending,
    SignInNeeded,
    SecureAccessOff,
    Connecting,
    On,
    NeedsAttention,
};

// Why an enrolled device needs attention; the first in this order wins when several hold.
enum class Attention
{
    None,
    NetworkBlocked,
    NetworkBlockAhead,
    RestartRequired,
    DeviceIsolated,
    ComplianceFindings,
    ControlLockedOff,
};

// How far along Connecting is, for its words.
enum class Progress
{
    None,
    StartingLink,
    FetchingInformation,
    Connecting,
    Disconnecting,
};

enum class LinkStatus
{
    Starting,
    Up,
    Down,
    Refused,
};

enum class NetworkAccess
{
    Open,
    Blocked,
    BlockAhead,
};

// Whether the tunnel carries the user's traffic; Unknown while the agent cannot be heard.
enum class Protection
{
    Unknown,
    Off,
    Connecting,
    On,
};

struct Status
{
    AppState state = AppState::Connecting;
    Attention attention = Attention::None;
    Progress progress = Progress::StartingLink;
    Protection protection = Protection::Unknown;
    // The gateway carrying the tunnel, or empty.
    QString gateway;
    bool alreadyInNetwork = false;
    // The Secure Access switch can be moved by the user, and which side it shows.
    bool switchUsable = false;
    bool switchOn = false;
    bool enrolled = false;

    // The agent cannot be heard: nothing it said before describes now.
    bool agentUnheard() const { return state == AppState::AgentUnavailable || state == AppState::PortHeldByOther; }

    bool operator==(const Status& other) const;
    bool operator!=(const Status& other) const { return !(*this == other); }
};

// Everything the state is derived from besides the snapshot.
struct StatusConditions
{
    LinkStatus link = LinkStatus::Starting;
    // A snapshot taken while the link is up; an older one says nothing about now.
    bool snapshotCurrent = false;
    NetworkAccess networkAccess = NetworkAccess::Open;
    bool restartRequired = false;
};

// One state for the whole window, fed by the message path and the link. The snapshot it reads is the one the home
// screen shows, so the window and the tray never disagree.
class StatusModel : public QObject
{
    Q_OBJECT
public:
    explicit StatusModel(QObject* parent = nullptr);

    static Status derive(const StatusConditions& conditions, const AgentInfo* snapshot);

    const Status& current() const { return status; }
    // The last state known while the agent could be heard; empty before the first snapshot.
    const std::optional<Status>& lastKnown() const { return lastHeard; }
    bool userAskedForOff() const { return offAsked; }
    NetworkAccess networkAccess() const { return conditions.networkAccess; }
    LinkStatus link() const { return conditions.link; }

    void setLink(LinkStatus link);
    void setSnapshot(const AgentInfo& snapshot);
    // A network-access notice: blocked, open again, or blocked from a time on (seconds since the epoch).
    void setNetworkAccess(NetworkAccess access, qint64 blockTime = 0);
    void setRestartRequired(bool required);
    // The user moved the switch (or its tray item): a drop that follows is theirs, not news.
    void noteUserRequest(bool secureAccessOn);

signals:
    void changed(const Status& previous, const Status& now);

private:
    void update();

    StatusConditions conditions;
    std::optional<AgentInfo> snapshot;
    Status status;
    std::optional<Status> lastHeard;
    bool offAsked = false;
    QPointer<QTimer> blockAheadTimer;
};
