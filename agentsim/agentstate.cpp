#include "agentstate.h"

#include "jsonview.h"

#include <QJsonArray>
#include <QStringList>
#include <QVector>
#include <functional>
#include <type_traits>

namespace agentsim {

namespace {

struct SnapshotField
{
    QStringList path;
    std::function<QJsonValue(const AgentState&)> get;
    // Returns an error text, or an empty string when the value was taken.
    std::function<QString(AgentState&, const QJsonValue&)> set;
};

QString assign(const QJsonValue& v, bool& out)
{
    if (!v.isBool())
        return QStringLiteral("expected a boolean, got %1").arg(JsonView::typeName(v));
    out = v.toBool();
    return {};
}

QString assign(const QJsonValue& v, int& out)
{
    if (!JsonView::isWholeNumber(v) || v.toDouble() < INT_MIN || v.toDouble() > INT_MAX)
        return QStringLiteral("expected a whole number, got %1").arg(JsonView::typeName(v));
    out = int(v.toDouble());
    return {};
}

QString assign(const QJsonValue& v, double& out)
{
    if (!v.isDouble())
        return QStringLiteral("expected a number, got %1").arg(JsonView::typeName(v));
    out = v.toDouble();
    return {};
}

QString assign(const QJsonValue& v, QString& out)
{
    if (!v.isString())
        return QStringLiteral("expected a string, got %1").arg(JsonView::typeName(v));
    out = v.toString();
    return {};
}

template <typename Ref> SnapshotField bind(const char* path, Ref ref)
{
    SnapshotField field;
    field.path = QString::fromLatin1(path).split(QLatin1Char('/'));
    field.get = [ref](const AgentState& s) {
        return QJsonValue(*ref(const_cast<AgentState&>(s)));
    };
    field.set = [ref](AgentState& s, const QJsonValue& v) {
        return assign(v, *ref(s));
    };
    return field;
}

// The snapshot layout: every key the UI reads, plus the link-quality block that real agents add.
const QVector<SnapshotField>& fields()
{
    using S = AgentState;
    static const QVector<SnapshotField> table = {
        bind("activation_state", [](S& s) { return &s.activationState; }),
        bind("user/email", [](S& s) { return &s.email; }),
        bind("user/ad_auth_state", [](S& s) { return &s.adAuthState; }),
        bind("user/pref_pag/id", [](S& s) { return &s.prefPagId; }),
        bind("user/pref_pag/type", [](S& s) { return &s.prefPagType; }),
        bind("ent_name", [](S& s) { return &s.entName; }),
        bind("dev_name", [](S& s) { return &s.devName; }),
        bind("features/data_available", [](S& s) { return &s.dataAvailable; }),
        bind("features/edrinfo/enabled", [](S& s) { return &s.edrEnabled; }),
        bind("features/edrinfo/status", [](S& s) { return &s.edrStatus; }),
        bind("features/edrinfo/dpm_enabled", [](S& s) { return &s.dpmEnabled; }),
        bind("features/secconn/enabled", [](S& s) { return &s.secconn.enabled; }),
        bind("features/secconn/status", [](S& s) { return &s.secconn.status; }),
        bind("features/secconn/status_user_control_disabled", [](S& s) { return &s.secconn.userControlDisabled; }),
        bind("features/secconn/state", [](S& s) { return &s.secconn.state; }),
        bind("features/secconn/localwan/private_addr/ip", [](S& s) { return &s.secconn.privateIp; }),
        bind("features/secconn/localwan/private_addr/port", [](S& s) { return &s.secconn.privatePort; }),
        bind("features/secconn/localwan/public_addr/ip", [](S& s) { return &s.secconn.publicIp; }),
        bind("features/secconn/localwan/public_addr/port", [](S& s) { return &s.secconn.publicPort; }),
        bind("features/secconn/localwan/intf_name", [](S& s) { return &s.secconn.intfName; }),
        bind("features/secconn/pag/name", [](S& s) { return &s.secconn.pagName; }),
        bind("features/secconn/pag/addr/ip", [](S& s) { return &s.secconn.pagIp; }),
        bind("features/secconn/pag/addr/port", [](S& s) { return &s.secconn.pagPort; }),
        bind("features/secconn/pag/tryme", [](S& s) { return &s.secconn.tryMe; }),
        bind("features/secconn/session/tunnel_ip", [](S& s) { return &s.secconn.tunnelIp; }),
        bind("features/secconn/session/full_tunnel_enabled", [](S& s) { return &s.secconn.fullTunnelEnabled; }),
        bind("features/secconn/session/tunnel_uptime", [](S& s) { return &s.secconn.tunnelUptime; }),
        bind("features/secconn/pag_selection_allowed", [](S& s) { return &s.secconn.pagSelectionAllowed; }),
        bind("features/secconn/peer_discovery_allowed", [](S& s) { return &s.secconn.peerDiscoveryAllowed; }),
        bind("features/secconn/nw_stability_info/rtt_ms", [](S& s) { return &s.secconn.rttMs; }),
        bind("features/secconn/nw_stability_info/jitter_ms", [](S& s) { return &s.secconn.jitterMs; }),
        bind("features/secconn/nw_stability_info/packet_loss_pct", [](S& s) { return &s.secconn.lossPercent; }),
        bind("features/dpminfo/notify_violation", [](S& s) { return &s.notifyViolation; }),
        bind("features/config/user_id_method", [](S& s) { return &s.userIdMethod; }),
        bind("features/config/deact_cfg", [](S& s) { return &s.deactCfg; }),
        bind("ui_alerts/agent_isolated", [](S& s) { return &s.agentIsolated; }),
        bind("ui_control/forced_signin", [](S& s) { return &s.forcedSignin; }),
    };
    return table;
}

QJsonObject withValue(QJsonObject object, const QStringList& path, int depth, const QJsonValue& value)
{
    const QString& key = path.at(depth);
    if (depth == path.size() - 1) {
        object.insert(key, value);
        return object;
    }
    object.insert(key, withValue(object.value(key).toObject(), path, depth + 1, value));
    return object;
}

const SnapshotField* findField(const QStringList& path)
{
    for (const SnapshotField& field : fields()) {
        if (field.path == path)
            return &field;
    }
    return nullptr;
}

bool isBranch(const QStringList& prefix)
{
    for (const SnapshotField& field : fields()) {
        if (field.path.size() > prefix.size() && field.path.mid(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

bool applyObject(AgentState& state, const QJsonObject& object, const QStringList& prefix, QString* error)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QStringList path = prefix + QStringList{it.key()};
        const QString where = path.join(QLatin1Char('.'));
        if (const SnapshotField* field = findField(path)) {
            const QString problem = field->set(state, it.value());
            if (!problem.isEmpty()) {
                *error = where + QStringLiteral(": ") + problem;
                return false;
            }
        } else if (isBranch(path)) {
            if (!it->isObject()) {
                *error = where + QStringLiteral(": expected an object, got ") + JsonView::typeName(*it);
                return false;
            }
            if (!applyObject(state, it->toObject(), path, error))
                return false;
        } else {
            *error = where + QStringLiteral(": unknown key");
            return false;
        }
    }
    return true;
}

} // namespace

QJsonObject AgentState::toJson() const
{
    QJsonObject out;
    for (const SnapshotField& field : fields())
        out = withValue(out, field.path, 0, field.get(*this));
    return out;
}

bool AgentState::apply(const QJsonObject& agentinfo, QString* error)
{
    AgentState copy = *this;
    QString problem;
    if (!applyObject(copy, agentinfo, {}, &problem)) {
        if (error)
            *error = problem;
        return false;
    }
    *this = copy;
    return true;
}

} // namespace agentsim
