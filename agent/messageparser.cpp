#include "agent/messageparser.h"

#include "app/brandprofile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <cstring>
#include <iterator>

namespace {

QJsonObject objectAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toObject();
}

// Const, so that a loop over it reads the parsed array in place: a writable one would be copied first.
const QJsonArray arrayAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toArray();
}

QString stringAt(const QJsonObject& parent, const char* key)
{
    // Empty rather than null, so a missing text compares and serialises like the agent's own "".
    return parent.value(QLatin1String(key)).toString(QStringLiteral(""));
}

int intAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toInt();
}

// The agent's 64-bit fields travel as 32-bit integers; anything wider reads as 0 like any other bad integer.
qint64 int64At(const QJsonObject& parent, const char* key)
{
    return intAt(parent, key);
}

bool boolAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toBool();
}

double doubleAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toDouble();
}

SecconnInfo parseSecconn(const QJsonObject& secconn)
{
    const QJsonObject localwan = objectAt(secconn, "localwan");
    const QJsonObject privateAddr = objectAt(localwan, "private_addr");
    const QJsonObject publicAddr = objectAt(localwan, "public_addr");
    const QJsonObject pag = objectAt(secconn, "pag");
    const QJsonObject pagAddr = objectAt(pag, "addr");
    const QJsonObject session = objectAt(secconn, "session");

    SecconnInfo info;
    info.enabled = boolAt(secconn, "enabled");
    info.status = intAt(secconn, "status");
    info.userControlDisabled = boolAt(secconn, "status_user_control_disabled");
    info.state = intAt(secconn, "state");
    info.privateIp = stringAt(privateAddr, "ip");
    info.privatePort = intAt(privateAddr, "port");
    info.publicIp = stringAt(publicAddr, "ip");
    info.publicPort = intAt(publicAddr, "port");
    info.intfName = stringAt(localwan, "intf_name");
    info.pagName = stringAt(pag, "name");
    info.pagIp = stringAt(pagAddr, "ip");
    info.pagPort = intAt(pagAddr, "port");
    info.tryMe = stringAt(pag, "tryme");
    info.tunnelIp = stringAt(session, "tunnel_ip");
    info.fullTunnelEnabled = boolAt(session, "full_tunnel_enabled");
    info.tunnelUptime = intAt(session, "tunnel_uptime");
    info.pagSelectionAllowed = boolAt(secconn, "pag_selection_allowed");
    info.peerDiscoveryAllowed = boolAt(secconn, "peer_discovery_allowed");
    return info;
}

PagEntry parsePagEntry(const QJsonObject& pag)
{
    PagEntry entry;
    entry.id = stringAt(pag, "id");
    entry.type = intAt(pag, "type");
    entry.name = stringAt(pag, "name");
    entry.location = stringAt(pag, "location");
    entry.status = intAt(pag, "status");
    entry.city = stringAt(pag, "city");
    entry.region = stringAt(pag, "region");
    entry.country = stringAt(pag, "country");
    entry.latitude = doubleAt(pag, "latitude");
    entry.longitude = doubleAt(pag, "longitude");
    entry.replicaNumber = intAt(pag, "replica_number");
    return entry;
}

ViolationAttribute parseViolationAttribute(const QJsonObject& attribute)
{
    ViolationAttribute result;
    QString* const fields[] = {&result.vendor,    &result.version, &result.command, &result.protocol,
                               &result.condition, &result.key,     &result.value};
    const QLatin1String names[] = {QLatin1String("vendor"),   QLatin1String("version"),   QLatin1String("command"),
                                   QLatin1String("protocol"), QLatin1String("condition"), QLatin1String("key"),
                                   QLatin1String("value")};
    for (QString* field : fields)
        *field = QStringLiteral("");
    // An attribute names only a few of its seven members: walking those is cheaper than looking all seven up.
    for (auto member = attribute.constBegin(); member != attribute.constEnd(); ++member) {
        const QString key = member.key();
        for (int i = 0; i < int(std::size(names)); ++i) {
            if (key == names[i]) {
                *fields[i] = member.value().toString(QStringLiteral(""));
                break;
            }
        }
    }
    return result;
}

ViolationItem parseViolationItem(const QJsonObject& item, bool isPort)
{
    ViolationItem result;
    result.name = isPort ? QString::number(intAt(item, "port")) : stringAt(item, "name");
    result.path = stringAt(item, "path");
    for (const QJsonValue& attribute : arrayAt(item, "attributes"))
        result.attributes.append(parseViolationAttribute(attribute.toObject()));
    return result;
}

QList<ViolationUnit> parseViolationUnits(const QJsonArray& units, const char* itemKey)
{
    const bool isPort = qstrcmp(itemKey, "ports") == 0;
    QList<ViolationUnit> result;
    for (const QJsonValue& unitValue : units) {
        const QJsonObject unit = unitValue.toObject();
        ViolationUnit parsed;
        parsed.condition = stringAt(unit, "condition");
        for (const QJsonValue& item : arrayAt(unit, itemKey))
            parsed.items.append(parseViolationItem(item.toObject(), isPort));
        result.append(parsed);
    }
    return result;
}

struct ViolationCategoryKeys
{
    const char* listKey;
    const char* itemKey;
};

// In the order of ViolationCategory.
constexpr ViolationCategoryKeys violationCategoryKeys[violationCategoryCount] = {
    {"program", "programs"},
    {"process", "processes"},
    {"port", "ports"},
    {"nw_intf", "nwintfs"},
    {"os_info", "os_info"},
    {"hw_info", "hw_info"},
    {"registry", "registry_info"},
    {"win_firewall", "win_firewall"},
    {"client_cert", "cert"},
    {"trust_cert", "cert"},
    {"managed_cert", "cert"},
    {"vpn", "vpn"},
    {"win_antivirus", "antivirus"},
    {"filepath", "files"},
    {"win_autorun", "programs"},
    {"smb_share", "smb_shared"},
};

// The parser takes any byte after a backslash as the escaped character, without checking it as UTF-8.
bool escapesNonAscii(const QByteArray& line)
{
    const char* end = line.constData() + line.size();
    for (const char* at = line.constData();
         (at = static_cast<const char*>(std::memchr(at, '\\', size_t(end - at)))) != nullptr; at += 2) {
        if (at + 1 < end && (uchar(at[1]) & 0x80))
            return true;
        if (at + 1 >= end)
            break;
    }
    return false;
}

} // namespace

AgentInfo parseAgentInfo(const QJsonObject& message)
{
    const QJsonObject agentinfo = objectAt(message, "agentinfo");
    const QJsonObject user = objectAt(agentinfo, "user");
    const QJsonObject prefPag = objectAt(user, "pref_pag");
    const QJsonObject features = objectAt(agentinfo, "features");
    const QJsonObject edrinfo = objectAt(features, "edrinfo");
    const QJsonObject config = objectAt(features, "config");

    AgentInfo info;
    info.activationState = intAt(agentinfo, "activation_state");
    info.email = stringAt(user, "email");
    info.adAuthState = intAt(user, "ad_auth_state");
    info.prefPagId = stringAt(prefPag, "id");
    info.prefPagType = intAt(prefPag, "type");
    info.entName = stringAt(agentinfo, "ent_name");
    info.devName = stringAt(agentinfo, "dev_name");
    info.dataAvailable = boolAt(features, "data_available");
    info.edrEnabled = boolAt(edrinfo, "enabled");
    info.edrStatus = intAt(edrinfo, "status");
    info.dpmEnabled = boolAt(edrinfo, "dpm_enabled");
    info.secconn = parseSecconn(objectAt(features, "secconn"));
    info.notifyViolation = boolAt(objectAt(features, "dpminfo"), "notify_violation");
    info.userIdMethod = intAt(config, "user_id_method");
    info.deactCfg = intAt(config, "deact_cfg");
    info.agentIsolated = boolAt(objectAt(agentinfo, "ui_alerts"), "agent_isolated");
    info.forcedSignin = boolAt(objectAt(agentinfo, "ui_control"), "forced_signin");

    if (brand().displayName == QLatin1String("Novalume"))
        info.secconn.pagSelectionAllowed = false;
    return info;
}

Response parseResponse(const QJsonObject& message)
{
    const QJsonObject response = objectAt(message, "response");
    // A pushed snapshot answers nothing: every field keeps its default.
    if (response.isEmpty())
        return Response();
    const QJsonObject registration = objectAt(response, "user_registration_resp");
    const QJsonObject netAccess = objectAt(objectAt(response, "notification"), "net_access");
    const QJsonObject activation = objectAt(response, "activation_resp");
    const QJsonObject violationList = objectAt(response, "violation_list");

    Response result;
    result.code = intAt(response, "type");
    result.ticketId = stringAt(objectAt(response, "feedback"), "ticket_id");
    result.regNextAttempt = int64At(registration, "next_attempt_unix");
    result.regOtpValidity = int64At(registration, "otp_validity");
    result.userActNextAttempt = int64At(objectAt(response, "user_activation_resp"), "next_attempt_unix");
    result.browserLaunchUrl = stringAt(objectAt(response, "authentication_resp"), "browser_launch_url");
    for (const QJsonValue& pag : arrayAt(objectAt(response, "pag_listing"), "pags"))
        result.pags.append(parsePagEntry(pag.toObject()));
    result.netAccessType = intAt(netAccess, "type");
    result.blockTime = int64At(netAccess, "block_time_unix");
    result.blockedSubnets = stringAt(netAccess, "blocked_subnets");
    for (int category = 0; category < violationCategoryCount; ++category) {
        const ViolationCategoryKeys& keys = violationCategoryKeys[category];
        result.violations[category] = parseViolationUnits(arrayAt(violationList, keys.listKey), keys.itemKey);
    }
    result.qrCode = stringAt(objectAt(response, "act_qr_info"), "code").remove(QLatin1Char('\\'));
    for (const QJsonValue& peerValue : arrayAt(objectAt(response, "peer_listing"), "peers")) {
        const QJsonObject peer = peerValue.toObject();
        result.peers.append({stringAt(peer, "caname"), stringAt(peer, "drname"), stringAt(peer, "addr")});
    }
    // The agent spells this key with three t.
    result.actNextAttempt = int64At(activation, "next_atttempt_unix");
    result.actOtpValidity = int64At(activation, "otp_validity");
    return result;
}

std::optional<QJsonObject> messageObjectFromLine(const QByteArray& line)
{
    // Elsewhere the parser takes only well-formed UTF-8 and reads to the end, so a line it takes as it is reads
    // exactly as it would after the repair below; only a line it refuses, or one with a NUL or a byte it would take
    // unchecked, pays for the repair.
    if (!std::memchr(line.constData(), '\0', size_t(line.size())) && !escapesNonAscii(line)) {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (document.isObject())
            return document.object();
        if (!document.isNull())
            return std::nullopt;
    }
    const QJsonDocument repaired = QJsonDocument::fromJson(QString::fromUtf8(line).toUtf8());
    if (!repaired.isObject())
        return std::nullopt;
    return repaired.object();
}
