#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace agentsim {

class SimAgent;
class SimServer;

// The control console: one text command in, one text answer out ("ok: ...", "error: ..." or a listing).
// Events of the simulated world that no client request can cause are triggered here; a scenario's timeline
// runs through the same commands.
class Commands : public QObject
{
    Q_OBJECT

public:
    Commands(SimAgent& agent, SimServer* server, QObject* parent = nullptr);

    QString run(const QString& line);
    static QString helpText();
    static constexpr int maxAnswerDelayMs = 60000;
    // Runs the scenario's timed commands; their answers come out through `output`.
    void scheduleScenarioEvents();

signals:
    void output(const QString& text);
    void quitRequested();

private:
    QString notice(const QStringList& args);
    QString gateway(const QStringList& args);
    QString setFlag(const QStringList& args, const char* what, bool* flag, bool activatedOnly);
    QString tunnel(const QStringList& args);
    QString secureAccess(const QStringList& args);
    QString isolate(bool on);
    QString next(const QStringList& args);
    QString signIn(const QStringList& args);
    QString config(const QStringList& args);
    QString edr(const QStringList& args);
    QString generate(const QStringList& args);
    QString stateText() const;
    QString raw(const QString& line);
    QString answerDelay(const QStringList& args);
    void sendNetAccess(int kind, qint64 blockAt, const QString& subnets);

    SimAgent& m_agent;
    SimServer* m_server;
    quint64 m_blockRound = 0;
};

} // namespace agentsim
