#include "agent/tcpsocket.h"

#include "agent/agentpeercheck.h"
#include "app/brandprofile.h"

quint16 tcpsocket::agentPort()
{
    return brand().isServiceIdEdition() ? 8004 : 8002;
}

tcpsocket::tcpsocket(quint16 port, QObject* parent) : QObject(parent), connectTimer(this), port(port)
{
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(retryDelayMs);
    connect(&retryTimer, &QTimer::timeout, this, &tcpsocket::Connect);
    connectTimer.setObjectName(QStringLiteral("connectTimeout"));
    connectTimer.setSingleShot(true);
    connectTimer.setInterval(connectTimeoutMs);
    connect(&connectTimer, &QTimer::timeout, this, &tcpsocket::abandonAttempt);

    connect(&socket, &QTcpSocket::connected, this, &tcpsocket::connected_callback);
    connect(&socket, &QTcpSocket::disconnected, this, &tcpsocket::disconnected_callback);
    connect(&socket, &QTcpSocket::readyRead, this, &tcpsocket::readyRead_callback);
    connect(&socket, &QTcpSocket::bytesWritten, this, &tcpsocket::bytesWritten_callback);
    connect(&socket, &QTcpSocket::errorOccurred, this, &tcpsocket::connectionError_Handler, Qt::DirectConnection);
}

void tcpsocket::write(const QByteArray& bytes)
{
    socket.write(bytes);
}

void tcpsocket::write(const char* bytes)
{
    socket.write(bytes);
}

void tcpsocket::Connect()
{
    if (connectTimer.isActive() || socket.state() == QAbstractSocket::ConnectedState)
        return;
    retryTimer.stop();
    // A link still closing from before is given up, so the new attempt starts from nothing.
    socket.abort();
    resetLineBuffer();
    // Armed first: a refusal on the loopback address can be reported from within connectToHost().
    connectTimer.start();
    socket.connectToHost(QStringLiteral("127.0.0.1"), port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

void tcpsocket::abandonAttempt()
{
    // A listener that never completes the handshake (its backlog full, the agent hung) would otherwise keep the
    // link in limbo with no retry.
    socket.abort();
    retryTimer.start();
    emit connectFailed();
}

void tcpsocket::connected_callback()
{
    connectTimer.stop();
    const AgentPeerCheck::Verdict peer = AgentPeerCheck::check(socket);
    if (!peer.trusted) {
        refuse(peer.owner ? qint64(*peer.owner) : -1);
        return;
    }
    emit connectedToBackend();
}

void tcpsocket::disconnected_callback()
{
    // A refused listener never was the agent, so no link went down.
    if (!refusing)
        emit disconnected();
}

void tcpsocket::bytesWritten_callback(qint64) {}

void tcpsocket::readyRead_callback()
{
    // TCP keeps no message boundaries: a line can arrive in pieces, or several in one read. Only whole lines go up.
    const QByteArray chunk = socket.readAll();
    int start = 0;
    while (start < chunk.size()) {
        const int newline = chunk.indexOf('\n', start);
        const int end = newline < 0 ? chunk.size() : newline + 1;
        if (!discardingLine) {
            const int contentLength = partialLine.size() + (newline < 0 ? end - start : newline - start);
            if (contentLength > maxLineLength) {
                partialLine.clear();
                discardingLine = true;
                qWarning("tcpsocket: dropped a line from the agent longer than %d bytes", maxLineLength);
                emit lineDiscarded();
            } else {
                partialLine.append(chunk.constData() + start, end - start);
            }
        }
        if (newline >= 0) {
            if (!discardingLine)
                completeLines.append(partialLine);
            partialLine.clear();
            discardingLine = false;
        }
        start = end;
    }

    // The queue is shared with nested calls: a receiver that spins an event loop of its own lets later reads in, and
    // those hand up the older lines first, so the order the agent sent them in holds.
    while (!completeLines.isEmpty())
        emit event_notify(completeLines.takeFirst());
}

void tcpsocket::connectionError_Handler(QAbstractSocket::SocketError)
{
    const bool attemptFailed = connectTimer.isActive();
    connectTimer.stop();
    if (socket.isValid())
        socket.disconnectFromHost();
    // One pending attempt at a time, however many errors a failure produces.
    retryTimer.start();
    if (attemptFailed)
        emit connectFailed();
}

void tcpsocket::refuse(qint64 ownerUid)
{
    // Closed before a byte is read or written: not even the user's name reaches it.
    refusing = true;
    socket.abort();
    refusing = false;
    retryTimer.start();
    // The link is reported down before the refusal is told, so the refusal's text is the one left standing.
    emit connectFailed();
    emit untrustedListener(ownerUid);
}

void tcpsocket::resetLineBuffer()
{
    partialLine.clear();
    discardingLine = false;
}
