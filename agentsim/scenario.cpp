#include "scenario.h"

#include "agentstate.h"
#include "catalog.h"
#include "jsonview.h"
#include "outcomeplan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

// Resources compiled into a static library are only linked in when something refers to them.
static void initScenarioResources()
{
    Q_INIT_RESOURCE(scenarios);
}

namespace agentsim {

namespace {

const QString resourceDir = QStringLiteral(":/agentsim/scenarios");

std::optional<QJsonObject> readJsonObject(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1: %2 at offset %3").arg(path, parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        *error = path + QStringLiteral(": the top level must be an object");
        return std::nullopt;
    }
    return doc.object();
}

QJsonObject builtinDefaultJson()
{
    initScenarioResources();
    QString error;
    const auto json = readJsonObject(resourceDir + QStringLiteral("/default.json"), &error);
    Q_ASSERT_X(json, "Scenario", "the built-in default scenario must load");
    return json.value_or(QJsonObject());
}

NetworkProfile readNetwork(const JsonView& in)
{
    in.allowOnly({QStringLiteral("intf_name"), QStringLiteral("private_ip"), QStringLiteral("private_port"),
                  QStringLiteral("public_ip"), QStringLiteral("public_port"), QStringLiteral("tunnel_ip"),
                  QStringLiteral("full_tunnel")});
    NetworkProfile n;
    n.intfName = in.string(QStringLiteral("intf_name"), JsonView::Optional);
    n.privateIp = in.string(QStringLiteral("private_ip"), JsonView::Optional);
    n.privatePort = int(in.integer(QStringLiteral("private_port"), JsonView::Optional, 0, 0, 65535));
    n.publicIp = in.string(QStringLiteral("public_ip"), JsonView::Optional);
    n.publicPort = int(in.integer(QStringLiteral("public_port"), JsonView::Optional, 0, 0, 65535));
    n.tunnelIp = in.string(QStringLiteral("tunnel_ip"), JsonView::Optional);
    n.fullTunnel = in.boolean(QStringLiteral("full_tunnel"), JsonView::Optional);
    return n;
}

OtpPolicy readOtp(const JsonView& in)
{
    in.allowOnly({QStringLiteral("code"), QStringLiteral("validity_s"), QStringLiteral("resend_wait_s"),
                  QStringLiteral("max_attempts"), QStringLiteral("block_s")});
    OtpPolicy p;
    p.code = in.string(QStringLiteral("code"), JsonView::Optional);
    bool digits = true;
    for (QChar c : p.code)
        digits = digits && c.isDigit();
    if (!digits || p.code.size() > 9)
        in.fail(in.pathOf(QStringLiteral("code")) + QStringLiteral(": up to nine digits expected"));
    p.validitySecs = int(in.integer(QStringLiteral("validity_s"), JsonView::Optional, 300, 0, 86399));
    p.resendWaitSecs = int(in.integer(QStringLiteral("resend_wait_s"), JsonView::Optional, 30, 0, 86399));
    p.maxAttempts = int(in.integer(QStringLiteral("max_attempts"), JsonView::Optional, 3, 1, 1000));
    p.blockSecs = int(in.integer(QStringLiteral("block_s"), JsonView::Optional, 90, 0, 86399));
    return p;
}

void readEnrollment(const JsonView& in, Scenario& s)
{
    in.allowOnly({QStringLiteral("codes"), QStringLiteral("taken_device_names"), QStringLiteral("approval_delay_ms"),
                  QStringLiteral("qr")});
    const JsonView codes = in.object(QStringLiteral("codes"), JsonView::Optional);
    for (auto it = codes.json().constBegin(); it != codes.json().constEnd(); ++it)
        s.activationCodes.insert(it.key().trimmed().toUpper(),
                                 int(codes.integer(it.key(), JsonView::Required, 0, 0, 1000)));
    const QJsonArray names = in.array(QStringLiteral("taken_device_names"), JsonView::Optional);
    for (const QJsonValue& v : names) {
        if (!v.isString())
            in.fail(in.pathOf(QStringLiteral("taken_device_names")) + QStringLiteral(": strings expected"));
        s.takenDeviceNames.append(v.toString().trimmed().toLower());
    }
    s.approvalDelayMs = in.integer(QStringLiteral("approval_delay_ms"), JsonView::Optional, 0, 0, INT_MAX);
    const JsonView qr = in.object(QStringLiteral("qr"), JsonView::Optional);
    qr.allowOnly({QStringLiteral("base_url"), QStringLiteral("scan_delay_ms"), QStringLiteral("backslashes")});
    s.qrBaseUrl = qr.string(QStringLiteral("base_url"), JsonView::Optional);
    s.qrScanDelayMs = qr.integer(QStringLiteral("scan_delay_ms"), JsonView::Optional, 0, 0, INT_MAX);
    s.qrBackslashes = qr.boolean(QStringLiteral("backslashes"), JsonView::Optional);
}

void readRest(const JsonView& root, Scenario& s)
{
    root.allowOnly({QStringLiteral("description"), QStringLiteral("port"), QStringLiteral("data_delay_ms"),
                    QStringLiteral("state"), QStringLiteral("enterprise"), QStringLiteral("network"),
                    QStringLiteral("enrollment"), QStringLiteral("otp"), QStringLiteral("signin"),
                    QStringLiteral("deactivation"), QStringLiteral("connection"), QStringLiteral("outcomes"),
                    QStringLiteral("feedback"), QStringLiteral("gateways"), QStringLiteral("violations"),
                    QStringLiteral("peers"), QStringLiteral("events")});
    s.description = root.string(QStringLiteral("description"), JsonView::Optional);
    s.port = int(root.integer(QStringLiteral("port"), JsonView::Optional, 0, 0, 65535));
    s.dataDelayMs = root.integer(QStringLiteral("data_delay_ms"), JsonView::Optional, 0, -1, INT_MAX);
    s.initialState = root.object(QStringLiteral("state"), JsonView::Optional).json();

    const JsonView enterprise = root.object(QStringLiteral("enterprise"), JsonView::Optional);
    enterprise.allowOnly({QStringLiteral("name"), QStringLiteral("email_domains"), QStringLiteral("agentinfo")});
    s.entName = enterprise.string(QStringLiteral("name"), JsonView::Optional);
    for (const QJsonValue& v : enterprise.array(QStringLiteral("email_domains"), JsonView::Optional)) {
        if (!v.isString())
            enterprise.fail(enterprise.pathOf(QStringLiteral("email_domains")) + QStringLiteral(": strings expected"));
        s.emailDomains.append(v.toString().toLower());
    }
    s.enterpriseInfo = enterprise.object(QStringLiteral("agentinfo"), JsonView::Optional).json();

    s.network = readNetwork(root.object(QStringLiteral("network"), JsonView::Optional));
    readEnrollment(root.object(QStringLiteral("enrollment"), JsonView::Optional), s);
    s.otp = readOtp(root.object(QStringLiteral("otp"), JsonView::Optional));

    const JsonView signin = root.object(QStringLiteral("signin"), JsonView::Optional);
    signin.allowOnly({QStringLiteral("ad_result"), QStringLiteral("ad_delay_ms"), QStringLiteral("browser_url")});
    s.adResult = int(signin.integer(QStringLiteral("ad_result"), JsonView::Optional, 3, 2, 3));
    s.adDelayMs = signin.integer(QStringLiteral("ad_delay_ms"), JsonView::Optional, 0, 0, INT_MAX);
    s.browserUrl = signin.string(QStringLiteral("browser_url"), JsonView::Optional);

    const JsonView deactivation = root.object(QStringLiteral("deactivation"), JsonView::Optional);
    deactivation.allowOnly({QStringLiteral("password")});
    s.deactivationPassword = deactivation.string(QStringLiteral("password"), JsonView::Optional);

    const JsonView connection = root.object(QStringLiteral("connection"), JsonView::Optional);
    connection.allowOnly({QStringLiteral("step_ms"), QStringLiteral("result"), QStringLiteral("auto_gateway")});
    s.stepMs = connection.integer(QStringLiteral("step_ms"), JsonView::Optional, 700, 0, 600000);
    s.connectResult = connection.string(QStringLiteral("result"), JsonView::Optional, QStringLiteral("connected"));
    if (!QStringList{QStringLiteral("connected"), QStringLiteral("in_network"), QStringLiteral("timeout")}.contains(
            s.connectResult))
        connection.fail(connection.pathOf(QStringLiteral("result")) +
                        QStringLiteral(": one of connected, in_network, timeout expected"));
    s.autoGateway = connection.string(QStringLiteral("auto_gateway"), JsonView::Optional);

    s.outcomes = root.object(QStringLiteral("outcomes"), JsonView::Optional).json();
    const JsonView feedback = root.object(QStringLiteral("feedback"), JsonView::Optional);
    feedback.allowOnly({QStringLiteral("ticket_prefix"), QStringLiteral("first_ticket")});
    s.ticketPrefix = feedback.string(QStringLiteral("ticket_prefix"), JsonView::Optional);
    s.firstTicket = int(feedback.integer(QStringLiteral("first_ticket"), JsonView::Optional, 1, 0, INT_MAX / 2));

    s.gateways = root.array(QStringLiteral("gateways"), JsonView::Optional);
    s.violations = root.object(QStringLiteral("violations"), JsonView::Optional).json();
    s.peers = root.array(QStringLiteral("peers"), JsonView::Optional);

    root.array(QStringLiteral("events"), JsonView::Optional);
}

} // namespace

QStringList Scenario::builtinNames()
{
    initScenarioResources();
    QStringList names;
    for (const QString& file : QDir(resourceDir).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        names.append(QFileInfo(file).completeBaseName());
    return names;
}

QJsonObject Scenario::merged(const QJsonObject& base, const QJsonObject& overlay)
{
    QJsonObject out = base;
    for (auto it = overlay.constBegin(); it != overlay.constEnd(); ++it) {
        const QJsonValue current = out.value(it.key());
        if (current.isObject() && it->isObject())
            out.insert(it.key(), merged(current.toObject(), it->toObject()));
        else
            out.insert(it.key(), it.value());
    }
    return out;
}

std::optional<Scenario> Scenario::fromOverlay(const QJsonObject& overlay, const QString& name, QString* error)
{
    const QJsonObject json = merged(builtinDefaultJson(), overlay);
    QStringList errors;
    Scenario s;
    s.name = name;
    const JsonView root(json, QString(), &errors);
    readRest(root, s);

    const QJsonArray events = json.value(QStringLiteral("events")).toArray();
    for (int i = 0; i < events.size(); ++i) {
        if (!events.at(i).isObject()) {
            errors.append(QStringLiteral("events[%1]: expected an object").arg(i));
            continue;
        }
        const JsonView event(events.at(i).toObject(), QStringLiteral("events[%1]").arg(i), &errors);
        event.allowOnly({QStringLiteral("at_ms"), QStringLiteral("command")});
        ScheduledCommand c;
        c.atMs = event.integer(QStringLiteral("at_ms"), JsonView::Required, 0, 0, INT_MAX);
        c.command = event.string(QStringLiteral("command"));
        s.events.append(c);
    }

    // The state blocks and the catalogue are checked here, by the same code that will use them, so that a broken
    // file is reported at start rather than at the first request.
    AgentState probe;
    QString stateError;
    if (!probe.apply(s.initialState, &stateError))
        errors.append(QStringLiteral("state.") + stateError);
    if (!probe.apply(s.enterpriseInfo, &stateError))
        errors.append(QStringLiteral("enterprise.agentinfo.") + stateError);
    Catalog catalog;
    catalog.load(s.gateways, s.violations, s.peers, &errors);
    OutcomePlan plan;
    plan.load(s.outcomes, &errors);
    if (!s.autoGateway.isEmpty() && !catalog.gateway(s.autoGateway))
        errors.append(QStringLiteral("connection.auto_gateway: no gateway with id ") + s.autoGateway);

    if (!errors.isEmpty()) {
        *error = name + QStringLiteral(": ") + errors.mid(0, 5).join(QStringLiteral("; "));
        return std::nullopt;
    }
    return s;
}

std::optional<Scenario> Scenario::load(const QString& fileOrName, QString* error)
{
    initScenarioResources();
    QString path = fileOrName;
    QString name = QFileInfo(fileOrName).completeBaseName();
    if (!QFileInfo::exists(path)) {
        path = resourceDir + QLatin1Char('/') + fileOrName + QStringLiteral(".json");
        name = fileOrName;
        if (!QFileInfo::exists(path)) {
            *error = QStringLiteral("no scenario file or built-in scenario named \"%1\" (built-in: %2)")
                         .arg(fileOrName, builtinNames().join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    const auto overlay = readJsonObject(path, error);
    if (!overlay)
        return std::nullopt;
    return fromOverlay(*overlay, name, error);
}

} // namespace agentsim
