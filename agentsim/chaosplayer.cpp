#include "chaosplayer.h"

#include "eventlog.h"
#include "simagent.h"

#include <QHostAddress>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <utility>

namespace agentsim {

namespace {
// Past the window's 30 s answer deadline, so that a late answer comes to a wait that has already ended.
constexpr int lateAnswerMinMs = 31000;
constexpr int lateAnswerMaxMs = 40000;
// A replay ends with a quiet stretch, so that the probe sees what the last step left behind.
constexpr int replayTailMs = 5000;
// The wire log keeps the head of each line: enough to recognise it, not a copy of 5,000-entry listings.
constexpr int wireHeadBytes = 300;
} // namespace

ChaosPlayer::ChaosPlayer(quint64 seed, int durationMs, QList<ChaosStep> replay, const EventLog& log, QIODevice* wire,
                         QObject* parent)
    : QObject(parent), m_log(log), m_wire(wire), m_steps(seed), m_answers(seed ^ 0xA5A5A5A5A5A5A5A5ull),
      m_replay(std::move(replay)), m_replaying(!m_replay.isEmpty()), m_durationMs(durationMs)
{
    m_relisten.setSingleShot(true);
    connect(&m_relisten, &QTimer::timeout, this, [this] {
        if (m_server.listen(QHostAddress::LocalHost, m_port))
            m_log.write(QStringLiteral("listener"), {{QStringLiteral("up"), true}});
    });
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, [this] {
        if (!m_pending) {
            m_log.write(QStringLiteral("end"), {{QStringLiteral("steps"), m_next}});
            emit finished();
            return;
        }
        const ChaosStep step = *m_pending;
        ++m_next;
        perform(step);
        scheduleNext();
    });
    connect(&m_server, &QTcpServer::newConnection, this, &ChaosPlayer::accept);
}

ChaosPlayer::~ChaosPlayer() = default;

bool ChaosPlayer::listen(quint16 port, QString* error)
{
    if (!m_server.listen(QHostAddress::LocalHost, port)) {
        *error = m_server.errorString();
        return false;
    }
    m_port = m_server.serverPort();
    return true;
}

void ChaosPlayer::start()
{
    m_clock.start();
    logTruth();
    scheduleNext();
}

void ChaosPlayer::scheduleNext()
{
    m_pending.reset();
    if (m_replaying) {
        if (m_next < m_replay.size())
            m_pending = m_replay.at(m_next);
    } else if (m_clock.elapsed() < m_durationMs) {
        m_pending = ChaosScript::nextStep(m_steps, m_next);
    }
    m_stepTimer.start((m_pending ? m_pending->waitMs : replayTailMs) + std::exchange(m_quietMs, 0));
}

void ChaosPlayer::perform(const ChaosStep& step)
{
    m_log.write(QStringLiteral("step"), step.toJson());
    const QString& op = step.op;
    const int ms = step.params.value(QLatin1String("ms")).toInt();
    if (op == QLatin1String("drop")) {
        dropClients();
    } else if (op == QLatin1String("restart")) {
        dropClients();
        m_server.close();
        m_log.write(QStringLiteral("listener"), {{QStringLiteral("up"), false}});
        m_relisten.start(ms);
    } else if (op == QLatin1String("silence")) {
        m_silent = true;
        QTimer::singleShot(ms, this, [this] {
            m_silent = false;
            for (const auto& client : m_clients)
                readFrom(*client);
        });
    } else if (op == QLatin1String("answers")) {
        m_mode =
            ChaosScript::modeNamed(step.params.value(QLatin1String("mode")).toString()).value_or(AnswerMode::Normal);
    } else if (op == QLatin1String("quiet")) {
        // The next step waits the stretch out.
        m_quietMs = ms;
    } else {
        const ChaosLines lines = ChaosScript::linesFor(step, m_world);
        if (!m_clients.empty() && lines.changesSnapshot) {
            m_held = lines.snapshot ? Held::Snapshot : Held::Unknown;
            if (lines.snapshot)
                m_heldSnapshot = *lines.snapshot;
        }
        send(lines.lines);
    }
}

void ChaosPlayer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto client = std::make_unique<Client>();
        client->socket = socket;
        Client* raw = client.get();
        m_clients.push_back(std::move(client));
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { readFrom(*raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, raw] {
            for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
                if (it->get() == raw) {
                    raw->socket->deleteLater();
                    m_clients.erase(it);
                    break;
                }
            }
            m_log.write(QStringLiteral("disconnected"), {});
            logTruth();
        });
        m_held = Held::Nothing;
        m_log.write(QStringLiteral("connected"), {});
        logTruth();
    }
}

void ChaosPlayer::readFrom(Client& client)
{
    if (m_silent)
        return;
    const LineBuffer::Result result = client.buffer.feed(client.socket->readAll());
    for (const QByteArray& line : result.lines) {
        wireNote('<', line);
        const QJsonObject request = QJsonDocument::fromJson(line).object();
        const int type = request.value(QLatin1String("type")).toInt(-1);
        m_log.write(QStringLiteral("request"), {{QStringLiteral("type"), type}});
        answer(type);
    }
}

void ChaosPlayer::answer(int requestType)
{
    const QList<QByteArray> lines = ChaosScript::answerTo(requestType, m_mode, m_world, m_answers);
    if (lines.isEmpty())
        return;
    auto deliver = [this, lines] {
        if (!m_clients.empty()) {
            m_held = Held::Snapshot;
            m_heldSnapshot = m_world;
        }
        send(lines);
    };
    if (m_mode == AnswerMode::Late)
        QTimer::singleShot(m_answers.between(lateAnswerMinMs, lateAnswerMaxMs), this, deliver);
    else
        deliver();
}

void ChaosPlayer::send(const QList<QByteArray>& lines)
{
    if (lines.isEmpty())
        return;
    for (const QByteArray& line : lines) {
        wireNote('>', line);
        for (const auto& client : m_clients)
            client->socket->write(line + '\n');
    }
    m_log.write(QStringLiteral("sent"), {{QStringLiteral("lines"), int(lines.size())}});
    logTruth();
}

void ChaosPlayer::dropClients()
{
    // Aborted, not closed: a link that drops does not wait for its last bytes to go out.
    const auto clients = std::move(m_clients);
    m_clients.clear();
    for (const auto& client : clients) {
        client->socket->disconnect(this);
        client->socket->abort();
        client->socket->deleteLater();
    }
    m_log.write(QStringLiteral("disconnected"), {{QStringLiteral("clients"), int(clients.size())}});
    logTruth();
}

void ChaosPlayer::logTruth()
{
    QJsonObject truth{{QStringLiteral("link"), m_clients.empty() ? QStringLiteral("down") : QStringLiteral("up")}};
    if (!m_clients.empty()) {
        if (m_held == Held::Snapshot)
            truth.insert(QStringLiteral("snapshot"), ChaosScript::truthOf(m_heldSnapshot));
        else
            truth.insert(QStringLiteral("snapshot"),
                         m_held == Held::Nothing ? QStringLiteral("none") : QStringLiteral("unknown"));
    }
    m_log.write(QStringLiteral("truth"), truth);
}

void ChaosPlayer::wireNote(char direction, const QByteArray& line)
{
    if (!m_wire)
        return;
    m_wire->write(QByteArray(1, direction) + ' ' + line.left(wireHeadBytes) +
                  (line.size() > wireHeadBytes ? QByteArray("... (") + QByteArray::number(line.size()) + " bytes)"
                                               : QByteArray()) +
                  '\n');
}

} // namespace agentsim
