#include "agentstate.h"

#include "jsonview.h"

#include <QJsonArray>
#include <QStringList>
#include <QVector>
#include <functional>
#include <type_traits>

namespace agentsim {

namespace {

struct FieldSpec
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

template <typename Ref>
FieldSpec bind(const char* path, Ref ref)
{
    FieldSpec spec;
    spec.path = QString::fromLatin1(path).split(QLatin1Char('/'));
    spec.get = [ref](const AgentState& s) { return QJsonValue(ref(const_cast<AgentState&>(s))); };
    spec.set = [ref](AgentState& s, const QJsonValue& v) { return assign(v, ref(s)); };
    return spec;
}

// The snapshot layout: every key the UI reads, plus the link-quality block that real agents add.
const QVector<FieldSpec>& fields()
{
    using S = AgentState;
    static const QVector<FieldSpec> table = {
        bind("activation_state", [](S& s) -> auto& { return s.activationState; }),
        bind("user/email", [](S& s) -> auto& { return s.email; }),
        bind("user/ad_auth_state", [](S& s) -> auto& { return s.adAuthState; }),
        bind("user/pref_pag/id", [](S& s) -> auto& { return s.prefPagId; }),
        bind("user/pref_pag/type", [](S& s) -> auto& { return s.prefPagType; }),
        bind("ent_name", [](S& s) -> auto& { return s.entName; }),
        bind("dev_name", [](S& s) -> auto& { return s.devName; }),
        bind("features/data_available", [](S& s) -> auto& { return s.dataAvailable; }),
        bind("features/edrinfo/enabled", [](S& s) -> auto& { return s.edrEnabled; }),
        bind("features/edrinfo/status", [](S& s) -> auto& { return s.edrStatus; }),
        bind("features/edrinfo/dpm_enabled", [](S& s) -> auto& { return s.dpmEnabled; }),
        bind("features/secconn/enabled", [](S& s) -> auto& { return s.secconn.enabled; }),
        bind("features/secconn/status", [](S& s) -> auto& { return s.secconn.status; }),
        bind("features/secconn/status_user_control_disabled",
             [](S& s) -> auto& { return s.secconn.userControlDisabled; }),
        bind("features/secconn/state", [](S& s) -> auto& { return s.secconn.state; }),
        bind("features/secconn/localwan/private_addr/ip", [](S& s) -> auto& { return s.secconn.privateIp; }),
        bind("features/secconn/localwan/private_addr/port", [](S& s) -> auto& { return s.secconn.privatePort; }),
        bind("features/secconn/localwan/public_addr/ip", [](S& s) -> auto& { return s.secconn.publicIp; }),
        bind("features/secconn/localwan/public_addr/port", [](S& s) -> auto& { return s.secconn.publicPort; }),
        bind("features/secconn/localwan/intf_name", [](S& s) -> auto& { return s.secconn.intfName; }),
        bind("features/secconn/pag/name", [](S& s) -> auto& { return s.secconn.pagName; }),
        bind("features/secconn/pag/addr/ip", [](S& s) -> auto& { return s.secconn.pagIp; }),
        bind("features/secconn/pag/addr/port", [](S& s) -> auto& { return s.secconn.pagPort; }),
        bind("features/secconn/pag/tryme", [](S& s) -> auto& { return s.secconn.tryMe; }),
        bind("features/secconn/session/tunnel_ip", [](S& s) -> auto& { return s.secconn.tunnelIp; }),
        bind("features/secconn/session/full_tunnel_enabled", [](S& s) -> auto& { return s.secconn.fullTunnelEnabled; }),
        bind("features/secconn/session/tunnel_uptime", [](S& s) -> auto& { return s.secconn.tunnelUptime; }),
        bind("features/secconn/pag_selection_allowed", [](S& s) -> auto& { return s.secconn.pagSelectionAllowed; }),
        bind("features/secconn/peer_discovery_allowed", [](S& s) -> auto& { return s.secconn.peerDiscoveryAllowed; }),
        bind("features/secconn/nw_stability_info/rtt_ms", [](S& s) -> auto& { return s.secconn.rttMs; }),
        bind("features/secconn/nw_stability_info/jitter_ms", [](S& s) -> auto& { return s.secconn.jitterMs; }),
        bind("features/secconn/nw_stability_info/packet_loss_pct", [](S& s) -> auto& { return s.secconn.lossPercent; }),
        bind("features/dpminfo/notify_violation", [](S& s) -> auto& { return s.notifyViolation; }),
        bind("features/config/user_id_method", [](S& s) -> auto& { return s.userIdMethod; }),
        bind("features/config/deact_cfg", [](S& s) -> auto& { return s.deactCfg; }),
        bind("ui_alerts/agent_isolated", [](S& s) -> auto& { return s.agentIsolated; }),
        bind("ui_control/forced_signin", [](S& s) -> auto& { return s.forcedSignin; }),
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

const FieldSpec* findField(const QStringList& path)
{
    for (const FieldSpec& spec : fields()) {
        if (spec.path == path)
            return &spec;
    }
    return nullptr;
}

bool isBranch(const QStringList& prefix)
{
    for (const FieldSpec& spec : fields()) {
        if (spec.path.size() > prefix.size() && spec.path.mid(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

bool applyObject(AgentState& state, const QJsonObject& object, const QStringList& prefix, QString* error)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QStringList path = prefix + QStringList{it.key()};
        const QString where = path.join(QLatin1Char('.'));
        if (const FieldSpec* spec = findField(path)) {
            const QString problem = spec->set(state, it.value());
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
    for (const FieldSpec& spec : fields())
        out = withValue(out, spec.path, 0, spec.get(*this));
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
