#pragma once

#include <QJsonObject>
#include <QString>

namespace agentsim {

// Everything the "agentinfo" snapshot carries, as plain values. The wire layout (nested keys) is defined once,
// in agentstate.cpp, and used both to write snapshots and to read the starting state of a scenario.
struct AgentState
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
    bool notifyViolation = false;
    int userIdMethod = 0;
    int deactCfg = 1;
    bool agentIsolated = false;
    bool forcedSignin = false;

    struct Secconn
    {
        bool enabled = false;
        int status = 4; // 1 connecting, 2 connected, 3 disconnecting, 4 not connected, 5 already in the network
        bool userControlDisabled = false;
        int state = 0; // connection phase 1..8, 0 while idle
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
        // Link quality figures: real agents send them; the UI does not read them.
        int rttMs = 0;
        int jitterMs = 0;
        double lossPercent = 0;
    } secconn;

    QJsonObject toJson() const;
    // Overwrites the fields present in `agentinfo` (snapshot layout, any subset). Unknown keys and wrong types are
    // errors; on error nothing is changed.
    bool apply(const QJsonObject& agentinfo, QString* error);
};

} // namespace agentsim
