#include "simagent.h"

#include "enrollment.h"
#include "jsonview.h"
#include "services.h"
#include "simclock.h"
#include "userauth.h"

#include <QSysInfo>

namespace agentsim {

namespace {

// The one member besides "type" that each request carries ("" for requests without a payload).
QString payloadKey(int type)
{
    switch (type) {
    case Req::Subscribe:
        return QStringLiteral("subscribe_req");
    case Req::Activate:
        return QStringLiteral("activation_req");
    case Req::Deactivate:
        return QStringLiteral("deactivation_req");
    case Req::UserRegister:
        return QStringLiteral("user_registration_req");
    case Req::UserDeregister:
        return QStringLiteral("user_deregistration_req");
    case Req::UserActivate:
        return QStringLiteral("user_activation_req");
    case Req::SecureConnection:
        return QStringLiteral("enable_secconn_status");
    case Req::Feedback:
        return QStringLiteral("feedback");
    case Req::PagPreference:
        return QStringLiteral("pag_preference");
    case Req::QrInfo:
        return QStringLiteral("act_qr_info_req");
    default:
        return {};
    }
}

} // namespace

SimAgent::SimAgent(const Scenario& scenario, const SimClock& clock, QObject* parent)
    : QObject(parent), m_scenario(scenario), m_clock(clock), m_otp(clock, scenario.otp),
      m_qr(clock, scenario.qrBaseUrl, scenario.qrScanDelayMs), m_walker(new ConnectionWalker(
                                                                   clock, m_state, [this] { changed(); }, this)),
      m_enrollment(std::make_unique<Enrollment>(*this)), m_users(std::make_unique<UserAuth>(*this)),
      m_services(std::make_unique<Services>(*this))
{
    // The scenario was checked when it was loaded; these cannot fail any more.
    QStringList errors;
    m_catalog.load(scenario.gateways, scenario.violations, scenario.peers, &errors);
    m_outcomes.load(scenario.outcomes, &errors);
    m_walker->configure(scenario.network, scenario.stepMs, scenario.connectResult, [this] { return pickGateway(); });

    const int startState = scenario.initialState.value(QStringLiteral("activation_state")).toInt();
    if (startState == 1 || startState == 2) {
        m_state.apply(scenario.enterpriseInfo, nullptr);
        m_state.entName = scenario.entName;
        m_state.devName = hostName();
    }
    m_state.apply(scenario.initialState, nullptr);
    m_walker->fillLocalAddresses();
    m_state.dataAvailable = scenario.dataDelayMs == 0;
    if (m_state.secconn.status == 2)
        m_walker->connectNow();
    else if (m_state.secconn.status != 5)
        m_walker->dropNow();
}

SimAgent::~SimAgent() = default;

void SimAgent::start()
{
    if (m_scenario.dataDelayMs > 0) {
        m_clock.after(m_scenario.dataDelayMs, this, [this] {
            if (m_state.dataAvailable)
                return;
            m_state.dataAvailable = true;
            note(QStringLiteral("data available"));
            changed();
        });
    }
    m_enrollment->start();
}

QString SimAgent::hostName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("DESKTOP-VX7Q2LM") : name;
}

QJsonObject SimAgent::snapshot() const
{
    AgentState copy = m_state;
    copy.secconn.tunnelUptime = m_walker->uptimeSecs();
    return copy.toJson();
}

QJsonObject SimAgent::message(int type, const QJsonObject& response) const
{
    QJsonObject out{{QStringLiteral("type"), type}, {QStringLiteral("agentinfo"), snapshot()}};
    if (!response.isEmpty())
        out.insert(QStringLiteral("response"), response);
    return out;
}

QJsonObject SimAgent::response(int code, const QJsonObject& payload)
{
    QJsonObject out = payload;
    out.insert(QStringLiteral("type"), code);
    return out;
}

Reply SimAgent::answer(int type, int code, const QJsonObject& payload, const QString& note) const
{
    Reply reply;
    reply.messages.append(message(type, response(code, payload)));
    reply.note = note;
    return reply;
}

void SimAgent::changed()
{
    ++m_revision;
    emit stateChanged();
}

void SimAgent::broadcast(int type, const QJsonObject& response)
{
    emit unsolicited(message(type, response));
}

void SimAgent::note(const QString& text, const QJsonObject& details)
{
    emit noted(text, details);
}

void SimAgent::becomeActivated(const QString& devName, const QString& email)
{
    m_state.apply(m_scenario.enterpriseInfo, nullptr);
    m_state.activationState = 1;
    m_state.entName = m_scenario.entName;
    m_state.devName = devName.isEmpty() ? hostName() : devName;
    if (!email.isEmpty())
        m_state.email = email;
    m_qr.reset();
    note(QStringLiteral("device activated"), {{QStringLiteral("dev_name"), m_state.devName}});
    changed();
}

void SimAgent::becomeUnenrolled()
{
    m_walker->dropNow();
    const bool data = m_state.dataAvailable;
    m_state = AgentState();
    m_state.dataAvailable = data;
    m_walker->fillLocalAddresses();
    m_qr.reset();
    m_otp.clear();
    note(QStringLiteral("device not activated any more"));
    changed();
}

const Gateway* SimAgent::pickGateway() const
{
    for (const QString& id : {m_state.prefPagId, m_scenario.autoGateway}) {
        const Gateway* g = id.isEmpty() ? nullptr : m_catalog.gateway(id);
        if (g && g->inService())
            return g;
    }
    return m_catalog.firstInService();
}

Reply SimAgent::handle(const QJsonObject& request, RequestContext& context)
{
    QStringList errors;
    const JsonView in(request, QString(), &errors);
    const int type = int(in.integer(QStringLiteral("type")));
    if (!errors.isEmpty())
        return Reply{{}, errors.first(), {}};

    const QString payload = payloadKey(type);
    QStringList extra;
    for (auto it = request.constBegin(); it != request.constEnd(); ++it) {
        if (it.key() != QLatin1String("type") && it.key() != payload)
            extra.append(it.key());
    }

    Reply reply;
    const quint64 before = m_revision;
    switch (type) {
    case Req::Subscribe: {
        const QString user = in.object(payload).string(QStringLiteral("username"));
        if (!errors.isEmpty())
            return Reply{{}, errors.first(), {}};
        context.userName = user;
        context.subscribed = true;
        reply.messages.append(message(Msg::StateUpdate));
        break;
    }
    case Req::SecureConnection:
        reply = handleSecureConnection(in);
        // A switch that changes nothing still gets the state back, so the client's toggle can settle.
        if (reply.badInput.isEmpty() && m_revision == before && reply.messages.isEmpty())
            reply.messages.append(message(Msg::StateUpdate));
        break;
    case Req::RebootCancelled:
        reply.note = QStringLiteral("the user postponed the reboot");
        break;
    case Req::Activate:
    case Req::ActivationStatus:
    case Req::Deactivate:
    case Req::QrInfo:
        reply = m_enrollment->handle(type, in);
        break;
    case Req::UserRegister:
    case Req::UserDeregister:
    case Req::UserActivate:
        reply = m_users->handle(type, in, context);
        break;
    case Req::Feedback:
    case Req::PagList:
    case Req::PagPreference:
    case Req::ViolationList:
    case Req::PeerList:
        reply = m_services->handle(type, in);
        break;
    default:
        return Reply{{}, QStringLiteral("unknown request type %1").arg(type), {}};
    }
    if (reply.badInput.isEmpty() && !errors.isEmpty())
        reply = Reply{{}, errors.first(), {}};
    if (reply.badInput.isEmpty() && !extra.isEmpty()) {
        const QString remark = QStringLiteral("unexpected member(s) ignored: ") + extra.join(QStringLiteral(", "));
        reply.note = reply.note.isEmpty() ? remark : reply.note + QStringLiteral("; ") + remark;
    }
    return reply;
}

Reply SimAgent::handleSecureConnection(const JsonView& request)
{
    Reply reply;
    const bool on = request.boolean(QStringLiteral("enable_secconn_status"));
    if (!request.ok())
        return reply; // handle() reports the type error
    QString refusal;
    if (m_state.activationState != 1)
        refusal = QStringLiteral("the device is not activated");
    else if (!m_state.secconn.enabled)
        refusal = QStringLiteral("the secure connection is not offered to this device");
    else if (m_state.secconn.userControlDisabled)
        refusal = QStringLiteral("the user may not switch the secure connection");
    else if (on && m_state.userIdMethod == 1 && m_state.email.isEmpty())
        refusal = QStringLiteral("the user must sign in first");
    if (!refusal.isEmpty()) {
        reply.note = QStringLiteral("switch ignored: ") + refusal;
        return reply;
    }
    if (on)
        m_walker->switchOn();
    else
        m_walker->switchOff();
    return reply;
}

} // namespace agentsim
