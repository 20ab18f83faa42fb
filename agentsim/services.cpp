#include "services.h"

#include "codes.h"
#include "jsonview.h"

namespace agentsim {

Services::Services(SimAgent& agent) : m_agent(agent), m_nextTicket(agent.scenario().firstTicket) {}

Reply Services::handle(int type, const JsonView& request)
{
    switch (type) {
    case Req::Feedback:
        return feedback(request);
    case Req::PagList:
        return pagList();
    case Req::PagPreference:
        return pagPreference(request);
    case Req::ViolationList:
        return violations();
    default:
        return peers();
    }
}

std::optional<int> Services::refusal(const QString& kind, bool planned)
{
    const auto code = planned ? m_agent.outcomes().takePlanned(kind) : m_agent.outcomes().takeForced(kind);
    if (code && *code != Code::Success)
        return code;
    return std::nullopt;
}

Reply Services::feedback(const JsonView& request)
{
    const JsonView req = request.object(QStringLiteral("feedback"));
    const QString title = req.string(QStringLiteral("title"));
    const QString description = req.string(QStringLiteral("description"));
    if (!request.ok())
        return {};
    // A forced code is the whole answer, so a forced 0 is a success without a ticket id.
    if (const auto forced = m_agent.outcomes().takeForced(QStringLiteral("feedback")))
        return m_agent.answer(Msg::FeedbackResult, *forced);
    if (m_agent.state().activationState != 1)
        return m_agent.answer(Msg::FeedbackResult, Code::AgentNotActivated);
    if (const auto planned = refusal(QStringLiteral("feedback"), true))
        return m_agent.answer(Msg::FeedbackResult, *planned);
    if (title.trimmed().isEmpty())
        return m_agent.answer(Msg::FeedbackResult, Code::FeedbackFailed, {}, QStringLiteral("feedback without title"));
    const QString ticket = m_agent.scenario().ticketPrefix + QString::number(m_nextTicket++);
    m_agent.note(QStringLiteral("feedback ticket ") + ticket,
                 {{QStringLiteral("title"), title}, {QStringLiteral("characters"), description.size()}});
    return m_agent.answer(Msg::FeedbackResult, Code::Success,
                          {{QStringLiteral("feedback"), QJsonObject{{QStringLiteral("ticket_id"), ticket}}}});
}

Reply Services::pagList()
{
    if (const auto forced = refusal(QStringLiteral("pags"), false))
        return m_agent.answer(Msg::PagListing, *forced);
    const AgentState& state = m_agent.state();
    if (state.activationState != 1 || !state.secconn.enabled)
        return m_agent.answer(Msg::PagListing, Code::NotSubscribed);
    if (const auto planned = refusal(QStringLiteral("pags"), true))
        return m_agent.answer(Msg::PagListing, *planned);
    return m_agent.answer(Msg::PagListing, Code::Success,
                          {{QStringLiteral("pag_listing"), m_agent.catalog().pagListing()}});
}

Reply Services::pagPreference(const JsonView& request)
{
    const JsonView req = request.object(QStringLiteral("pag_preference"));
    const QString id = req.string(QStringLiteral("id"));
    const int type = int(req.integer(QStringLiteral("type")));
    if (!request.ok())
        return {};
    auto refuse = [this](int code, const QString& why) {
        return m_agent.answer(Msg::PagPreference, code, {}, why);
    };
    if (const auto forced = refusal(QStringLiteral("pref"), false))
        return refuse(*forced, QStringLiteral("forced from the console"));
    AgentState& state = m_agent.state();
    if (state.activationState != 1 || !state.secconn.enabled)
        return refuse(Code::PagPreferenceFailed, QStringLiteral("the secure connection is not offered"));
    if (!state.secconn.pagSelectionAllowed)
        return refuse(Code::PagPreferenceFailed, QStringLiteral("gateway selection is not allowed"));
    const Gateway* gateway = m_agent.catalog().gateway(id);
    if (!gateway || gateway->type != type)
        return refuse(Code::PagPreferenceFailed, QStringLiteral("no gateway %1 of type %2").arg(id).arg(type));
    if (!gateway->inService())
        return refuse(Code::PagPreferenceFailed, QStringLiteral("gateway %1 is out of service").arg(id));
    if (const auto planned = refusal(QStringLiteral("pref"), true))
        return refuse(*planned, QStringLiteral("planned by the scenario"));
    state.prefPagId = gateway->id;
    state.prefPagType = gateway->type;
    m_agent.note(QStringLiteral("preferred gateway ") + gateway->name);
    m_agent.changed();
    if (m_agent.walker().isConnected() && state.secconn.pagName != gateway->name)
        m_agent.walker().reroute();
    return m_agent.answer(Msg::PagPreference, Code::Success);
}

Reply Services::violations()
{
    if (const auto forced = refusal(QStringLiteral("violations"), false))
        return m_agent.answer(Msg::ViolationListing, *forced);
    AgentState& state = m_agent.state();
    if (state.activationState != 1 || !state.dpmEnabled)
        return m_agent.answer(Msg::ViolationListing, Code::ViolationListFailed, {},
                              QStringLiteral("compliance checks are not enabled"));
    if (const auto planned = refusal(QStringLiteral("violations"), true))
        return m_agent.answer(Msg::ViolationListing, *planned);
    // The findings count as seen once listed.
    if (state.notifyViolation) {
        state.notifyViolation = false;
        m_agent.changed();
    }
    return m_agent.answer(Msg::ViolationListing, Code::Success,
                          {{QStringLiteral("violation_list"), m_agent.catalog().violationList()}});
}

Reply Services::peers()
{
    if (const auto forced = refusal(QStringLiteral("peers"), false))
        return m_agent.answer(Msg::PeerListing, *forced);
    const AgentState& state = m_agent.state();
    if (state.activationState != 1 || !state.secconn.enabled || !state.secconn.peerDiscoveryAllowed)
        return m_agent.answer(Msg::PeerListing, Code::PeerListingFailed, {},
                              QStringLiteral("peer discovery is not allowed"));
    if (const auto planned = refusal(QStringLiteral("peers"), true))
        return m_agent.answer(Msg::PeerListing, *planned);
    return m_agent.answer(Msg::PeerListing, Code::Success,
                          {{QStringLiteral("peer_listing"), m_agent.catalog().peerListing()}});
}

} // namespace agentsim
