#include "connectionwalker.h"

#include "agentstate.h"
#include "catalog.h"
#include "simclock.h"

#include <memory>

namespace agentsim {

namespace {
enum Status
{
    Connecting = 1,
    Connected = 2,
    Disconnecting = 3,
    NotConnected = 4,
    InNetwork = 5
};
enum Phase
{
    Idle = 0,
    Discovery = 1,
    FetchingGateway = 2,
    CheckingReachability = 3,
    FetchingProfile = 4,
    AlreadyInNetwork = 5,
    CreatingSession = 6,
    SessionTimeout = 7,
    SessionUp = 8
};
} // namespace

ConnectionWalker::ConnectionWalker(const SimClock& clock, AgentState& state, std::function<void()> changed,
                                   QObject* parent)
    : QObject(parent), m_clock(clock), m_state(state), m_changed(std::move(changed))
{}

void ConnectionWalker::configure(const NetworkProfile& network, qint64 stepMs, const QString& result,
                                 GatewayPicker picker)
{
    m_network = network;
    m_stepMs = stepMs;
    m_result = result;
    m_picker = std::move(picker);
}

bool ConnectionWalker::isUp() const
{
    const int status = m_state.secconn.status;
    return status == Connecting || status == Connected || status == InNetwork;
}

bool ConnectionWalker::isConnected() const
{
    return m_state.secconn.status == Connected;
}

int ConnectionWalker::uptimeSecs() const
{
    if (!isConnected() || m_connectedAt < 0)
        return 0;
    return int((m_clock.nowMs() - m_connectedAt) / 1000);
}

void ConnectionWalker::fillLocalAddresses()
{
    AgentState::Secconn& s = m_state.secconn;
    s.intfName = m_network.intfName;
    s.privateIp = m_network.privateIp;
    s.privatePort = m_network.privatePort;
    s.publicIp = m_network.publicIp;
    s.publicPort = m_network.publicPort;
}

void ConnectionWalker::setFullTunnel(bool full)
{
    m_network.fullTunnel = full;
    if (isConnected())
        m_state.secconn.fullTunnelEnabled = full;
}

bool ConnectionWalker::fillGateway()
{
    const Gateway* gateway = m_picker ? m_picker() : nullptr;
    if (!gateway)
        return false;
    AgentState::Secconn& s = m_state.secconn;
    s.pagName = gateway->name;
    s.pagIp = gateway->ip;
    s.pagPort = gateway->port;
    s.tryMe = gateway->tryMe;
    return true;
}

void ConnectionWalker::fillSession()
{
    AgentState::Secconn& s = m_state.secconn;
    s.tunnelIp = m_network.tunnelIp;
    s.fullTunnelEnabled = m_network.fullTunnel;
    s.rttMs = 38;
    s.jitterMs = 4;
    s.lossPercent = 0.2;
    m_connectedAt = m_clock.nowMs();
}

void ConnectionWalker::clearTunnel()
{
    AgentState::Secconn& s = m_state.secconn;
    s.pagName.clear();
    s.pagIp.clear();
    s.pagPort = 0;
    s.tryMe.clear();
    s.tunnelIp.clear();
    s.fullTunnelEnabled = false;
    s.tunnelUptime = 0;
    s.rttMs = 0;
    s.jitterMs = 0;
    s.lossPercent = 0;
    m_connectedAt = -1;
}

void ConnectionWalker::run(const QVector<Step>& steps)
{
    runFrom(steps, 0, ++m_generation);
}

void ConnectionWalker::runFrom(const QVector<Step>& steps, int index, quint64 generation)
{
    if (generation != m_generation || index >= steps.size())
        return;
    steps.at(index)();
    m_changed();
    if (index + 1 < steps.size())
        m_clock.after(m_stepMs, this, [this, steps, index, generation] { runFrom(steps, index + 1, generation); });
}

void ConnectionWalker::switchOn()
{
    if (isUp())
        return;
    AgentState::Secconn& s = m_state.secconn;
    // Every step after a failed gateway lookup does nothing: the walk ends in a session timeout there.
    auto failed = std::make_shared<bool>(false);
    QVector<Step> steps;
    steps << [&s] {
        s.status = Connecting;
        s.state = Discovery;
    };
    steps << [&s] {
        s.state = FetchingGateway;
    };
    steps << [this, &s, failed] {
        if (fillGateway()) {
            s.state = CheckingReachability;
            return;
        }
        *failed = true;
        s.state = SessionTimeout;
        s.status = NotConnected;
        clearTunnel();
    };
    if (m_result == QLatin1String("in_network")) {
        steps << [this, &s, failed] {
            if (*failed)
                return;
            clearTunnel();
            s.state = AlreadyInNetwork;
            s.status = InNetwork;
        };
        run(steps);
        return;
    }
    steps << [&s, failed] {
        if (!*failed)
            s.state = FetchingProfile;
    };
    steps << [&s, failed] {
        if (!*failed)
            s.state = CreatingSession;
    };
    if (m_result == QLatin1String("timeout")) {
        steps << [this, &s, failed] {
            if (*failed)
                return;
            clearTunnel();
            s.state = SessionTimeout;
            s.status = NotConnected;
        };
    } else {
        steps << [this, &s, failed] {
            if (*failed)
                return;
            fillSession();
            s.state = SessionUp;
            s.status = Connected;
        };
    }
    run(steps);
}

void ConnectionWalker::switchOff()
{
    AgentState::Secconn& s = m_state.secconn;
    if (s.status == NotConnected || s.status == Disconnecting)
        return;
    QVector<Step> steps;
    steps << [&s] {
        s.status = Disconnecting;
    };
    steps << [this, &s] {
        clearTunnel();
        s.status = NotConnected;
        s.state = Idle;
    };
    run(steps);
}

void ConnectionWalker::reroute()
{
    if (!isConnected())
        return;
    AgentState::Secconn& s = m_state.secconn;
    QVector<Step> steps;
    steps << [&s] {
        s.status = Connecting;
        s.state = FetchingGateway;
    };
    steps << [this, &s] {
        if (fillGateway()) {
            s.state = CheckingReachability;
            return;
        }
        clearTunnel();
        s.state = SessionTimeout;
        s.status = NotConnected;
    };
    steps << [&s] {
        if (s.status == Connecting)
            s.state = CreatingSession;
    };
    steps << [this, &s] {
        if (s.status != Connecting)
            return;
        fillSession();
        s.state = SessionUp;
        s.status = Connected;
    };
    run(steps);
}

void ConnectionWalker::connectNow()
{
    ++m_generation;
    AgentState::Secconn& s = m_state.secconn;
    if (!fillGateway()) {
        s.status = NotConnected;
        s.state = Idle;
        return;
    }
    fillSession();
    s.state = SessionUp;
    s.status = Connected;
}

void ConnectionWalker::dropNow()
{
    ++m_generation;
    clearTunnel();
    m_state.secconn.status = NotConnected;
    m_state.secconn.state = Idle;
}

} // namespace agentsim
