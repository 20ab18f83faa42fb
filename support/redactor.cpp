#include "support/redactor.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace {

const char* const kindNames[] = {"email", "user", "device", "enterprise", "ip", "subnet"};

// Below this length a name would blank out ordinary words wherever it stood alone.
constexpr int shortestName = 2;

bool isSecret(const QString& key)
{
    return key == QLatin1String("password") || key == QLatin1String("otp") || key == QLatin1String("code");
}

// The fields of the agent's messages and of the requests that hold one personal value as a whole.
std::optional<Redactor::Kind> personalField(const QString& parentKey, const QString& key)
{
    using Kind = Redactor::Kind;
    if (key == QLatin1String("email"))
        return Kind::Email;
    if (key == QLatin1String("username"))
        return Kind::User;
    if (key == QLatin1String("dev_name") || key == QLatin1String("caname") || key == QLatin1String("drname"))
        return Kind::Device;
    // The device name typed beside an activation code or an email address.
    if (key == QLatin1String("name") &&
        (parentKey == QLatin1String("act_code") || parentKey == QLatin1String("act_email")))
        return Kind::Device;
    if (key == QLatin1String("ent_name") || key == QLatin1String("svc_id"))
        return Kind::Enterprise;
    if (key == QLatin1String("ip") || key == QLatin1String("tunnel_ip") || key == QLatin1String("addr"))
        return Kind::Ip;
    return std::nullopt;
}

bool isNameKind(Redactor::Kind kind)
{
    return kind == Redactor::Kind::User || kind == Redactor::Kind::Device || kind == Redactor::Kind::Enterprise;
}

// The loopback and unspecified addresses name no one, and the link to the agent is all about them.
bool namesNoOne(const QHostAddress& address)
{
    return address.isLoopback() || address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6;
}

std::optional<QHostAddress> addressIn(QString text)
{
    text = text.section(QLatin1Char('/'), 0, 0).section(QLatin1Char('%'), 0, 0);
    QHostAddress address;
    if (!address.setAddress(text))
        return std::nullopt;
    return address;
}

// A sign-in link can carry tokens and the user's name in its query; where it leads is what the helpdesk needs.
QString withoutQuery(const QString& link)
{
    QUrl url(link);
    if (!url.isValid() || (!url.hasQuery() && !url.hasFragment() && url.userInfo().isEmpty()))
        return link;
    const bool hadQuery = url.hasQuery() || url.hasFragment();
    url.setQuery(QString());
    url.setFragment(QString());
    url.setUserInfo(QString());
    return url.toString() + (hadQuery ? QStringLiteral("?") + Redactor::withheld() : QString());
}

const QString emailPattern = QStringLiteral("(?<email>[A-Za-z0-9._%+\\-]+@[A-Za-z0-9\\-]+(?:\\.[A-Za-z0-9\\-]+)+)");
const QString ipv4Pattern = QStringLiteral("(?<ip4>(?<![\\d.])(?:\\d{1,3}\\.){3}\\d{1,3}(?:/\\d{1,2})?(?!\\.?\\d))");
// Candidates only: clock times and MAC addresses look alike and are told apart by parsing.
const QString ipv6Pattern =
    QStringLiteral("(?<ip6>(?<![\\w:])(?:[0-9A-Fa-f]{0,4}:){2,7}[0-9A-Fa-f]{0,4}(?:%\\w+)?(?:/\\d{1,3})?(?![\\w:]))");

} // namespace

Redactor::Redactor()
{
    rebuildPattern();
}

QString Redactor::placeholder(Kind kind, const QString& value)
{
    if (value.isEmpty())
        return value;
    QHash<QString, QString>& known = placeholders[static_cast<int>(kind)];
    const QString key = kind == Kind::Ip || kind == Kind::Subnet ? value : value.toLower();
    auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    const QString made =
        QStringLiteral("<%1-%2>").arg(QLatin1String(kindNames[static_cast<int>(kind)])).arg(known.size() + 1);
    known.insert(key, made);
    return made;
}

void Redactor::learn(Kind kind, const QString& value)
{
    const QString name = value.trimmed();
    if (!isNameKind(kind) || name.size() < shortestName || names.contains(name.toLower()))
        return;
    names.insert(name.toLower(), placeholder(kind, name));
    rebuildPattern();
}

void Redactor::rebuildPattern()
{
    QStringList alternatives{emailPattern, ipv4Pattern, ipv6Pattern};
    if (!names.isEmpty()) {
        QStringList escaped;
        for (auto it = names.constBegin(); it != names.constEnd(); ++it)
            escaped.append(QRegularExpression::escape(it.key()));
        // The longest first, so "Acme Industries" is not taken for "Acme" and a loose " Industries".
        std::sort(escaped.begin(), escaped.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        alternatives.append(QStringLiteral("(?<name>(?<![\\p{L}\\p{N}_])(?:%1)(?![\\p{L}\\p{N}_]))")
                                .arg(escaped.join(QLatin1Char('|'))));
    }
    pattern =
        QRegularExpression(alternatives.join(QLatin1Char('|')),
                           QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    // A text read before may hold the new name.
    readTexts.clear();
    snapshotObjects.clear();
}

QString Redactor::text(const QString& text)
{
    // The agent repeats its texts with every snapshot: each is searched once. A placeholder, once given, stays.
    if (const auto known = readTexts.constFind(text); known != readTexts.constEnd())
        return *known;
    const QString read = searchedText(text);
    if (text.size() <= longestRememberedText) {
        if (readTexts.size() >= rememberedTexts)
            readTexts.clear();
        readTexts.insert(text, read);
    }
    return read;
}

QString Redactor::searchedText(const QString& text)
{
    QString result;
    int copied = 0;
    QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString found = match.captured();
        QString replacement = found;
        if (!match.captured(QStringLiteral("email")).isEmpty()) {
            replacement = placeholder(Kind::Email, found);
        } else if (!match.captured(QStringLiteral("name")).isEmpty()) {
            replacement = names.value(found.toLower(), found);
        } else if (const std::optional<QHostAddress> address = addressIn(found); address && !namesNoOne(*address)) {
            replacement = placeholder(found.contains(QLatin1Char('/')) ? Kind::Subnet : Kind::Ip, found);
        }
        result.append(text.midRef(copied, match.capturedStart() - copied)).append(replacement);
        copied = match.capturedEnd();
    }
    if (copied == 0)
        return text;
    return result.append(text.midRef(copied));
}

QJsonObject Redactor::message(const QJsonObject& message)
{
    // Names are learned on the way. One learned after some text was read means reading the message again, so that
    // every text in it is searched for it: a notice may name the device before the field that says it is one. What
    // was remembered on the first way may hold such a text.
    const int known = names.size();
    std::optional<QJsonValue> redacted = redact(message, QString(), QString(), QString());
    if (names.size() != known) {
        snapshotObjects.clear();
        redacted = redact(message, QString(), QString(), QString());
    }
    return redacted ? redacted->toObject() : message;
}

namespace {

// Where an object inside the snapshot is remembered; nothing else repeats.
QString memberPath(const QString& path, const QString& key)
{
    if (path.isEmpty())
        return key == QLatin1String("agentinfo") ? key : QString();
    return path + QLatin1Char('/') + key;
}

} // namespace

std::optional<QJsonValue> Redactor::redact(const QJsonValue& value, const QString& parentKey, const QString& key,
                                           const QString& path)
{
    if (isSecret(key) && !(value.isString() && value.toString().isEmpty()))
        return QJsonValue(withheld());
    // Most of a message is kept as it came: only the members that change are written, into a copy made then. An
    // object of the snapshot that came before as it is now reads as it did then.
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (!path.isEmpty()) {
            const auto last = snapshotObjects.constFind(path);
            if (last != snapshotObjects.constEnd() && last->from == object)
                return last->to;
        }
        std::optional<QJsonObject> redacted;
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QJsonValue member = it.value();
            const QString memberKey = it.key();
            if (const std::optional<QJsonValue> kept =
                    redact(member, key, memberKey, member.isObject() ? memberPath(path, memberKey) : QString())) {
                if (!redacted)
                    redacted = object;
                redacted->insert(memberKey, *kept);
            }
        }
        const std::optional<QJsonValue> result = redacted ? std::optional<QJsonValue>(*redacted) : std::nullopt;
        if (!path.isEmpty())
            snapshotObjects.insert(path, {object, result});
        return result;
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        std::optional<QJsonArray> redacted;
        for (int i = 0; i < array.size(); ++i) {
            if (const std::optional<QJsonValue> kept = redact(array.at(i), parentKey, key, QString())) {
                if (!redacted)
                    redacted = array;
                redacted->replace(i, *kept);
            }
        }
        return redacted ? std::optional<QJsonValue>(*redacted) : std::nullopt;
    }
    if (!value.isString())
        return std::nullopt;
    const QString string = value.toString();
    const QString kept = redactedText(string, parentKey, key);
    return kept == string ? std::nullopt : std::optional<QJsonValue>(kept);
}

QString Redactor::redactedText(const QString& string, const QString& parentKey, const QString& key)
{
    if (key == QLatin1String("browser_launch_url"))
        return text(withoutQuery(string));
    const std::optional<Kind> kind = personalField(parentKey, key);
    if (!kind)
        return text(string);
    if (isNameKind(*kind))
        learn(*kind, string);
    if (*kind == Kind::Ip) {
        // A peer's address may be a host name, which names the device as much as its address does.
        const std::optional<QHostAddress> address = addressIn(string);
        if (!address) {
            const QString redacted = text(string);
            return redacted != string ? redacted : placeholder(Kind::Device, string);
        }
        return namesNoOne(*address) ? string : placeholder(Kind::Ip, string);
    }
    return placeholder(*kind, string);
}
