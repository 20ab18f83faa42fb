#include "commands.h"

#include "codes.h"
#include "enrollment.h"
#include "listinggenerator.h"
#include "simagent.h"
#include "simclock.h"
#include "simserver.h"
#include "userauth.h"

#include <QJsonDocument>

namespace agentsim {

namespace {

QString ok(const QString& text)
{
    return QStringLiteral("ok: ") + text;
}

QString error(const QString& text)
{
    return QStringLiteral("error: ") + text;
}

std::optional<bool> onOff(const QStringList& args, int index, const char* on, const char* off)
{
    if (args.size() != index + 1)
        return std::nullopt;
    if (args.at(index) == QLatin1String(on))
        return true;
    if (args.at(index) == QLatin1String(off))
        return false;
    return std::nullopt;
}

} // namespace

Commands::Commands(SimAgent& agent, SimServer* server, QObject* parent)
    : QObject(parent), m_agent(agent), m_server(server)
{}

QString Commands::helpText()
{
    return QStringLiteral(
        "Commands:\n"
        "  help                          this list\n"
        "  state                         the current snapshot and simulator facts\n"
        "  clients                       the connected clients\n"
        "  approve | deny                decide a pending activation as the administrator\n"
        "  scan                          the phone scanned the QR code shown; the activation with it goes through\n"
        "  notice block [SUBNETS]        network access blocked (message type 11, code 28, kind 1)\n"
        "  notice warn SECONDS [SUBNETS] access will be blocked in SECONDS (kind 2), then it is (kind 1)\n"
        "  notice enable                 network access enabled again (kind 3); cancels a pending block\n"
        "  reboot                        ask for a reboot (message type 11, code 36)\n"
        "  isolate | unisolate           isolate the device as the administrator, or end it\n"
        "  data off | data on            the agent loses its data, or gets it back\n"
        "  gateway down ID | gateway up ID   take a gateway out of service, or back\n"
        "  gateway use ID                the agent moves the tunnel to gateway ID (becomes the preferred one)\n"
        "  gateway selection on|off      allow or forbid choosing the preferred gateway\n"
        "  gateway list                  the gateways and their ids\n"
        "  tunnel up | tunnel down       the agent switches the secure connection by itself\n"
        "  tunnel full | tunnel split    route all traffic through the tunnel, or only the enterprise's\n"
        "  secure-access on|off          offer or withdraw the secure connection\n"
        "  control lock | control unlock forbid or allow the user to switch the connection\n"
        "  violations on|off             raise or clear the compliance-findings flag\n"
        "  peers on|off                  allow or forbid peer discovery\n"
        "  edr on|off | edr status N     endpoint protection subscription and status\n"
        "  adauth 0|1|2|3                set the directory sign-in state\n"
        "  browser [URL]                 send a browser-authentication step (message type 8, code 23)\n"
        "  signout                       the agent signs the user out\n"
        "  signin EMAIL                  the agent signs EMAIL in (as a directory sign-in would)\n"
        "  config user-id 0..5           user identification method (1 email, 2-5 directory, 0 none)\n"
        "  config deact 1|2|3            deactivation: confirmation, password, not allowed\n"
        "  next KIND CODE                the next KIND request gets outcome CODE; KIND is one of\n"
        "                                activate status deactivate register verify signout feedback pags pref\n"
        "                                violations peers (next feedback 0: success without a ticket id)\n"
        "  raw LINE                      send LINE to every client as it stands, valid or not\n"
        "  generate gateways|peers|findings N   the listings hold N generated entries from now on\n"
        "  delay [MS]                    answer every request MS milliseconds late (0: at once); alone: the delay\n"
        "  disconnect                    close every client connection (clients reconnect by themselves)\n"
        "  quit                          stop the simulator");
}

QString Commands::run(const QString& line)
{
    const QStringList args = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (args.isEmpty())
        return {};
    const QString verb = args.first().toLower();
    AgentState& state = m_agent.state();

    if (verb == QLatin1String("help") || verb == QLatin1String("?"))
        return helpText();
    if (verb == QLatin1String("state"))
        return stateText();
    if (verb == QLatin1String("clients")) {
        const QStringList clients = m_server ? m_server->clientSummaries() : QStringList();
        return clients.isEmpty() ? QStringLiteral("no clients") : clients.join(QLatin1Char('\n'));
    }
    if (verb == QLatin1String("approve"))
        return m_agent.enrollment().approve();
    if (verb == QLatin1String("deny"))
        return m_agent.enrollment().deny();
    if (verb == QLatin1String("scan"))
        return m_agent.enrollment().scan();
    if (verb == QLatin1String("notice"))
        return notice(args);
    if (verb == QLatin1String("reboot")) {
        m_agent.broadcast(Msg::Notice, SimAgent::response(Code::RebootRequired));
        return ok(QStringLiteral("reboot requested"));
    }
    if (verb == QLatin1String("isolate") || verb == QLatin1String("unisolate"))
        return isolate(verb == QLatin1String("isolate"));
    if (verb == QLatin1String("data"))
        return setFlag(args, "data available", &state.dataAvailable, false);
    if (verb == QLatin1String("gateway"))
        return gateway(args);
    if (verb == QLatin1String("tunnel"))
        return tunnel(args);
    if (verb == QLatin1String("secure-access"))
        return secureAccess(args);
    if (verb == QLatin1String("control")) {
        const auto lock = onOff(args, 1, "lock", "unlock");
        if (!lock)
            return error(QStringLiteral("usage: control lock|unlock"));
        state.secconn.userControlDisabled = *lock;
        m_agent.changed();
        return ok(*lock ? QStringLiteral("the user may not switch the connection")
                        : QStringLiteral("the user may switch the connection"));
    }
    if (verb == QLatin1String("violations"))
        return setFlag(args, "compliance-findings flag", &state.notifyViolation, true);
    if (verb == QLatin1String("peers"))
        return setFlag(args, "peer discovery", &state.secconn.peerDiscoveryAllowed, true);
    if (verb == QLatin1String("edr"))
        return edr(args);
    if (verb == QLatin1String("adauth")) {
        bool valid = false;
        const int value = args.value(1).toInt(&valid);
        if (args.size() != 2 || !valid || value < 0 || value > 3)
            return error(QStringLiteral("usage: adauth 0|1|2|3"));
        state.adAuthState = value;
        m_agent.changed();
        return ok(QStringLiteral("directory sign-in state %1").arg(value));
    }
    if (verb == QLatin1String("browser")) {
        const QString url = args.size() > 1 ? args.at(1)
                                            : QStringLiteral("https://login.acme-industries.example/sso/authorize"
                                                             "?client_id=vexa-agent&response_type=code");
        m_agent.broadcast(
            Msg::BrowserAuth,
            SimAgent::response(Code::BrowserLaunch, {{QStringLiteral("authentication_resp"),
                                                      QJsonObject{{QStringLiteral("browser_launch_url"), url}}}}));
        return ok(QStringLiteral("browser step sent: ") + url);
    }
    if (verb == QLatin1String("signout"))
        return m_agent.users().signOutNow();
    if (verb == QLatin1String("signin"))
        return signIn(args);
    if (verb == QLatin1String("config"))
        return config(args);
    if (verb == QLatin1String("next"))
        return next(args);
    if (verb == QLatin1String("raw"))
        return raw(line);
    if (verb == QLatin1String("generate"))
        return generate(args);
    if (verb == QLatin1String("delay"))
        return answerDelay(args);
    if (verb == QLatin1String("disconnect")) {
        const int count = m_server ? m_server->clientCount() : 0;
        if (m_server)
            m_server->disconnectAll();
        return ok(QStringLiteral("%1 client(s) disconnected").arg(count));
    }
    if (verb == QLatin1String("quit") || verb == QLatin1String("exit")) {
        emit quitRequested();
        return ok(QStringLiteral("stopping"));
    }
    return error(QStringLiteral("unknown command \"%1\" (try help)").arg(verb));
}

QString Commands::answerDelay(const QStringList& args)
{
    if (!m_server)
        return error(QStringLiteral("no server"));
    if (args.size() == 1)
        return ok(QStringLiteral("answers %1 ms late").arg(m_server->answerDelay()));
    bool valid = false;
    const int ms = args.at(1).toInt(&valid);
    if (!valid || ms < 0 || ms > maxAnswerDelayMs)
        return error(QStringLiteral("delay needs milliseconds from 0 to %1").arg(maxAnswerDelayMs));
    m_server->setAnswerDelay(ms);
    return ok(QStringLiteral("answers %1 ms late").arg(ms));
}

QString Commands::setFlag(const QStringList& args, const char* what, bool* flag, bool activatedOnly)
{
    const auto on = onOff(args, 1, "on", "off");
    if (!on)
        return error(QStringLiteral("usage: %1 on|off").arg(args.first()));
    if (activatedOnly && m_agent.state().activationState != 1)
        return error(QStringLiteral("the device is not activated"));
    *flag = *on;
    m_agent.changed();
    return ok(QStringLiteral("%1 %2").arg(QLatin1String(what), *on ? QStringLiteral("on") : QStringLiteral("off")));
}

void Commands::sendNetAccess(int kind, qint64 blockAt, const QString& subnets)
{
    const QJsonObject netAccess{{QStringLiteral("type"), kind},
                                {QStringLiteral("block_time_unix"), blockAt},
                                {QStringLiteral("blocked_subnets"), subnets}};
    m_agent.broadcast(Msg::Notice, SimAgent::response(Code::NetAccessNotice,
                                                      {{QStringLiteral("notification"),
                                                        QJsonObject{{QStringLiteral("net_access"), netAccess}}}}));
}

QString Commands::notice(const QStringList& args)
{
    const QString kind = args.value(1);
    if (kind == QLatin1String("block") && args.size() <= 3) {
        ++m_blockRound;
        sendNetAccess(1, SimClock::wallSecs(), args.value(2));
        return ok(QStringLiteral("network access blocked"));
    }
    if (kind == QLatin1String("warn") && (args.size() == 3 || args.size() == 4)) {
        bool valid = false;
        const qint64 seconds = args.at(2).toLongLong(&valid);
        if (!valid || seconds < 0 || seconds > 7 * 24 * 3600)
            return error(QStringLiteral("usage: notice warn SECONDS [SUBNETS]"));
        const QString subnets = args.value(3);
        sendNetAccess(2, SimClock::wallSecs() + seconds, subnets);
        const quint64 round = ++m_blockRound;
        m_agent.clock().after(seconds * 1000, this, [this, round, subnets] {
            if (round == m_blockRound)
                emit output(run(QStringLiteral("notice block ") + subnets));
        });
        return ok(QStringLiteral("network access will be blocked in %1 s").arg(seconds));
    }
    if (kind == QLatin1String("enable") && args.size() == 2) {
        ++m_blockRound;
        sendNetAccess(3, 0, QString());
        return ok(QStringLiteral("network access enabled"));
    }
    return error(QStringLiteral("usage: notice block [SUBNETS] | notice warn SECONDS [SUBNETS] | notice enable"));
}

QString Commands::isolate(bool on)
{
    AgentState& state = m_agent.state();
    if (state.activationState != 1)
        return error(QStringLiteral("the device is not activated"));
    if (state.agentIsolated == on)
        return ok(on ? QStringLiteral("already isolated") : QStringLiteral("not isolated"));
    state.agentIsolated = on;
    if (on) {
        // An isolated device loses its tunnel and the offer of one until the administrator ends the isolation.
        m_agent.walker().dropNow();
        state.secconn.enabled = false;
    } else {
        AgentState offer;
        offer.apply(m_agent.scenario().enterpriseInfo, nullptr);
        state.secconn.enabled = offer.secconn.enabled;
    }
    m_agent.changed();
    return ok(on ? QStringLiteral("device isolated") : QStringLiteral("isolation ended"));
}

QString Commands::gateway(const QStringList& args)
{
    const QString action = args.value(1);
    Catalog& catalog = m_agent.catalog();
    if (action == QLatin1String("list") && args.size() == 2) {
        QStringList lines;
        for (const Gateway& g : catalog.gateways())
            lines.append(QStringLiteral("%1  %2 (%3, %4) %5")
                             .arg(g.id, g.name, g.city, g.country,
                                  g.inService() ? QStringLiteral("in service") : QStringLiteral("out of service")));
        return lines.join(QLatin1Char('\n'));
    }
    if (action == QLatin1String("selection")) {
        const auto on = onOff(args, 2, "on", "off");
        if (!on)
            return error(QStringLiteral("usage: gateway selection on|off"));
        m_agent.state().secconn.pagSelectionAllowed = *on;
        m_agent.changed();
        return ok(*on ? QStringLiteral("gateway selection allowed") : QStringLiteral("gateway selection forbidden"));
    }
    if (args.size() != 3 ||
        !QStringList{QStringLiteral("up"), QStringLiteral("down"), QStringLiteral("use")}.contains(action))
        return error(QStringLiteral("usage: gateway down|up|use ID, gateway selection on|off, gateway list"));
    Gateway* g = catalog.gateway(args.at(2));
    if (!g)
        return error(QStringLiteral("no gateway with id ") + args.at(2));
    AgentState& state = m_agent.state();
    if (action == QLatin1String("use")) {
        if (!g->inService())
            return error(g->id + QStringLiteral(" is out of service"));
        state.prefPagId = g->id;
        state.prefPagType = g->type;
        m_agent.changed();
        m_agent.walker().reroute();
        return ok(QStringLiteral("tunnel moves to ") + g->name);
    }
    g->status = action == QLatin1String("up") ? 1 : 0;
    // Losing the gateway in use sends the tunnel elsewhere, as an agent fails over.
    if (!g->inService() && m_agent.walker().isConnected() && state.secconn.pagName == g->name)
        m_agent.walker().reroute();
    m_agent.changed();
    return ok(QStringLiteral("%1 %2").arg(g->id, g->inService() ? QStringLiteral("in service")
                                                                : QStringLiteral("out of service")));
}

QString Commands::tunnel(const QStringList& args)
{
    const auto full = onOff(args, 1, "full", "split");
    if (full) {
        m_agent.walker().setFullTunnel(*full);
        m_agent.changed();
        return ok(*full ? QStringLiteral("full tunnel") : QStringLiteral("split tunnel"));
    }
    const auto up = onOff(args, 1, "up", "down");
    if (!up)
        return error(QStringLiteral("usage: tunnel up|down|full|split"));
    const AgentState& state = m_agent.state();
    if (state.activationState != 1 || !state.secconn.enabled)
        return error(QStringLiteral("the secure connection is not offered to this device"));
    if (*up)
        m_agent.walker().switchOn();
    else
        m_agent.walker().switchOff();
    return ok(*up ? QStringLiteral("connecting") : QStringLiteral("disconnecting"));
}

QString Commands::secureAccess(const QStringList& args)
{
    const auto on = onOff(args, 1, "on", "off");
    if (!on)
        return error(QStringLiteral("usage: secure-access on|off"));
    AgentState& state = m_agent.state();
    if (state.activationState != 1)
        return error(QStringLiteral("the device is not activated"));
    if (!*on)
        m_agent.walker().dropNow();
    state.secconn.enabled = *on;
    m_agent.changed();
    return ok(*on ? QStringLiteral("secure connection offered") : QStringLiteral("secure connection withdrawn"));
}

QString Commands::edr(const QStringList& args)
{
    AgentState& state = m_agent.state();
    if (args.size() == 3 && args.at(1) == QLatin1String("status")) {
        bool valid = false;
        const int status = args.at(2).toInt(&valid);
        if (!valid)
            return error(QStringLiteral("usage: edr status N"));
        state.edrStatus = status;
        m_agent.changed();
        return ok(QStringLiteral("EDR status %1").arg(status));
    }
    return setFlag(args, "endpoint protection", &state.edrEnabled, true);
}

QString Commands::signIn(const QStringList& args)
{
    AgentState& state = m_agent.state();
    if (args.size() != 2 || !args.at(1).contains(QLatin1Char('@')))
        return error(QStringLiteral("usage: signin EMAIL"));
    if (state.activationState != 1)
        return error(QStringLiteral("the device is not activated"));
    state.email = args.at(1);
    state.adAuthState = state.userIdMethod >= 2 ? 3 : 0;
    m_agent.changed();
    return ok(QStringLiteral("signed in ") + state.email);
}

QString Commands::config(const QStringList& args)
{
    bool valid = false;
    const int value = args.value(2).toInt(&valid);
    const QString what = args.value(1);
    AgentState& state = m_agent.state();
    if (args.size() == 3 && valid && what == QLatin1String("user-id") && value >= 0 && value <= 5) {
        state.userIdMethod = value;
        m_agent.changed();
        return ok(QStringLiteral("user identification method %1").arg(value));
    }
    if (args.size() == 3 && valid && what == QLatin1String("deact") && value >= 1 && value <= 3) {
        state.deactCfg = value;
        m_agent.changed();
        return ok(QStringLiteral("deactivation configuration %1").arg(value));
    }
    return error(QStringLiteral("usage: config user-id 0..5 | config deact 1|2|3"));
}

QString Commands::next(const QStringList& args)
{
    bool valid = false;
    const int code = args.value(2).toInt(&valid);
    if (args.size() != 3 || !OutcomePlan::kinds().contains(args.at(1)) || !valid || code < 0)
        return error(QStringLiteral("usage: next KIND CODE, KIND one of ") +
                     OutcomePlan::kinds().join(QLatin1Char(' ')));
    m_agent.outcomes().force(args.at(1), code);
    return ok(QStringLiteral("the next %1 request gets outcome %2").arg(args.at(1)).arg(code));
}

QString Commands::raw(const QString& line)
{
    // The rest of the line as typed, blanks inside kept: messages no scenario produces, for the UI's edge cases.
    const QString typed = line.trimmed();
    const QString rest = typed.mid(typed.indexOf(QLatin1Char(' ')) + 1).trimmed();
    if (typed.indexOf(QLatin1Char(' ')) < 0 || rest.isEmpty())
        return error(QStringLiteral("usage: raw LINE"));
    const int clients = m_server ? m_server->sendRaw(rest.toUtf8()) : 0;
    if (clients == 0)
        return error(QStringLiteral("no clients"));
    return ok(QStringLiteral("sent to %1 client(s)").arg(clients));
}

QString Commands::generate(const QStringList& args)
{
    bool valid = false;
    const int count = args.value(2).toInt(&valid);
    const QString kind = args.value(1);
    const QStringList kinds{QStringLiteral("gateways"), QStringLiteral("peers"), QStringLiteral("findings")};
    if (args.size() != 3 || !kinds.contains(kind) || !valid || count < 0 || count > 100000)
        return error(QStringLiteral("usage: generate gateways|peers|findings N, N from 0 to 100000"));
    Catalog& catalog = m_agent.catalog();
    if (kind == kinds.at(0))
        catalog.setGateways(generatedGateways(count));
    else if (kind == kinds.at(1))
        catalog.setPeers(generatedPeers(count));
    else
        catalog.setViolations(generatedFindings(count));
    return ok(QStringLiteral("%1 %2 listed from now on").arg(count).arg(kind));
}

QString Commands::stateText() const
{
    QString out = QString::fromUtf8(QJsonDocument(m_agent.snapshot()).toJson(QJsonDocument::Indented)).trimmed();
    out += QStringLiteral("\nscenario: %1; clients: %2; revision: %3")
               .arg(m_agent.scenario().name)
               .arg(m_server ? m_server->clientCount() : 0)
               .arg(m_agent.revision());
    if (!m_agent.qr().currentCode().isEmpty())
        out += QStringLiteral("\nQR code: %1 (%2)")
                   .arg(m_agent.qr().currentCode(),
                        m_agent.qr().scanned() ? QStringLiteral("scanned") : QStringLiteral("not scanned yet"));
    return out;
}

void Commands::scheduleScenarioEvents()
{
    for (const ScheduledCommand& event : m_agent.scenario().events) {
        const QString command = event.command;
        m_agent.clock().after(event.atMs, this, [this, command] {
            emit output(QStringLiteral("> ") + command + QLatin1Char('\n') + run(command));
        });
    }
}

} // namespace agentsim
