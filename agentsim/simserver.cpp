#include "simserver.h"

#include "eventlog.h"

#include <QJsonDocument>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace agentsim {

namespace {
constexpr int RawExcerptBytes = 300;
}

SimServer::SimServer(SimAgent& agent, const EventLog& log, QObject* parent)
    : QObject(parent), m_agent(agent), m_log(log)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SimServer::accept);
    connect(&m_agent, &SimAgent::stateChanged, this, &SimServer::queuePush);
    connect(&m_agent, &SimAgent::unsolicited, this, &SimServer::sendToSubscribers);
}

SimServer::~SimServer()
{
    for (const auto& client : m_clients)
        client->socket->disconnect(this);
}

bool SimServer::listen(quint16 port, QString* error)
{
    if (!m_server.listen(QHostAddress::LocalHost, port)) {
        *error = m_server.errorString();
        return false;
    }
    m_log.write(QStringLiteral("listening"), {{QStringLiteral("port"), int(m_server.serverPort())}});
    return true;
}

SimServer::Client* SimServer::find(int id)
{
    for (const auto& client : m_clients) {
        if (client->id == id)
            return client.get();
    }
    return nullptr;
}

void SimServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto client = std::make_unique<Client>();
        client->id = m_nextId++;
        client->socket = socket;
        client->buffer.setMaxLine(m_maxLine);
        client->context.clientId = client->id;
        const int id = client->id;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { readFrom(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { forget(id); });
        m_log.write(QStringLiteral("connected"),
                    {{QStringLiteral("client"), id}, {QStringLiteral("peer_port"), int(socket->peerPort())}});
        m_clients.push_back(std::move(client));
    }
}

void SimServer::forget(int id)
{
    for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
        if ((*it)->id != id)
            continue;
        m_log.write(QStringLiteral("disconnected"), {{QStringLiteral("client"), id}});
        (*it)->socket->disconnect(this);
        (*it)->socket->deleteLater();
        m_clients.erase(it);
        return;
    }
}

void SimServer::readFrom(int id)
{
    Client* client = find(id);
    if (!client)
        return;
    const LineBuffer::Result result = client->buffer.feed(client->socket->readAll());
    for (int i = 0; i < result.overlong; ++i)
        badInput(*client, QStringLiteral("line longer than %1 bytes dropped").arg(m_maxLine), {});
    for (const QByteArray& line : result.lines) {
        // A console "disconnect" cannot run in between, but stay safe if the client went away meanwhile.
        client = find(id);
        if (!client)
            return;
        processLine(*client, line);
    }
}

void SimServer::badInput(const Client& client, const QString& reason, const QByteArray& raw, const QJsonObject& request)
{
    QJsonObject entry{{QStringLiteral("client"), client.id}, {QStringLiteral("reason"), reason}};
    if (!request.isEmpty())
        entry.insert(QStringLiteral("request"), request);
    else if (!raw.isNull())
        entry.insert(QStringLiteral("raw"), QString::fromUtf8(raw.left(RawExcerptBytes)));
    m_log.write(QStringLiteral("bad-input"), entry);
}

void SimServer::processLine(Client& client, const QByteArray& line)
{
    if (line.trimmed().isEmpty()) {
        badInput(client, QStringLiteral("empty line"), line);
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        badInput(client,
                 QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset),
                 line);
        return;
    }
    if (!doc.isObject()) {
        badInput(client, QStringLiteral("not a JSON object"), line);
        return;
    }
    const QJsonObject request = doc.object();
    const Reply reply = m_agent.handle(request, client.context);
    if (!reply.badInput.isEmpty()) {
        badInput(client, reply.badInput, line, request);
        return;
    }
    QJsonObject entry{{QStringLiteral("client"), client.id}, {QStringLiteral("request"), request}};
    if (!reply.note.isEmpty())
        entry.insert(QStringLiteral("note"), reply.note);
    m_log.write(QStringLiteral("request"), entry);
    if (m_answerDelayMs <= 0) {
        for (const QJsonObject& message : reply.messages)
            send(client, message);
        return;
    }
    // By id: the client may be gone when the answer is due.
    QTimer::singleShot(m_answerDelayMs, this, [this, id = client.id, messages = reply.messages] {
        if (Client* waiting = find(id))
            for (const QJsonObject& message : messages)
                send(*waiting, message);
    });
}

void SimServer::send(Client& client, const QJsonObject& message)
{
    client.socket->write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    client.seenRevision = m_agent.revision();
    m_log.write(QStringLiteral("send"), {{QStringLiteral("client"), client.id}, {QStringLiteral("message"), message}});
}

void SimServer::queuePush()
{
    // Several changes in one go (one request, one console command) become one snapshot.
    if (m_pushQueued)
        return;
    m_pushQueued = true;
    QTimer::singleShot(0, this, &SimServer::pushState);
}

void SimServer::pushState()
{
    m_pushQueued = false;
    QJsonObject message;
    for (const auto& client : m_clients) {
        if (!client->context.subscribed || client->seenRevision == m_agent.revision())
            continue;
        if (message.isEmpty())
            message = m_agent.message(Msg::StateUpdate);
        send(*client, message);
    }
}

void SimServer::sendToSubscribers(const QJsonObject& message)
{
    for (const auto& client : m_clients) {
        if (client->context.subscribed)
            send(*client, message);
    }
}

QStringList SimServer::clientSummaries() const
{
    QStringList out;
    for (const auto& client : m_clients) {
        out.append(QStringLiteral("client %1: port %2, %3")
                       .arg(client->id)
                       .arg(client->socket->peerPort())
                       .arg(client->context.subscribed
                                ? QStringLiteral("subscribed as \"%1\"").arg(client->context.userName)
                                : QStringLiteral("not subscribed")));
    }
    return out;
}

int SimServer::sendRaw(const QByteArray& line)
{
    for (const auto& client : m_clients) {
        client->socket->write(line + '\n');
        m_log.write(QStringLiteral("send"),
                    {{QStringLiteral("client"), client->id}, {QStringLiteral("raw"), QString::fromUtf8(line)}});
    }
    return clientCount();
}

void SimServer::disconnectAll()
{
    std::vector<QPointer<QTcpSocket>> sockets;
    for (const auto& client : m_clients)
        sockets.emplace_back(client->socket);
    for (const QPointer<QTcpSocket>& socket : sockets) {
        if (socket)
            socket->disconnectFromHost();
    }
}

} // namespace agentsim
