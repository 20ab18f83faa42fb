#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace agentsim {

struct OtpPolicy
{
    QString code; // empty: a random six-digit code per issue
    int validitySecs = 300;
    int resendWaitSecs = 30;
    int maxAttempts = 3;
    int blockSecs = 90;
};

struct NetworkProfile
{
    QString intfName;
    QString privateIp;
    int privatePort = 0;
    QString publicIp;
    int publicPort = 0;
    QString tunnelIp;
    bool fullTunnel = false;
};

struct ScheduledCommand
{
    qint64 atMs = 0;
    QString command;
};

// A scenario: the starting state of the simulated agent and how it answers. Every scenario is laid over the
// built-in default scenario (objects merge key by key, arrays and values replace), so a file names only what it
// changes. Loading checks every key and type and reports the first problems with their paths.
struct Scenario
{
    QString name;
    QString description;
    int port = 0;           // 0: the caller's default
    qint64 dataDelayMs = 0; // < 0: data never arrives on its own

    QJsonObject initialState; // "agentinfo" layout
    QString entName;
    QStringList emailDomains;   // empty: any domain
    QJsonObject enterpriseInfo; // "agentinfo" layout, applied on activation

    NetworkProfile network;

    QMap<QString, int> activationCodes; // upper-case code -> outcome code
    QStringList takenDeviceNames;       // lower case
    qint64 approvalDelayMs = 0;         // 0: approval only by console command
    QString qrBaseUrl;
    qint64 qrScanDelayMs = 0;
    bool qrBackslashes = false;

    OtpPolicy otp;

    int adResult = 3;
    qint64 adDelayMs = 0;
    QString browserUrl;

    QString deactivationPassword;

    qint64 stepMs = 700;
    QString connectResult; // "connected", "in_network" or "timeout"
    QString autoGateway;

    QJsonObject outcomes;
    QString ticketPrefix;
    int firstTicket = 1;

    QJsonArray gateways;
    QJsonObject violations;
    QJsonArray peers;

    QList<ScheduledCommand> events;

    static QStringList builtinNames();
    // A file path, or the name of a built-in scenario.
    static std::optional<Scenario> load(const QString& fileOrName, QString* error);
    static std::optional<Scenario> fromOverlay(const QJsonObject& overlay, const QString& name, QString* error);
    static QJsonObject merged(const QJsonObject& base, const QJsonObject& overlay);
};

} // namespace agentsim
