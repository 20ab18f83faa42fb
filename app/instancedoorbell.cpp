#include "app/instancedoorbell.h"

#include <QLocalSocket>

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

void InstanceDoorbell::answer()
{
    while (QLocalSocket* visitor = server.nextPendingConnection()) {
        visitor->abort();
        visitor->deleteLater();
    }
    emit rung();
}
