#pragma once

#include "commands.h"
#include "eventlog.h"
#include "scenario.h"
#include "simagent.h"
#include "simclock.h"
#include "simserver.h"

#include <QBuffer>
#include <QJsonObject>
#include <QList>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <optional>

// A protocol client over a plain socket, as the application would be one: lines out, lines in.
class TestClient : public QObject
{
    Q_OBJECT

public:
    explicit TestClient(QObject* parent = nullptr);

    bool connectTo(quint16 port);
    void sendRaw(const QByteArray& bytes);
    void send(const QJsonObject& request);
    void sendLine(const char* json) { sendRaw(QByteArray(json) + '\n'); }
    void subscribe(const QString& user = QStringLiteral("jdoe"));

    // The oldest message not yet taken, waiting up to timeoutMs for one.
    std::optional<QJsonObject> next(int timeoutMs = 3000);
    // Takes messages until one matches; the others are dropped.
    std::optional<QJsonObject> waitFor(const std::function<bool(const QJsonObject&)>& match, int timeoutMs = 3000);
    // True when no message arrives within ms.
    bool quietFor(int ms);
    void drain() { m_inbox.clear(); }

    const QList<QByteArray>& rawLines() const { return m_raw; }
    QTcpSocket& socket() { return m_socket; }

private:
    void readLines();

    QTcpSocket m_socket;
    QList<QJsonObject> m_inbox;
    QList<QByteArray> m_raw;
};

// One simulator in this process, listening on a free loopback port.
class Harness
{
public:
    explicit Harness(const QString& scenarioName, double speed = 200, const QJsonObject& overlay = {});

    bool ok() const { return m_server != nullptr; }
    quint16 port() const { return m_server->port(); }
    agentsim::SimAgent& agent() { return *m_agent; }
    agentsim::SimServer& server() { return *m_server; }
    QString run(const QString& command) { return m_commands->run(command); }
    QList<QJsonObject> logEntries(const QString& kind) const;
    QString error() const { return m_error; }

private:
    QBuffer m_logBuffer;
    agentsim::EventLog m_log;
    std::unique_ptr<agentsim::SimClock> m_clock;
    std::unique_ptr<agentsim::SimAgent> m_agent;
    std::unique_ptr<agentsim::SimServer> m_server;
    std::unique_ptr<agentsim::Commands> m_commands;
    QString m_error;
};

// Every path and JSON type of the snapshot that the application reads; empty when all are there.
QString snapshotProblems(const QJsonObject& agentinfo);
QJsonValue at(const QJsonObject& object, const QString& dottedPath);
int responseCode(const QJsonObject& message);
