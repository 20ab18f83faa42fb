#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <optional>

class QAbstractSocket;

// Who is on the other end of the link to the agent. While the agent service is down, any local user could listen on
// its port and show a fake QR code, fake texts or browser links. Linux's TCP tables name the user that owns every
// socket, so the window can tell the service (run by root or a system account), and the user's own programs, from
// another login user's program.
namespace AgentPeerCheck {

struct Endpoint
{
    QHostAddress address;
    quint16 port = 0;
};

// The owner's uid, in text of the /proc/net/tcp or /proc/net/tcp6 format, of the server end of the connection from
// client to server: the row of the accepted socket, else the listener that covers the server's address and port.
std::optional<uint> ownerInTable(const QByteArray& table, const Endpoint& server, const Endpoint& client);

// UID_MIN of text in the /etc/login.defs format, 1000 where it is not given.
uint firstUserUid(const QByteArray& loginDefs);

// Root, system accounts (below the first user id) and the user the window runs as.
bool isTrustedOwner(uint owner, uint currentUid, uint firstUserUid);

struct Verdict
{
    bool trusted = true;
    std::optional<uint> owner; // none when the tables do not show it
};

// The verdict on a connected socket from this machine's tables. Where there are no such tables (not Linux), every
// listener is trusted, as before.
Verdict check(const QAbstractSocket& socket);

// The login name for a uid, or the number where it has none.
QString userName(uint uid);

} // namespace AgentPeerCheck
