#include "support/redactor.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QRegularExpression>
#include <QUrl>
#include <optional>

namespace {

const char* const kindNames[] = {"email", "user", "device", "enterprise", "ip", "subnet"};

// Below this length a name would blank out ordinary words wherever it stood alone.
constexpr int shortestName = 2;
// Texts are read once each; a report repeats the same snapshot texts hundreds of times.
constexpr int longestRememberedText = 1024;

// Account and machine names that are also ordinary words: where such a name stands in a sentence it is the word
// ("Root CA", "Guest network"), so it is replaced only where it stands as the value of a field, in a profile folder or
// in a certificate subject.
const QStringList ordinaryWords{
    QStringLiteral("admin"),    QStringLiteral("administrator"), QStringLiteral("backup"),
    QStringLiteral("default"),  QStringLiteral("demo"),          QStringLiteral("desktop"),
    QStringLiteral("guest"),    QStringLiteral("home"),          QStringLiteral("laptop"),
    QStringLiteral("local"),    QStringLiteral("main"),          QStringLiteral("office"),
    QStringLiteral("operator"), QStringLiteral("owner"),         QStringLiteral("public"),
    QStringLiteral("root"),     QStringLiteral("server"),        QStringLiteral("service"),
    QStringLiteral("support"),  QStringLiteral("system"),        QStringLiteral("test"),
    QStringLiteral("user"),     QStringLiteral("workstation"),
};

// The profile folders every Windows has; they name no one.
const QStringList sharedProfiles{QStringLiteral("public"), QStringLiteral("default"), QStringLiteral("all users"),
                                 QStringLiteral("default user"), QStringLiteral("shared")};

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

// A version number has the shape of an IPv4 address; where one is expected, none is looked for.
bool holdsVersion(const QString& key)
{
    return key.contains(QLatin1String("version"), Qt::CaseInsensitive) || key == QLatin1String("ver");
}

// "v1.2.3.4", "version 10.0.19045.1", "build 6.1.7601.2": a version, not an address.
bool followsVersionWord(const QString& text, int at)
{
    const QString before = text.mid(qMax(0, at - 9), at - qMax(0, at - 9)).toLower().trimmed();
    for (const char* word : {"version", "ver", "ver.", "v", "build", "release"}) {
        if (!before.endsWith(QLatin1String(word)))
            continue;
        const int start = before.size() - int(qstrlen(word));
        if (start == 0 || !before.at(start - 1).isLetterOrNumber())
            return true;
    }
    return false;
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

// A certificate authority's name identifies no person.
bool namesAuthority(const QString& subject)
{
    static const QRegularExpression authority(QStringLiteral(R"(\b(?:CA|Authority|Certification)\b)"));
    return authority.match(subject).hasMatch();
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

// Every shape of personal value that free text can hold, but for the learned names: one fixed expression. Address
// candidates only: clock times and MAC addresses look alike and are told apart by parsing.
const QRegularExpression& shapes()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<email>[A-Za-z0-9._%+\-]+@[A-Za-z0-9\-]+(?:\.[A-Za-z0-9\-]+)+))"
                       R"(|(?<ip4>(?<![\d.])(?:\d{1,3}\.){3}\d{1,3}(?:/\d{1,2})?(?!\.?\d)))"
                       R"(|(?<ip6>(?<![\w:])(?:[0-9A-Fa-f]{0,4}:){2,7}[0-9A-Fa-f]{0,4}(?:%\w+)?(?:/\d{1,3})?(?![\w:])))"
                       R"(|(?<profile>(?:(?<!\w)[A-Za-z]:[\\/]+(?:Users|Documents and Settings)[\\/]+)"
                       R"(|(?<![\w.~])/(?:home|Users)/)(?<owner>[^\\/\s<>"':;,|]+)))"
                       R"(|(?<subject>(?<!\w)(?:CN|UID)=)(?<holder>[^,/+<>"\n\\]+))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// "<device-12>", "<withheld>": what this redactor wrote, which no later step reads again.
int placeholderEnd(const QString& text, int at)
{
    if (text.at(at) != QLatin1Char('<'))
        return -1;
    int i = at + 1;
    while (i < text.size() && text.at(i) >= QLatin1Char('a') && text.at(i) <= QLatin1Char('z'))
        ++i;
    if (i == at + 1 || i >= text.size())
        return -1;
    if (text.at(i) == QLatin1Char('-')) {
        const int digits = ++i;
        while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            ++i;
        if (i == digits)
            return -1;
    } else if (text.midRef(at, i - at + 1) != QLatin1String("<withheld>")) {
        // A name in angle brackets is still a name.
        return -1;
    }
    return i < text.size() && text.at(i) == QLatin1Char('>') ? i + 1 : -1;
}

} // namespace

bool Redactor::isOrdinaryWord(const QString& name)
{
    return ordinaryWords.contains(name.trimmed(), Qt::CaseInsensitive);
}

bool Redactor::isSecret(const QString& key)
{
    return key == QLatin1String("password") || key == QLatin1String("otp") || key == QLatin1String("code");
}

std::optional<QJsonObject> Redactor::withoutSecrets(const QJsonObject& object)
{
    std::optional<QJsonObject> copy;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QJsonValue value = it.value();
        std::optional<QJsonValue> kept;
        if (isSecret(it.key()) && !(value.isString() && value.toString().isEmpty())) {
            kept = QJsonValue(withheld());
        } else if (value.isObject()) {
            if (const std::optional<QJsonObject> cleaned = withoutSecrets(value.toObject()))
                kept = QJsonValue(*cleaned);
        } else if (value.isArray()) {
            QJsonArray array = value.toArray();
            bool changed = false;
            for (int i = 0; i < array.size(); ++i) {
                if (!array.at(i).isObject())
                    continue;
                if (const std::optional<QJsonObject> cleaned = withoutSecrets(array.at(i).toObject())) {
                    array.replace(i, *cleaned);
                    changed = true;
                }
            }
            if (changed)
                kept = QJsonValue(array);
        }
        if (kept) {
            if (!copy)
                copy = object;
            copy->insert(it.key(), *kept);
        }
    }
    return copy;
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
    if (!isNameKind(kind) || name.size() < shortestName)
        return;
    const QString made = placeholder(kind, name);
    if (isOrdinaryWord(name) || name.size() > NameTrie::longestName)
        return;
    // A name found again keeps the placeholder of its first kind.
    if (const std::optional<NameTrie::Match> known = names.longestAt(name, 0); known && known->length == name.size())
        return;
    names.insert(name, int(namePlaceholders.size()));
    namePlaceholders.append(made);
    // A text read before may hold the new name.
    readTexts.clear();
}

void Redactor::learnFrom(const QJsonObject& message)
{
    learnFrom(message, QString(), QString());
}

void Redactor::learnFrom(const QJsonValue& value, const QString& parentKey, const QString& key)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.constBegin(); it != object.constEnd(); ++it)
            learnFrom(it.value(), key, it.key());
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (const QJsonValue& member : array)
            learnFrom(member, parentKey, key);
    } else if (value.isString()) {
        if (const std::optional<Kind> kind = personalField(parentKey, key); kind && isNameKind(*kind))
            learn(*kind, value.toString());
    }
}

QString Redactor::text(const QString& text)
{
    return searchedText(text, true);
}

QString Redactor::searchedText(const QString& text, bool addresses)
{
    if (text.isEmpty())
        return text;
    // The same texts come again and again (the snapshot with every message): each is searched once.
    const bool remembered = addresses && text.size() <= longestRememberedText;
    if (remembered) {
        if (const auto known = readTexts.constFind(text); known != readTexts.constEnd())
            return *known;
    }
    const QString read = withoutNames(withoutPatterns(text, addresses));
    if (remembered)
        readTexts.insert(text, read);
    return read;
}

QString Redactor::withoutPatterns(const QString& text, bool addresses)
{
    QString result;
    int copied = 0;
    QRegularExpressionMatchIterator matches = shapes().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString found = match.captured();
        QString replacement = found;
        if (match.capturedLength(QStringLiteral("email")) > 0) {
            replacement = placeholder(Kind::Email, found);
        } else if (match.capturedLength(QStringLiteral("profile")) > 0) {
            const QString owner = match.captured(QStringLiteral("owner"));
            if (!sharedProfiles.contains(owner, Qt::CaseInsensitive) && placeholderEnd(owner, 0) < 0)
                replacement =
                    match.captured(QStringLiteral("profile")).chopped(owner.size()) + placeholder(Kind::User, owner);
        } else if (match.capturedLength(QStringLiteral("subject")) > 0) {
            const QString holder = match.captured(QStringLiteral("holder"));
            const QString name = holder.trimmed();
            if (!name.isEmpty() && !namesAuthority(name) && placeholderEnd(name, 0) < 0)
                replacement = match.captured(QStringLiteral("subject")) + placeholder(Kind::User, name) +
                              holder.mid(holder.indexOf(name) + name.size());
        } else if (addresses && !(match.capturedLength(QStringLiteral("ip4")) > 0 &&
                                  followsVersionWord(text, match.capturedStart()))) {
            if (const std::optional<QHostAddress> address = addressIn(found); address && !namesNoOne(*address))
                replacement = placeholder(found.contains(QLatin1Char('/')) ? Kind::Subnet : Kind::Ip, found);
        }
        if (replacement == found)
            continue;
        result.append(text.midRef(copied, match.capturedStart() - copied)).append(replacement);
        copied = match.capturedEnd();
    }
    if (copied == 0)
        return text;
    return result.append(text.midRef(copied));
}

QString Redactor::withoutNames(const QString& text) const
{
    if (names.isEmpty())
        return text;
    QString result;
    int copied = 0;
    for (int i = 0; i < text.size();) {
        if (const int end = placeholderEnd(text, i); end > 0) {
            i = end;
            continue;
        }
        if (i > 0 && NameTrie::isWordCharacter(text.at(i - 1))) {
            ++i;
            continue;
        }
        const std::optional<NameTrie::Match> match = names.longestAt(text, i);
        if (!match) {
            ++i;
            continue;
        }
        result.append(text.midRef(copied, i - copied)).append(namePlaceholders.at(match->id));
        i += match->length;
        copied = i;
    }
    if (copied == 0)
        return text;
    return result.append(text.midRef(copied));
}

QJsonObject Redactor::message(const QJsonObject& message)
{
    const std::optional<QJsonValue> redacted = redact(message, QString(), QString());
    return redacted ? redacted->toObject() : message;
}

std::optional<QJsonValue> Redactor::redact(const QJsonValue& value, const QString& parentKey, const QString& key)
{
    if (isSecret(key) && !(value.isString() && value.toString().isEmpty()))
        return QJsonValue(withheld());
    // Most of a message is kept as it came: only the members that change are written, into a copy made then.
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        std::optional<QJsonObject> redacted;
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            if (const std::optional<QJsonValue> kept = redact(it.value(), key, it.key())) {
                if (!redacted)
                    redacted = object;
                redacted->insert(it.key(), *kept);
            }
        }
        return redacted ? std::optional<QJsonValue>(*redacted) : std::nullopt;
    }
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        std::optional<QJsonArray> redacted;
        for (int i = 0; i < array.size(); ++i) {
            if (const std::optional<QJsonValue> kept = redact(array.at(i), parentKey, key)) {
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
        return searchedText(string, !holdsVersion(key));
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
    return placeholder(*kind, string.trimmed());
}
