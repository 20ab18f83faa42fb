#include "agent/messageparser.h"

#include "app/brandprofile.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

QJsonObject objectAt(const QJsonObject& parent, const char* key)
{
    return parent.value(QLatin1String(key)).toObject();
}

QJsonArray arrayAt(const QJsonObject& parent, const char* key)
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
    result.vendor = stringAt(attribute, "vendor");
    result.version = stringAt(attribute, "version");
    result.command = stringAt(attribute, "command");
    result.protocol = stringAt(attribute, "protocol");
    result.condition = stringAt(attribute, "condition");
    result.key = stringAt(attribute, "key");
    result.value = stringAt(attribute, "value");
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
