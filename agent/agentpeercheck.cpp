#include "agent/agentpeercheck.h"

#include <QAbstractSocket>
#include <QFile>
#include <QList>
#include <cstring>

#ifdef Q_OS_LINUX
#include <pwd.h>
#include <unistd.h>
#endif

namespace AgentPeerCheck {

namespace {

constexpr uint defaultFirstUserUid = 1000;
constexpr char listenState[] = "0A";
// A socket in TIME_WAIT has no owner any more; the kernel prints 0 for it.
constexpr char timeWaitState[] = "06";

// The kernel prints an address as 32-bit words in the machine's own byte order and a port as a plain number.
std::optional<Endpoint> parseEndpoint(const QByteArray& field)
{
    const int colon = field.indexOf(':');
    const QByteArray hex = field.left(colon);
    if (colon < 0 || (hex.size() != 8 && hex.size() != 32))
        return std::nullopt;
    bool ok = false;
    const uint port = field.mid(colon + 1).toUInt(&ok, 16);
    if (!ok || port > 0xFFFF)
        return std::nullopt;
    quint8 bytes[16];
    for (int word = 0; word < hex.size() / 8; ++word) {
        const quint32 value = hex.mid(word * 8, 8).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        std::memcpy(bytes + word * 4, &value, 4);
    }
    Endpoint endpoint;
    endpoint.port = static_cast<quint16>(port);
    if (hex.size() == 8)
        endpoint.address.setAddress(quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 |
                                    quint32(bytes[3]));
    else
        endpoint.address.setAddress(bytes);
    return endpoint;
}

bool sameAddress(const QHostAddress& a, const QHostAddress& b)
{
    return a.isEqual(b, QHostAddress::ConvertV4MappedToIPv4);
}

// How surely a listener at this address takes connections to the server: its very address first, then the IPv4
// wildcard, then the IPv6 one (which takes IPv4 only where nothing listens for IPv4); 0 when it does not.
int listenerRank(const QHostAddress& listener, const QHostAddress& server)
{
    if (sameAddress(listener, server))
        return 3;
    bool serverIsIPv4 = false;
    server.toIPv4Address(&serverIsIPv4);
    if (listener == QHostAddress(QHostAddress::AnyIPv4) && serverIsIPv4)
        return 2;
    if (listener == QHostAddress(QHostAddress::AnyIPv6))
        return 1;
    return 0;
}

QByteArray readFile(const char* path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

std::optional<uint> ownerInTable(const QByteArray& table, const Endpoint& server, const Endpoint& client)
{
    std::optional<uint> listenerOwner;
    int bestRank = 0;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // sl, local and remote address, state, queues, timer, retransmits, uid, ...
        if (fields.size() < 8 || !fields.at(0).endsWith(':') || fields.at(3) == timeWaitState)
            continue;
        const std::optional<Endpoint> local = parseEndpoint(fields.at(1));
        const std::optional<Endpoint> remote = parseEndpoint(fields.at(2));
        bool ok = false;
        const uint uid = fields.at(7).toUInt(&ok);
        if (!local || !remote || !ok || local->port != server.port)
            continue;
        if (sameAddress(local->address, server.address) && remote->port == client.port &&
            sameAddress(remote->address, client.address))
            return uid;
        const int rank = fields.at(3) == listenState ? listenerRank(local->address, server.address) : 0;
        if (rank > bestRank) {
            bestRank = rank;
            listenerOwner = uid;
        }
    }
    return listenerOwner;
}

uint firstUserUid(const QByteArray& loginDefs)
{
    uint first = defaultFirstUserUid;
    for (const QByteArray& line : loginDefs.split('\n')) {
        const int comment = line.indexOf('#');
        const QList<QByteArray> fields = (comment < 0 ? line : line.left(comment)).simplified().split(' ');
        if (fields.size() < 2 || fields.at(0) != "UID_MIN")
            continue;
        bool ok = false;
        const uint value = fields.at(1).toUInt(&ok);
        if (ok)
            first = value;
    }
    return first;
}

bool isTrustedOwner(uint owner, uint currentUid, uint firstUserUid)
{
    return owner == 0 || owner < firstUserUid || owner == currentUid;
}

Verdict check(const QAbstractSocket& socket)
{
    Verdict verdict;
#ifdef Q_OS_LINUX
    verdict.owner =
        ownerInTable(readFile("/proc/net/tcp") + readFile("/proc/net/tcp6"), {socket.peerAddress(), socket.peerPort()},
                     {socket.localAddress(), socket.localPort()});
    // A listener the tables do not show cannot be vouched for; it is refused like a stranger's.
    verdict.trusted =
        verdict.owner && isTrustedOwner(*verdict.owner, getuid(), firstUserUid(readFile("/etc/login.defs")));
#else
    Q_UNUSED(socket);
#endif
    return verdict;
}

QString userName(uint uid)
{
#ifdef Q_OS_LINUX
    passwd entry;
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
#endif
    return QString::number(uid);
}

} // namespace AgentPeerCheck
