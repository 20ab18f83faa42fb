#pragma once

#include "scenario.h"

#include <QObject>
#include <QVector>
#include <functional>

namespace agentsim {

struct AgentState;
struct Gateway;
class SimClock;

// Walks the secure connection through its phases the way an agent does: "state" 1 to 8 with "status" 1 then 2
// when switching on, "status" 3 then 4 when switching off, one phase per step. A newer switch cancels the
// remaining steps of an older one.
class ConnectionWalker : public QObject
{
    Q_OBJECT

public:
    using GatewayPicker = std::function<const Gateway*()>;

    ConnectionWalker(const SimClock& clock, AgentState& state, std::function<void()> changed,
                     QObject* parent = nullptr);

    void configure(const NetworkProfile& network, qint64 stepMs, const QString& result, GatewayPicker picker);

    bool isUp() const;        // connected, connecting or already in the network
    bool isConnected() const; // the tunnel is established
    int uptimeSecs() const;

    void switchOn();
    void switchOff();
    // Moves an established tunnel to the gateway the picker now returns.
    void reroute();
    // Connected at once, without phases (a scenario that starts connected).
    void connectNow();
    // Torn down at once; the caller reports the change.
    void dropNow();
    void fillLocalAddresses();
    // Full or split tunnel from now on; an established tunnel changes at once.
    void setFullTunnel(bool full);

private:
    using Step = std::function<void()>;
    void run(const QVector<Step>& steps);
    void runFrom(const QVector<Step>& steps, int index, quint64 generation);
    bool fillGateway();
    void fillSession();
    void clearTunnel();

    const SimClock& m_clock;
    AgentState& m_state;
    std::function<void()> m_changed;
    NetworkProfile m_network;
    qint64 m_stepMs = 700;
    QString m_result;
    GatewayPicker m_picker;
    quint64 m_generation = 0;
    qint64 m_connectedAt = -1;
};

} // namespace agentsim
