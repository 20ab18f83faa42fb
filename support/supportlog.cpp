#include "support/supportlog.h"

#include "agent/agentpeercheck.h"
#include "agent/messageparser.h"
#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/currentuser.h"
#include "status/statusmodel.h"
#include "support/answermeaning.h"

#include <QJsonDocument>
#include <QMutexLocker>
#include <QSysInfo>
#include <cstring>

static_assert(SupportLog::historyLimits.bytes + SupportLog::messageLimits.bytes + SupportLog::requestLimits.bytes +
                      SupportLog::warningLimits.bytes + SupportLog::snapshotLimit <=
                  SupportLog::totalLimit,
              "the support log's rings together stay within their budget");

namespace {

SupportLog* replacementLog = nullptr;
QtMessageHandler forwardedHandler = nullptr;
// A warning raised while one is being kept would otherwise come back through the handler for ever.
thread_local bool keepingWarning = false;
const QByteArray oversizeSnapshot = QByteArrayLiteral("(the last snapshot was larger than the report keeps)\n");
const QLatin1String agentInfoKey("agentinfo");

QString timeText(const QDateTime& time)
{
    return time.toString(Qt::ISODateWithMs);
}

QDateTime timeOf(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC);
}

QByteArray jsonLine(const QDateTime& time, const char* key, const QJsonValue& value)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("time"), timeText(time)}, {QLatin1String(key), value}})
        .toJson(QJsonDocument::Compact);
}

QByteArray oversizeNote(const QDateTime& time, const QJsonValue& type, qint64 size)
{
    return jsonLine(time, "omitted", QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("bytes"), size}});
}

// What a report's line adds to the JSON of a message: the time and the label around it.
qint64 messageFrame()
{
    static const qint64 frame = jsonLine(QDateTime::currentDateTimeUtc(), "message", QJsonObject()).size() - 2;
    return frame;
}

bool holds(const QByteArray& line, const char* needle)
{
    return memmem(line.constData(), size_t(line.size()), needle, std::strlen(needle)) != nullptr;
}

// Secrets are found by their key. A key may also be spelled with escapes, which only a parser reads as the key.
bool mayHoldSecret(const QByteArray& line)
{
    return holds(line, "\"password\"") || holds(line, "\"otp\"") || holds(line, "\"code\"") || holds(line, "\\u");
}

int answerCode(const QJsonObject& message)
{
    return message.value(QLatin1String("response")).toObject().value(QLatin1String("type")).toInt();
}

void keepWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !keepingWarning) {
        keepingWarning = true;
        SupportLog::instance()->recordWarning(type, text);
        keepingWarning = false;
    }
    forwardedHandler(type, context, text);
}

// One kept message as the report writes it: redacted, with the answer's meaning in words beside its code.
QByteArray messageLine(Redactor& redactor, const KeptMessage& kept, const QJsonObject& message)
{
    QJsonObject line{{QStringLiteral("time"), timeText(timeOf(kept.time))}};
    if (message.contains(QLatin1String("response")))
        line.insert(QStringLiteral("answer"), answerMeaning(answerCode(message)));
    line.insert(QStringLiteral("message"), redactor.message(message));
    const QByteArray written = QJsonDocument(line).toJson(QJsonDocument::Compact);
    return written.size() > SupportLog::largestMessage
               ? oversizeNote(timeOf(kept.time), message.value(QLatin1String("type")), written.size())
               : written;
}

QJsonObject snapshotOf(const SupportLog::Kept& kept)
{
    const std::optional<QJsonObject> read = messageObjectFromLine(kept.snapshotLine);
    if (!read)
        return QJsonObject();
    return kept.snapshotIsWholeLine ? read->value(agentInfoKey).toObject() : *read;
}

} // namespace

qint64 byteSize(const KeptMessage& message)
{
    return message.bytes;
}

qint64 byteSize(const KeptRequest& request)
{
    return request.json.size() + 40;
}

qint64 byteSize(const KeptWarning& warning)
{
    // The time and the kind around the text, as the report writes them.
    return warning.text.size() + 36;
}

QString LinkEvent::line() const
{
    if (times == 1)
        return timeText(first) + QStringLiteral("  ") + text;
    return QStringLiteral("%1  %2 (%3 times, the last at %4)")
        .arg(timeText(first), text)
        .arg(times)
        .arg(timeText(last));
}

qint64 byteSize(const LinkEvent& event)
{
    return event.line().toUtf8().size();
}

SupportLog* SupportLog::instance()
{
    if (replacementLog)
        return replacementLog;
    // Never deleted: warnings may still come while static objects are torn down.
    static SupportLog* const programLog = new SupportLog;
    return programLog;
}

void SupportLog::setInstance(SupportLog* replacement)
{
    replacementLog = replacement;
}

void SupportLog::installMessageHandler()
{
    if (forwardedHandler)
        return;
    instance();
    forwardedHandler = qInstallMessageHandler(keepWarning);
}

SupportLog::SupportLog(QObject* parent) : QObject(parent)
{
    // Warnings name the home folder and the machine before any message has named the user or the device.
    knownNames.append({Redactor::Kind::User, systemUserName()});
    knownNames.append({Redactor::Kind::Device, QSysInfo::machineHostName()});
}

void SupportLog::watch(vexaintf* agent)
{
    knownNames.append({Redactor::Kind::User, currentUserName()});
    linkWatched = true;
    everConnected = agent->isConnected();
    link = agent->isStarting() ? Link::Starting : agent->isConnected() ? Link::Up : Link::Down;
    connect(agent, &vexaintf::messageLineReceived, this, &SupportLog::recordMessageLine);
    connect(agent, &vexaintf::requestSent, this, &SupportLog::recordRequest);
    tcpsocket* socket = agent->socket();
    connect(socket, &tcpsocket::connectedToBackend, this, &SupportLog::noteConnected);
    connect(socket, &tcpsocket::disconnected, this, &SupportLog::noteDropped);
    connect(socket, &tcpsocket::connectFailed, this, &SupportLog::noteAttemptFailed);
    connect(socket, &tcpsocket::untrustedListener, this, &SupportLog::noteRefused);
    connect(socket, &tcpsocket::lineDiscarded, this, &SupportLog::noteLineDiscarded);
}

void SupportLog::watch(StatusModel* model)
{
    status = model;
}

const StatusModel* SupportLog::statusModel() const
{
    return status.data();
}

void SupportLog::recordMessage(const QJsonObject& message)
{
    keepMessage(QJsonDocument(message).toJson(QJsonDocument::Compact), message);
}

void SupportLog::recordMessageLine(const QByteArray& line, const QJsonObject& message)
{
    keepMessage(line, message);
}

// Many times a second, on the window's own thread: the line is kept as it came, shared rather than copied, unless
// it may hold a secret; only then is the message the window already parsed walked, and written again without it.
void SupportLog::keepMessage(const QByteArray& line, const QJsonObject& message)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    ++work.messages;
    work.bytesScanned += line.size();
    // Most messages are snapshots without an answer: their bytes say so faster than a lookup in the object.
    if (holds(line, "\"response\"")) {
        if (const int code = answerCode(message); isFailureAnswer(code)) {
            ++counts.failureAnswers;
            ++counts.failureCodes[code];
        }
    }
    QByteArray kept = line;
    if (mayHoldSecret(line)) {
        if (const std::optional<QJsonObject> cleaned = Redactor::withoutSecrets(message)) {
            kept = QJsonDocument(*cleaned).toJson(QJsonDocument::Compact);
            ++work.linesRewritten;
        }
    }
    const qint64 bytes = kept.size() + messageFrame();
    if (bytes > largestMessage) {
        if (!warnedOfLargeMessages) {
            warnedOfLargeMessages = true;
            qWarning("The support report keeps agent messages over %lld KiB as notes of their size",
                     largestMessage / 1024);
        }
        const QByteArray note = oversizeNote(timeOf(now), message.value(QLatin1String("type")), kept.size());
        messages.push({now, QByteArray(), note, note.size()});
    } else {
        messages.push({now, kept, QByteArray(), bytes});
        work.bytesKept += kept.size();
    }
    if (message.contains(agentInfoKey))
        keepSnapshot(kept, message);
}

void SupportLog::keepSnapshot(const QByteArray& line, const QJsonObject& message)
{
    snapshotTooLarge = false;
    if (line.size() <= snapshotLimit) {
        snapshotLine = line;
        snapshotIsWholeLine = true;
        return;
    }
    // A long listing carries the snapshot too: it alone is kept, written out as it is no larger.
    const QJsonObject snapshot = message.value(agentInfoKey).toObject();
    const std::optional<QJsonObject> cleaned = Redactor::withoutSecrets(snapshot);
    snapshotLine = QJsonDocument(cleaned ? *cleaned : snapshot).toJson(QJsonDocument::Compact);
    snapshotIsWholeLine = false;
    if (snapshotLine.size() > snapshotLimit) {
        snapshotLine.clear();
        snapshotTooLarge = true;
    }
}

void SupportLog::recordRequest(const QJsonObject& request)
{
    const std::optional<QJsonObject> cleaned = Redactor::withoutSecrets(request);
    QByteArray json = QJsonDocument(cleaned ? *cleaned : request).toJson(QJsonDocument::Compact);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (json.size() > largestMessage)
        json = oversizeNote(now, request.value(QLatin1String("type")), json.size());
    requests.push({now, json});
}

void SupportLog::recordWarning(QtMsgType type, const QString& text)
{
    if (!warningLock.tryLock()) {
        warningsDropped.fetchAndAddRelaxed(1);
        return;
    }
    ++warningsKept;
    warnings.push({QDateTime::currentDateTimeUtc(), type, text.left(largestWarning).toUtf8()});
    warningLock.unlock();
}

void SupportLog::noteWaitEnded(const QString& kind, AnswerWait::Ending ending, qint64 ageMs)
{
    ++counts.waitsEnded[ending];
    note(QStringLiteral("wait for the %1 answer ended: %2, after %3 s")
             .arg(kind, AnswerWait::endingText(ending))
             .arg(ageMs / 1000.0, 0, 'f', 1));
}

SupportLog::Kept SupportLog::kept() const
{
    Kept copy;
    copy.linkWatched = linkWatched;
    copy.history = history.all();
    copy.messages = messages.all();
    copy.requests = requests.all();
    copy.snapshotLine = snapshotLine;
    copy.snapshotIsWholeLine = snapshotIsWholeLine;
    copy.snapshotTooLarge = snapshotTooLarge;
    copy.historyDropped = history.dropped();
    copy.messagesDropped = messages.dropped();
    copy.requestsDropped = requests.dropped();
    copy.link = link;
    copy.trust = trust;
    copy.untrustedUid = untrustedUid;
    copy.untrustedName = untrustedName;
    copy.counts = counts;
    copy.knownNames = knownNames;
    {
        QMutexLocker lock(&warningLock);
        copy.warnings = warnings.all();
        copy.warningsDropped = warnings.dropped();
        copy.counts.warnings = warningsKept;
    }
    copy.counts.warningsDropped = warningsDropped.loadRelaxed();
    return copy;
}

// Names first, from everything kept, so that a text that came before the field naming its person loses the name too;
// then every file, redacted. Linear in what is kept.
SupportLog::Contents SupportLog::redacted(const Kept& kept)
{
    Redactor redactor;
    for (const auto& [kind, name] : kept.knownNames)
        redactor.learn(kind, name);
    if (!kept.untrustedName.isEmpty())
        redactor.learn(Redactor::Kind::User, kept.untrustedName);
    std::vector<std::optional<QJsonObject>> messages;
    messages.reserve(kept.messages.size());
    for (const KeptMessage& message : kept.messages) {
        messages.push_back(message.line.isEmpty() ? std::nullopt : messageObjectFromLine(message.line));
        if (messages.back())
            redactor.learnFrom(*messages.back());
    }
    std::vector<QJsonObject> requests;
    requests.reserve(kept.requests.size());
    for (const KeptRequest& request : kept.requests) {
        requests.push_back(QJsonDocument::fromJson(request.json).object());
        redactor.learnFrom(requests.back());
    }
    const QJsonObject snapshot = snapshotOf(kept);
    redactor.learnFrom(snapshot);

    Contents contents;
    contents.linkWatched = kept.linkWatched;
    for (const LinkEvent& event : kept.history)
        contents.history.append(redactor.text(event.line()));
    for (size_t i = 0; i < kept.messages.size(); ++i) {
        const KeptMessage& message = kept.messages[i];
        if (!message.note.isEmpty()) {
            contents.messages.append(message.note);
        } else if (messages[i]) {
            contents.messages.append(messageLine(redactor, message, *messages[i]));
        } else {
            qWarning("A kept agent message could not be read again for the support report");
            contents.messages.append(oversizeNote(timeOf(message.time), QJsonValue(), message.line.size()));
        }
    }
    for (size_t i = 0; i < kept.requests.size(); ++i)
        contents.requests.append(jsonLine(kept.requests[i].time, "request", redactor.message(requests[i])));
    static const char* const kinds[] = {"debug", "warning", "critical", "fatal", "info"};
    for (const KeptWarning& warning : kept.warnings) {
        QByteArray line = (timeText(warning.time) + QStringLiteral("  ") + QLatin1String(kinds[warning.type]) +
                           QStringLiteral("  ") + redactor.text(QString::fromUtf8(warning.text)))
                              .toUtf8();
        if (line.size() > largestWarning)
            line = line.left(largestWarning - 3) + "...";
        contents.warnings.append(line);
    }
    if (kept.snapshotTooLarge) {
        contents.snapshot = oversizeSnapshot;
    } else if (!snapshot.isEmpty()) {
        contents.snapshot = QJsonDocument(redactor.message(snapshot)).toJson();
        if (contents.snapshot.size() > snapshotLimit)
            contents.snapshot = oversizeSnapshot;
    }
    contents.historyDropped = kept.historyDropped;
    contents.messagesDropped = kept.messagesDropped;
    contents.requestsDropped = kept.requestsDropped;
    contents.warningsDropped = kept.warningsDropped;
    contents.link = kept.link;
    contents.trust = kept.trust;
    if (kept.trust == Trust::Untrusted) {
        contents.untrustedOwner = kept.untrustedUid < 0
                                      ? QStringLiteral("owner unknown")
                                      : QStringLiteral("uid %1 (%2)")
                                            .arg(kept.untrustedUid)
                                            .arg(kept.untrustedName.isEmpty() ? QStringLiteral("no name")
                                                                              : redactor.text(kept.untrustedName));
    }
    contents.counts = kept.counts;
    return contents;
}

qint64 SupportLog::bytesKept() const
{
    QMutexLocker lock(&warningLock);
    return history.size() + messages.size() + requests.size() + warnings.size() + snapshotLine.size();
}

void SupportLog::note(const QString& text)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (const LinkEvent* last = history.last(); last && last->text == text) {
        LinkEvent repeated = *last;
        repeated.last = now;
        ++repeated.times;
        history.replaceLast(repeated);
        return;
    }
    history.push({now, now, text});
}

void SupportLog::noteConnected()
{
    trust = Trust::Trusted;
    link = Link::Up;
    note(everConnected ? QStringLiteral("reconnected") : QStringLiteral("connected"));
    everConnected = true;
}

void SupportLog::noteDropped()
{
    ++counts.linkDrops;
    link = Link::Down;
    note(QStringLiteral("link dropped"));
}

void SupportLog::noteAttemptFailed()
{
    ++counts.failedAttempts;
    if (link != Link::Refused)
        link = Link::Down;
    note(QStringLiteral("connection attempt failed, retrying in %1 s").arg(tcpsocket::retryDelayMs / 1000));
}

void SupportLog::noteRefused(qint64 ownerUid)
{
    ++counts.refusals;
    // The failed attempt just noted was this refusal; the history tells it once, as a refusal.
    if (const LinkEvent* last = history.last(); last && last->text.startsWith(QLatin1String("connection attempt"))) {
        --counts.failedAttempts;
        if (last->times == 1) {
            history.dropLast();
        } else {
            LinkEvent fewer = *last;
            --fewer.times;
            history.replaceLast(fewer);
        }
    }
    link = Link::Refused;
    trust = Trust::Untrusted;
    untrustedUid = ownerUid;
    untrustedName.clear();
    if (ownerUid >= 0) {
        const QString name = AgentPeerCheck::userName(static_cast<uint>(ownerUid));
        if (name != QString::number(ownerUid))
            untrustedName = name;
    }
    // The name goes into the history only as the report writes it, replaced.
    note(QStringLiteral("refused: the agent's port is held by an untrusted listener, ") +
         (ownerUid < 0 ? QStringLiteral("owner unknown") : QStringLiteral("uid %1").arg(ownerUid)));
}

void SupportLog::noteLineDiscarded()
{
    ++counts.discardedLines;
    note(QStringLiteral("dropped a line from the agent over the length limit"));
}
