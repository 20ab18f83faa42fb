#include "agent/tcpsocket.h"

#include "agent/agentpeercheck.h"
#include "app/brandprofile.h"

quint16 tcpsocket::agentPort()
{
    return brand().isServiceIdEdition() ? 8004 : 8002;
}

tcpsocket::tcpsocket(quint16 port, QObject* parent) : QObject(parent), port(port)
{
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(retryDelayMs);
    connect(&retryTimer, &QTimer::timeout, this, &tcpsocket::Connect);

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

bool tcpsocket::Connect()
{
    resetLineBuffer();
    socket.connectToHost(QStringLiteral("127.0.0.1"), port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    return socket.waitForConnected(-1);
}

void tcpsocket::connected_callback()
{
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

    // The queue is shared with nested calls: a receiver that runs a modal dialog lets later reads in, and those
    // hand up the older lines first, so the order the agent sent them in holds.
    while (!completeLines.isEmpty())
        emit event_notify(completeLines.takeFirst());
}

void tcpsocket::connectionError_Handler(QAbstractSocket::SocketError)
{
    if (socket.isValid())
        socket.disconnectFromHost();
    // One pending attempt at a time, however many errors a failure produces.
    retryTimer.start();
}

void tcpsocket::refuse(qint64 ownerUid)
{
    // Closed before a byte is read or written: not even the user's name reaches it.
    refusing = true;
    socket.abort();
    refusing = false;
    retryTimer.start();
    emit untrustedListener(ownerUid);
}

void tcpsocket::resetLineBuffer()
{
    partialLine.clear();
    discardingLine = false;
}
