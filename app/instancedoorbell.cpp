#include "app/instancedoorbell.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A request is one short line; a visitor that sends more without a line break is not asking anything.
constexpr qint64 longestRequest = 256;

// The socket lives in the user's own runtime folder, but where there is none it is in /tmp: the kernel's word on
// who is at the other end is what keeps another user from asking, or from answering in the owner's place.
bool sameUserAtOtherEnd(const QLocalSocket& socket)
{
#ifdef SO_PEERCRED
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == geteuid();
#else
    Q_UNUSED(socket)
    return true;
#endif
}

} // namespace

InstanceDoorbell::InstanceDoorbell(QObject* parent) : QObject(parent)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, &InstanceDoorbell::answer);
}

bool InstanceDoorbell::listen(const QString& name)
{
    if (server.listen(name))
        return true;
    if (server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return server.listen(name);
}

bool InstanceDoorbell::ring(const QString& name, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    const bool answered = socket.waitForConnected(timeoutMs);
    socket.abort();
    return answered;
}

QByteArray InstanceDoorbell::ask(const QString& name, const QByteArray& request, int timeoutMs, bool* reached)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    const bool sameUser = socket.waitForConnected(timeoutMs) && sameUserAtOtherEnd(socket);
    if (reached)
        *reached = sameUser;
    if (!sameUser)
        return QByteArray();
    socket.write(request + '\n');
    QByteArray answer;
    while (socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return answer + socket.readAll();
}

void InstanceDoorbell::answer()
{
    while (QLocalSocket* visitor = server.nextPendingConnection()) {
        if (requestAnswerers.empty()) {
            visitor->abort();
            visitor->deleteLater();
            continue;
        }
        connect(visitor, &QLocalSocket::disconnected, visitor, &QObject::deleteLater);
        connect(visitor, &QLocalSocket::readyRead, this, [this, visitor] { serve(visitor); });
    }
    emit rung();
}

void InstanceDoorbell::serve(QLocalSocket* visitor)
{
    if (!visitor->canReadLine()) {
        if (visitor->bytesAvailable() > longestRequest)
            visitor->abort();
        return;
    }
    const QByteArray request = visitor->readLine().trimmed();
    if (!sameUserAtOtherEnd(*visitor)) {
        visitor->abort();
        return;
    }
    for (const Answerer& answerer : requestAnswerers) {
        const QByteArray answer = answerer(request);
        if (!answer.isEmpty()) {
            visitor->write(answer);
            break;
        }
    }
    // Closes once the answer is on its way.
    visitor->disconnectFromServer();
}
