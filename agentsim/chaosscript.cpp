#include "chaosscript.h"

#include "catalog.h"
#include "chaosrandom.h"
#include "codes.h"
#include "listinggenerator.h"
#include "simagent.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

namespace agentsim {

namespace {

// Names as agents and administrators really write them: other scripts, right-to-left, emoji, blanks, very long.
const char* const namePieces[] = {
    "Frankfurt 1",
    "서울 게이트웨이",
    "İstanbul Şube",
    "São Paulo – Centro",
    "Москва",
    "القاهرة",
    "東京",
    "🚀 Launch",
    "O'Brien's PC",
    "<b>not markup</b>",
    "C:\\Users\\jdoe\\Desktop",
    "tab\there",
    "ann@acme-industries.example",
};

QString randomName(ChaosRandom& random)
{
    const int pick = random.below(int(std::size(namePieces)) + 2);
    if (pick == int(std::size(namePieces)))
        return QString();
    if (pick == int(std::size(namePieces)) + 1)
        return QString(random.between(200, 2000), QChar(u'ä'));
    return QString::fromUtf8(namePieces[pick]);
}

QString randomAddress(ChaosRandom& random)
{
    return QStringLiteral("10.%1.%2.%3").arg(random.below(256)).arg(random.below(256)).arg(random.between(1, 254));
}

AgentState randomState(ChaosRandom& random)
{
    AgentState s;
    const int enrolment = random.below(100);
    s.activationState = enrolment < 25 ? 0 : enrolment < 85 ? 1 : 2;
    s.dataAvailable = random.percent(85);
    s.email = random.percent(30) ? QString() : randomName(random);
    s.adAuthState = random.below(4);
    s.entName = randomName(random);
    s.devName = randomName(random);
    s.edrEnabled = random.percent(40);
    s.edrStatus = random.below(3);
    s.dpmEnabled = random.percent(60);
    s.notifyViolation = random.percent(15);
    s.userIdMethod = random.below(6);
    s.deactCfg = random.between(1, 3);
    s.agentIsolated = random.percent(8);
    s.forcedSignin = random.percent(10);
    auto& c = s.secconn;
    c.enabled = random.percent(80);
    c.status = random.between(1, 5);
    c.state = c.status == 2 ? 8 : c.status == 1 ? random.between(1, 6) : 0;
    c.userControlDisabled = random.percent(10);
    c.privateIp = randomAddress(random);
    c.publicIp = randomAddress(random);
    c.tunnelIp = randomAddress(random);
    c.pagIp = randomAddress(random);
    c.pagName = randomName(random);
    c.intfName = QStringLiteral("vexa0");
    c.fullTunnelEnabled = random.percent(50);
    c.tunnelUptime = random.below(100000);
    c.pagSelectionAllowed = random.percent(50);
    c.peerDiscoveryAllowed = random.percent(50);
    return s;
}

QByteArray line(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QJsonObject message(int type, const AgentState& world, const QJsonObject& response = {})
{
    QJsonObject out{{QStringLiteral("type"), type}, {QStringLiteral("agentinfo"), world.toJson()}};
    if (!response.isEmpty())
        out.insert(QStringLiteral("response"), response);
    return out;
}

QJsonObject listing(const QString& kind, int count, ChaosRandom& random)
{
    if (kind == QLatin1String("pags")) {
        Catalog catalog;
        catalog.setGateways(generatedGateways(count));
        return SimAgent::response(Code::Success, {{QStringLiteral("pag_listing"), catalog.pagListing()}});
    }
    if (kind == QLatin1String("findings"))
        return SimAgent::response(Code::Success, {{QStringLiteral("violation_list"), generatedFindings(count)}});
    // Names unique within the listing and new from one listing to the next, as a real network's would be.
    const quint64 tag = random.next() % 1000000;
    QJsonArray peers;
    for (int i = 0; i < count; ++i)
        peers.append(QJsonObject{
            {QStringLiteral("caname"), QStringLiteral("%1-%2-%3").arg(randomName(random).left(40)).arg(tag).arg(i)},
            {QStringLiteral("drname"), QStringLiteral("DESKTOP-%1-%2").arg(tag).arg(i)},
            {QStringLiteral("addr"),
             QStringLiteral("100.%1.%2.%3").arg(64 + i / 62500).arg(i / 250 % 250).arg(i % 250 + 1)}});
    return SimAgent::response(Code::Success,
                              {{QStringLiteral("peer_listing"), QJsonObject{{QStringLiteral("peers"), peers}}}});
}

int listingMessage(const QString& kind)
{
    return kind == QLatin1String("pags")       ? Msg::PagListing
           : kind == QLatin1String("findings") ? Msg::ViolationListing
                                               : Msg::PeerListing;
}

// An answer of any kind, as the agent might send it unasked or twice: every outcome the contract knows.
QJsonObject randomResponse(int type, ChaosRandom& random)
{
    switch (type) {
    case Msg::BrowserAuth:
        return SimAgent::response(
            Code::BrowserLaunch,
            random.percent(50) ? QJsonObject{{QStringLiteral("authentication_resp"),
                                              QJsonObject{{QStringLiteral("browser_launch_url"),
                                                           QStringLiteral("https://sso.example.invalid/authorize")}}}}
                               : QJsonObject{});
    case Msg::QrInfo:
        return SimAgent::response(
            Code::Success,
            {{QStringLiteral("act_qr_info"),
              QJsonObject{{QStringLiteral("code"),
                           QStringLiteral("https://enroll.example.invalid/d/%1").arg(random.next() % 100000)}}}});
    default:
        break;
    }
    const int codes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                         16, 17, 18, 19, 20, 21, 22, 24, 25, 26, 29, 30, 31, 32, 33, 34};
    const int code = codes[random.below(int(std::size(codes)))];
    QJsonObject payload;
    if (code == Code::OtpSent || code == Code::OtpResendBlocked || code == Code::OtpAttemptsBlocked) {
        const QJsonObject times{{QStringLiteral("next_attempt_unix"), random.below(120)},
                                {QStringLiteral("next_atttempt_unix"), random.below(120)},
                                {QStringLiteral("otp_validity"), random.below(600)}};
        payload = {{QStringLiteral("user_registration_resp"), times},
                   {QStringLiteral("activation_resp"), times},
                   {QStringLiteral("user_activation_resp"), times}};
    }
    return SimAgent::response(code, payload);
}

QJsonObject notice(ChaosRandom& random)
{
    if (random.percent(30))
        return SimAgent::response(Code::RebootRequired);
    const int kind = random.between(1, 3);
    const QJsonObject netAccess{
        {QStringLiteral("type"), kind},
        {QStringLiteral("block_time_unix"), QDateTime::currentSecsSinceEpoch() + random.between(-30, 600)},
        {QStringLiteral("blocked_subnets"), random.percent(50) ? QStringLiteral("10.0.0.0/8") : QString()}};
    return SimAgent::response(Code::NetAccessNotice, {{QStringLiteral("notification"),
                                                       QJsonObject{{QStringLiteral("net_access"), netAccess}}}});
}

// Fields taken out or emptied at random: what a reader must not trust in any particular way.
QJsonObject partialSnapshot(const AgentState& state, ChaosRandom& random)
{
    QJsonObject info = state.toJson();
    for (const QString& key : info.keys()) {
        if (random.percent(30))
            info.remove(key);
        else if (info.value(key).isString() && random.percent(30))
            info.insert(key, QString());
    }
    return info;
}

QByteArray malformed(const QString& form, ChaosRandom& random)
{
    if (form == QLatin1String("overlong")) {
        // Mostly within the window's line limit, now and then past it (16 MiB).
        const int bytes = random.percent(10) ? 17 * 1024 * 1024 : random.between(64 * 1024, 2 * 1024 * 1024);
        return QByteArray(bytes, 'x');
    }
    if (form == QLatin1String("array"))
        return QByteArrayLiteral("[1,2,3]");
    if (form == QLatin1String("unknown-type"))
        return QByteArrayLiteral("{\"type\":") + QByteArray::number(random.between(15, 1000)) + "}";
    if (form == QLatin1String("mistyped"))
        return QByteArrayLiteral(
            "{\"type\":\"zero\",\"agentinfo\":{\"activation_state\":\"1\",\"secconn\":[],\"data_available\":7}}");
    if (form == QLatin1String("empty"))
        return QByteArray();
    return QByteArrayLiteral("{\"type\":0,\"agentinfo\":{\"activation_state\":1");
}

} // namespace

QJsonObject ChaosStep::toJson() const
{
    return {{QStringLiteral("step"), index},
            {QStringLiteral("wait_ms"), waitMs},
            {QStringLiteral("op"), op},
            {QStringLiteral("params"), params}};
}

std::optional<ChaosStep> ChaosStep::fromJson(const QJsonObject& entry)
{
    if (!entry.value(QLatin1String("op")).isString())
        return std::nullopt;
    return ChaosStep{entry.value(QLatin1String("step")).toInt(), entry.value(QLatin1String("wait_ms")).toInt(),
                     entry.value(QLatin1String("op")).toString(), entry.value(QLatin1String("params")).toObject()};
}

namespace ChaosScript {

ChaosStep nextStep(ChaosRandom& random, int index)
{
    struct Weighted
    {
        const char* op;
        int weight;
    };
    static const Weighted ops[] = {{"snapshot", 20}, {"partial", 5},   {"answer", 12}, {"notice", 5},
                                   {"listing", 9},   {"malformed", 6}, {"burst", 3},   {"drop", 3},
                                   {"restart", 2},   {"silence", 2},   {"answers", 5}, {"quiet", 7}};
    int total = 0;
    for (const Weighted& w : ops)
        total += w.weight;
    int pick = random.below(total);
    const Weighted* chosen = ops;
    while (pick >= chosen->weight)
        pick -= (chosen++)->weight;

    ChaosStep step;
    step.index = index;
    step.waitMs = random.percent(90) ? random.below(400) : random.between(400, 2000);
    step.op = QLatin1String(chosen->op);
    QJsonObject& p = step.params;
    p.insert(QStringLiteral("seed"), QString::number(random.next()));
    if (step.op == QLatin1String("listing")) {
        static const char* const kinds[] = {"pags", "findings", "peers"};
        p.insert(QStringLiteral("kind"), QLatin1String(kinds[random.below(3)]));
        const int size = random.below(100);
        p.insert(QStringLiteral("count"), size < 70   ? random.below(50)
                                          : size < 90 ? random.between(50, 1000)
                                                      : random.between(1000, 5000));
    } else if (step.op == QLatin1String("malformed")) {
        static const char* const forms[] = {"text", "array", "unknown-type", "mistyped", "overlong", "empty"};
        p.insert(QStringLiteral("form"), QLatin1String(forms[random.below(int(std::size(forms)))]));
    } else if (step.op == QLatin1String("burst")) {
        p.insert(QStringLiteral("count"), random.between(100, 500));
    } else if (step.op == QLatin1String("restart")) {
        p.insert(QStringLiteral("ms"), random.between(500, 8000));
    } else if (step.op == QLatin1String("silence")) {
        p.insert(QStringLiteral("ms"), random.between(1000, 10000));
    } else if (step.op == QLatin1String("quiet")) {
        p.insert(QStringLiteral("ms"), random.between(2500, 4000));
    } else if (step.op == QLatin1String("answers")) {
        static const char* const modes[] = {"normal", "normal", "refuse", "late", "never", "twice"};
        p.insert(QStringLiteral("mode"), QLatin1String(modes[random.below(int(std::size(modes)))]));
    }
    return step;
}

ChaosLines linesFor(const ChaosStep& step, AgentState& world)
{
    ChaosRandom random(step.params.value(QLatin1String("seed")).toString().toULongLong());
    ChaosLines out;
    auto whole = [&](const QJsonObject& message) {
        out.lines.append(line(message));
        out.changesSnapshot = true;
        out.snapshot = world;
    };
    const QString& op = step.op;
    if (op == QLatin1String("snapshot")) {
        world = randomState(random);
        whole(message(Msg::StateUpdate, world));
    } else if (op == QLatin1String("burst")) {
        for (int i = step.params.value(QLatin1String("count")).toInt(); i > 0; --i) {
            world = randomState(random);
            whole(message(Msg::StateUpdate, world));
        }
    } else if (op == QLatin1String("partial")) {
        QJsonObject partial{{QStringLiteral("type"), Msg::StateUpdate}};
        if (random.percent(80))
            partial.insert(QStringLiteral("agentinfo"), partialSnapshot(randomState(random), random));
        out.lines.append(line(partial));
        out.changesSnapshot = true;
    } else if (op == QLatin1String("answer")) {
        static const int types[] = {Msg::ActivationResult, Msg::StatusResult,  Msg::DeactivationResult,
                                    Msg::UserRegistration, Msg::SignOutResult, Msg::UserActivation,
                                    Msg::FeedbackResult,   Msg::BrowserAuth,   Msg::PagPreference,
                                    Msg::QrInfo,           Msg::PagListing,    Msg::ViolationListing,
                                    Msg::PeerListing};
        const int type = types[random.below(int(std::size(types)))];
        whole(message(type, world, randomResponse(type, random)));
    } else if (op == QLatin1String("notice")) {
        whole(message(Msg::Notice, world, notice(random)));
    } else if (op == QLatin1String("listing")) {
        const QString kind = step.params.value(QLatin1String("kind")).toString();
        whole(message(listingMessage(kind), world,
                      listing(kind, step.params.value(QLatin1String("count")).toInt(), random)));
    } else if (op == QLatin1String("malformed")) {
        const QString form = step.params.value(QLatin1String("form")).toString();
        out.lines.append(malformed(form, random));
        // A mistyped snapshot may be read in part; nothing can be said of the window's view until the next whole one.
        out.changesSnapshot = form == QLatin1String("mistyped");
    }
    return out;
}

QList<QByteArray> answerTo(int requestType, AnswerMode mode, const AgentState& world, ChaosRandom& random)
{
    if (requestType == Req::RebootCancelled || mode == AnswerMode::Never)
        return {};
    QByteArray answer;
    if (requestType == Req::Subscribe || requestType == Req::SecureConnection) {
        answer = line(message(Msg::StateUpdate, world));
    } else {
        static const QHash<int, int> answerType{{Req::Activate, Msg::ActivationResult},
                                                {Req::ActivationStatus, Msg::StatusResult},
                                                {Req::Deactivate, Msg::DeactivationResult},
                                                {Req::UserRegister, Msg::UserRegistration},
                                                {Req::UserActivate, Msg::UserActivation},
                                                {Req::UserDeregister, Msg::SignOutResult},
                                                {Req::Feedback, Msg::FeedbackResult},
                                                {Req::PagList, Msg::PagListing},
                                                {Req::PagPreference, Msg::PagPreference},
                                                {Req::ViolationList, Msg::ViolationListing},
                                                {Req::QrInfo, Msg::QrInfo},
                                                {Req::PeerList, Msg::PeerListing}};
        const int type = answerType.value(requestType, -1);
        if (type < 0)
            return {};
        QJsonObject response;
        if (mode == AnswerMode::Refuse) {
            response = SimAgent::response(type == Msg::PagListing         ? Code::PagListingFailed
                                          : type == Msg::ViolationListing ? Code::ViolationListFailed
                                          : type == Msg::PeerListing      ? Code::PeerListingFailed
                                                                          : Code::ConnectivityFailure);
        } else if (type == Msg::PagListing || type == Msg::ViolationListing || type == Msg::PeerListing) {
            const QString kind = type == Msg::PagListing         ? QStringLiteral("pags")
                                 : type == Msg::ViolationListing ? QStringLiteral("findings")
                                                                 : QStringLiteral("peers");
            response = listing(kind, random.below(60), random);
        } else {
            response = randomResponse(type, random);
        }
        answer = line(message(type, world, response));
    }
    return mode == AnswerMode::Twice ? QList<QByteArray>{answer, answer} : QList<QByteArray>{answer};
}

std::optional<AnswerMode> modeNamed(const QString& name)
{
    static const QHash<QString, AnswerMode> modes{{QStringLiteral("normal"), AnswerMode::Normal},
                                                  {QStringLiteral("refuse"), AnswerMode::Refuse},
                                                  {QStringLiteral("late"), AnswerMode::Late},
                                                  {QStringLiteral("never"), AnswerMode::Never},
                                                  {QStringLiteral("twice"), AnswerMode::Twice}};
    const auto it = modes.constFind(name);
    return it == modes.constEnd() ? std::nullopt : std::optional<AnswerMode>(*it);
}

QJsonObject truthOf(const AgentState& s)
{
    return {{QStringLiteral("activation_state"), s.activationState},
            {QStringLiteral("data_available"), s.dataAvailable},
            {QStringLiteral("secconn_enabled"), s.secconn.enabled},
            {QStringLiteral("secconn_status"), s.secconn.status},
            {QStringLiteral("pag_name"), s.secconn.pagName}};
}

} // namespace ChaosScript

} // namespace agentsim
