#pragma once

#include "linebuffer.h"
#include "simagent.h"

#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <memory>
#include <vector>

class QTcpSocket;

namespace agentsim {

class EventLog;

// The loopback TCP side of the simulator: accepts any number of clients, cuts their bytes into lines, hands the
// requests to the agent and writes its messages, one compact JSON object per line. Clients that subscribed get a
// fresh snapshot whenever the agent's state changes, and every unsolicited message.
class SimServer : public QObject
{
    Q_OBJECT

public:
    SimServer(SimAgent& agent, const EventLog& log, QObject* parent = nullptr);
    ~SimServer() override;

    // Port 0 picks a free port; port() tells which.
    bool listen(quint16 port, QString* error);
    quint16 port() const { return m_server.serverPort(); }
    void setMaxLineBytes(qsizetype bytes) { m_maxLine = bytes; }
    // Holds every answer to a request back for this many milliseconds of wall-clock time (not divided by --speed),
    // so that what a client shows while it waits can be seen by hand. Pushes and console messages are not held.
    void setAnswerDelay(int ms) { m_answerDelayMs = ms; }
    int answerDelay() const { return m_answerDelayMs; }

    int clientCount() const { return int(m_clients.size()); }
    QStringList clientSummaries() const;
    void disconnectAll();
    // Writes the line as it stands, plus "\n", to every client; returns how many got it.
    int sendRaw(const QByteArray& line);

private:
    struct Client
    {
        int id = 0;
        QTcpSocket* socket = nullptr;
        LineBuffer buffer;
        RequestContext context;
        quint64 seenRevision = 0;
    };

    void accept();
    void readFrom(int id);
    void processLine(Client& client, const QByteArray& line);
    void send(Client& client, const QJsonObject& message);
    void queuePush();
    void pushState();
    void sendToSubscribers(const QJsonObject& message);
    void forget(int id);
    Client* find(int id);
    void badInput(const Client& client, const QString& reason, const QByteArray& raw, const QJsonObject& request = {});

    SimAgent& m_agent;
    const EventLog& m_log;
    QTcpServer m_server;
    std::vector<std::unique_ptr<Client>> m_clients;
    qsizetype m_maxLine = LineBuffer::DefaultMaxLine;
    int m_nextId = 1;
    bool m_pushQueued = false;
    int m_answerDelayMs = 0;
};

} // namespace agentsim
