#include "simharness.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace agentsim;

TestClient::TestClient(QObject* parent) : QObject(parent)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &TestClient::readLines);
}

bool TestClient::connectTo(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    QDeadlineTimer deadline(3000);
    while (m_socket.state() != QAbstractSocket::ConnectedState && !deadline.hasExpired() &&
           m_socket.state() != QAbstractSocket::UnconnectedState)
        QTest::qWait(2);
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void TestClient::sendRaw(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

void TestClient::send(const QJsonObject& request)
{
    sendRaw(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
}

void TestClient::subscribe(const QString& user)
{
    send({{QStringLiteral("type"), 1},
          {QStringLiteral("subscribe_req"), QJsonObject{{QStringLiteral("username"), user}}}});
}

void TestClient::readLines()
{
    while (m_socket.canReadLine()) {
        const QByteArray line = m_socket.readLine();
        m_raw.append(line);
        m_inbox.append(QJsonDocument::fromJson(line).object());
    }
}

std::optional<QJsonObject> TestClient::next(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_inbox.isEmpty() && !deadline.hasExpired())
        QTest::qWait(1);
    if (m_inbox.isEmpty())
        return std::nullopt;
    return m_inbox.takeFirst();
}

std::optional<QJsonObject> TestClient::waitFor(const std::function<bool(const QJsonObject&)>& match, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const auto message = next(int(qMax<qint64>(1, deadline.remainingTime())));
        if (message && match(*message))
            return message;
    }
    return std::nullopt;
}

bool TestClient::quietFor(int ms)
{
    QTest::qWait(ms);
    return m_inbox.isEmpty();
}

Harness::Harness(const QString& scenarioName, double speed, const QJsonObject& overlay) : m_log(&m_logBuffer)
{
    m_logBuffer.open(QIODevice::ReadWrite);
    Scenario::builtinNames(); // registers the built-in scenarios
    QFile file(QStringLiteral(":/agentsim/scenarios/%1.json").arg(scenarioName));
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("no built-in scenario ") + scenarioName;
        return;
    }
    const QJsonObject base = QJsonDocument::fromJson(file.readAll()).object();
    const auto scenario = Scenario::fromOverlay(Scenario::merged(base, overlay), scenarioName, &m_error);
    if (!scenario)
        return;
    m_clock = std::make_unique<SimClock>(speed);
    m_agent = std::make_unique<SimAgent>(*scenario, *m_clock);
    auto server = std::make_unique<SimServer>(*m_agent, m_log);
    m_commands = std::make_unique<Commands>(*m_agent, server.get());
    if (!server->listen(0, &m_error))
        return;
    m_server = std::move(server);
    m_agent->start();
    m_commands->scheduleScenarioEvents();
}

QList<QJsonObject> Harness::logEntries(const QString& kind) const
{
    QList<QJsonObject> out;
    for (const QByteArray& line : m_logBuffer.data().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value(QStringLiteral("kind")).toString() == kind)
            out.append(entry);
    }
    return out;
}

QJsonValue at(const QJsonObject& object, const QString& dottedPath)
{
    QJsonValue value = object;
    for (const QString& key : dottedPath.split(QLatin1Char('.')))
        value = value.toObject().value(key);
    return value;
}

int responseCode(const QJsonObject& message)
{
    return at(message, QStringLiteral("response.type")).toInt(-1);
}

QString snapshotProblems(const QJsonObject& agentinfo)
{
    // Written out from the protocol's record tables rather than taken from the simulator's own layout.
    static const QList<QPair<const char*, QJsonValue::Type>> expected = {
        {"activation_state", QJsonValue::Double},
        {"user.email", QJsonValue::String},
        {"user.ad_auth_state", QJsonValue::Double},
        {"user.pref_pag.id", QJsonValue::String},
        {"user.pref_pag.type", QJsonValue::Double},
        {"ent_name", QJsonValue::String},
        {"dev_name", QJsonValue::String},
        {"features.data_available", QJsonValue::Bool},
        {"features.edrinfo.enabled", QJsonValue::Bool},
        {"features.edrinfo.status", QJsonValue::Double},
        {"features.edrinfo.dpm_enabled", QJsonValue::Bool},
        {"features.dpminfo.notify_violation", QJsonValue::Bool},
        {"features.config.user_id_method", QJsonValue::Double},
        {"features.config.deact_cfg", QJsonValue::Double},
        {"ui_alerts.agent_isolated", QJsonValue::Bool},
        {"ui_control.forced_signin", QJsonValue::Bool},
        {"features.secconn.enabled", QJsonValue::Bool},
        {"features.secconn.status", QJsonValue::Double},
        {"features.secconn.status_user_control_disabled", QJsonValue::Bool},
        {"features.secconn.state", QJsonValue::Double},
        {"features.secconn.localwan.private_addr.ip", QJsonValue::String},
        {"features.secconn.localwan.private_addr.port", QJsonValue::Double},
        {"features.secconn.localwan.public_addr.ip", QJsonValue::String},
        {"features.secconn.localwan.public_addr.port", QJsonValue::Double},
        {"features.secconn.localwan.intf_name", QJsonValue::String},
        {"features.secconn.pag.name", QJsonValue::String},
        {"features.secconn.pag.addr.ip", QJsonValue::String},
        {"features.secconn.pag.addr.port", QJsonValue::Double},
        {"features.secconn.pag.tryme", QJsonValue::String},
        {"features.secconn.session.tunnel_ip", QJsonValue::String},
        {"features.secconn.session.full_tunnel_enabled", QJsonValue::Bool},
        {"features.secconn.session.tunnel_uptime", QJsonValue::Double},
        {"features.secconn.pag_selection_allowed", QJsonValue::Bool},
        {"features.secconn.peer_discovery_allowed", QJsonValue::Bool},
    };
    QStringList problems;
    for (const auto& [path, type] : expected) {
        const QJsonValue value = at(agentinfo, QString::fromLatin1(path));
        if (value.type() != type)
            problems.append(QString::fromLatin1(path));
    }
    return problems.join(QStringLiteral(", "));
}
