#pragma once

#include "agentstate.h"
#include "chaosrandom.h"
#include "chaosscript.h"
#include "linebuffer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;
class QTcpSocket;

namespace agentsim {

class EventLog;

// The chaos agent: a seeded, random but valid history of everything the contract allows, played against whoever
// connects, for a set time. Each step is logged before it is played, with all it needs to be played again, and
// after each one the log says what the window must now conclude (the "truth" entries), so a probe of the window can
// be judged against it.
class ChaosPlayer : public QObject
{
    Q_OBJECT
public:
    // Plays `replay` when it holds steps, else draws steps from `seed` until `durationMs` has passed.
    ChaosPlayer(quint64 seed, int durationMs, QList<ChaosStep> replay, const EventLog& log, QIODevice* wire,
                QObject* parent = nullptr);
    ~ChaosPlayer() override;

    bool listen(quint16 port, QString* error);
    quint16 port() const { return m_port; }
    void start();

signals:
    void finished();

private:
    struct Client
    {
        QTcpSocket* socket = nullptr;
        LineBuffer buffer;
    };

    void scheduleNext();
    void perform(const ChaosStep& step);
    void accept();
    void readFrom(Client& client);
    void answer(int requestType);
    void send(const QList<QByteArray>& lines);
    void dropClients();
    void logTruth();
    void wireNote(char direction, const QByteArray& line);

    const EventLog& m_log;
    QIODevice* m_wire;
    ChaosRandom m_steps;
    ChaosRandom m_answers;
    QList<ChaosStep> m_replay;
    bool m_replaying;
    std::optional<ChaosStep> m_pending;
    int m_next = 0;
    int m_quietMs = 0;
    int m_durationMs;
    QElapsedTimer m_clock;
    QTimer m_stepTimer;
    // One listener restart at a time: a restart during another's downtime moves the return to its own end, where
    // a timer per restart brought the listener back early, in the middle of the later downtime.
    QTimer m_relisten;
    QTcpServer m_server;
    quint16 m_port = 0;
    std::vector<std::unique_ptr<Client>> m_clients;
    AgentState m_world;
    AnswerMode m_mode = AnswerMode::Normal;
    bool m_silent = false;
    // What the window holds from this connection: nothing yet, a whole snapshot, or something it may read either way.
    enum class Held
    {
        Nothing,
        Snapshot,
        Unknown,
    } m_held = Held::Nothing;
    AgentState m_heldSnapshot;
};

} // namespace agentsim
