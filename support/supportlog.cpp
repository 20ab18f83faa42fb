#include "support/supportlog.h"

#include "agent/agentpeercheck.h"
#include "agent/records.h"
#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/currentuser.h"
#include "status/statusmodel.h"

#include <QJsonDocument>
#include <QMutexLocker>
#include <QSysInfo>
#include <initializer_list>

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

QString timeText(const QDateTime& time)
{
    return time.toString(Qt::ISODateWithMs);
}

QByteArray jsonLine(const QDateTime& time, const char* key, const QJsonValue& value)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("time"), timeText(time)}, {QLatin1String(key), value}})
        .toJson(QJsonDocument::Compact);
}

QByteArray oversizeNote(const QDateTime& time, const QJsonObject& message, qint64 size)
{
    return jsonLine(
        time, "omitted",
        QJsonObject{{QStringLiteral("type"), message.value(QStringLiteral("type"))}, {QStringLiteral("bytes"), size}});
}

// The answers that say something failed, as opposed to progress (a password sent, approval pending) and success.
bool isFailure(int code)
{
    for (ResponseType failure : {InvalidActivationCode, InvalidName,
                                 InvalidEmail,          InvalidOtp,
                                 OtpResendBlocked,      OtpAttemptsBlocked,
                                 ConnectivityFailure,   UserRegistrationFailure,
                                 SignOutFailed,         UserAssociationFailure,
                                 FeedbackFailed,        DeactivationFailed,
                                 WrongPassword,         DeactivationNotAllowed,
                                 DuplicateDeviceName,   VerificationRequestFailed,
                                 PagListingFailed,      NotSubscribed,
                                 PagPreferenceFailed,   ViolationListFailed,
                                 ActivationNotAllowed,  ActivationCodeExpired,
                                 MaxDevicesReached,     PeerListingFailed}) {
        if (code == failure)
            return true;
    }
    return false;
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

// What a report's line adds to the JSON of a message: the time and the label around it.
qint64 messageFrame()
{
    static const qint64 frame = jsonLine(QDateTime::currentDateTimeUtc(), "message", QJsonObject()).size() - 2;
    return frame;
}

} // namespace

KeptMessage KeptMessage::redactedAs(const QDateTime& time, const QJsonObject& redacted, qint64 bytes)
{
    return {time, redacted, QByteArray(), bytes};
}

KeptMessage KeptMessage::noted(const QByteArray& note)
{
    return {QDateTime(), QJsonObject(), note, note.size()};
}

QByteArray KeptMessage::line() const
{
    if (!note.isEmpty())
        return note;
    const QByteArray line = jsonLine(time, "message", redacted);
    return line.size() > SupportLog::largestMessage ? oversizeNote(time, redacted, line.size()) : line;
}

qint64 byteSize(const KeptMessage& message)
{
    return message.bytes;
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
    redactor.learn(Redactor::Kind::User, systemUserName());
    redactor.learn(Redactor::Kind::Device, QSysInfo::machineHostName());
}

void SupportLog::watch(vexaintf* agent)
{
    {
        QMutexLocker lock(&mutex);
        redactor.learn(Redactor::Kind::User, currentUserName());
        linkWatched = true;
        everConnected = agent->isConnected();
        link = agent->isStarting() ? Link::Starting : agent->isConnected() ? Link::Up : Link::Down;
    }
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
    keepMessage(QJsonDocument(message).toJson(QJsonDocument::Compact).size(), message);
}

void SupportLog::recordMessageLine(const QByteArray& line, const QJsonObject& message)
{
    keepMessage(line.size(), message);
}

// Many times a second: the message is redacted as it arrives, and written out only when a report asks for it. Its
// line's size stands for the written size, which the redaction changes by a few bytes at most per value.
void SupportLog::keepMessage(qint64 size, const QJsonObject& message)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QMutexLocker lock(&mutex);
    if (isFailure(message.value(QLatin1String("response")).toObject().value(QLatin1String("type")).toInt()))
        ++counts.failureAnswers;
    const bool carriesSnapshot = message.contains(QLatin1String("agentinfo"));
    // Redacting a listing of megabytes only to drop it would hold up the message path.
    if (size > snapshotLimit) {
        messages.push(KeptMessage::noted(oversizeNote(now, message, size)));
        if (carriesSnapshot)
            snapshotTooLarge = true;
        return;
    }
    const QJsonObject redacted = redactor.message(message);
    const qint64 bytes = size + messageFrame();
    messages.push(bytes > largestMessage ? KeptMessage::noted(oversizeNote(now, message, size))
                                         : KeptMessage::redactedAs(now, redacted, bytes));
    if (carriesSnapshot) {
        snapshot = redacted.value(QLatin1String("agentinfo")).toObject();
        snapshotTooLarge = false;
    }
}

void SupportLog::recordRequest(const QJsonObject& request)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QMutexLocker lock(&mutex);
    const QByteArray line = jsonLine(now, "request", redactor.message(request));
    requests.push(line.size() > largestMessage ? oversizeNote(now, request, line.size()) : line);
}

void SupportLog::recordWarning(QtMsgType type, const QString& text)
{
    static const char* const kinds[] = {"debug", "warning", "critical", "fatal", "info"};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QMutexLocker lock(&mutex);
    ++counts.warnings;
    QByteArray line =
        (timeText(now) + QStringLiteral("  ") + QLatin1String(kinds[type]) + QStringLiteral("  ") + redactor.text(text))
            .toUtf8();
    if (line.size() > largestWarning)
        line = line.left(largestWarning - 3) + "...";
    warnings.push(line);
}

SupportLog::Contents SupportLog::contents() const
{
    QMutexLocker lock(&mutex);
    Contents copy;
    copy.linkWatched = linkWatched;
    for (const LinkEvent& event : history.all())
        copy.history.append(event.line());
    for (const KeptMessage& message : messages.all())
        copy.messages.append(message.line());
    copy.requests = QByteArrayList(requests.all().begin(), requests.all().end());
    copy.warnings = QByteArrayList(warnings.all().begin(), warnings.all().end());
    copy.snapshot = snapshotText();
    copy.historyDropped = history.dropped();
    copy.messagesDropped = messages.dropped();
    copy.requestsDropped = requests.dropped();
    copy.warningsDropped = warnings.dropped();
    copy.link = link;
    copy.trust = trust;
    copy.untrustedOwner = untrustedOwner;
    copy.counts = counts;
    return copy;
}

qint64 SupportLog::bytesKept() const
{
    QMutexLocker lock(&mutex);
    return history.size() + messages.size() + requests.size() + warnings.size() + snapshotText().size();
}

// Called with the mutex held. Written out only when asked for: the snapshot changes with nearly every message.
QByteArray SupportLog::snapshotText() const
{
    if (snapshotTooLarge)
        return oversizeSnapshot;
    if (snapshot.isEmpty())
        return QByteArray();
    const QByteArray text = QJsonDocument(snapshot).toJson();
    return text.size() > snapshotLimit ? oversizeSnapshot : text;
}

// Called with the mutex held.
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
    QMutexLocker lock(&mutex);
    trust = Trust::Trusted;
    link = Link::Up;
    note(everConnected ? QStringLiteral("reconnected") : QStringLiteral("connected"));
    everConnected = true;
}

void SupportLog::noteDropped()
{
    QMutexLocker lock(&mutex);
    ++counts.linkDrops;
    link = Link::Down;
    note(QStringLiteral("link dropped"));
}

void SupportLog::noteAttemptFailed()
{
    QMutexLocker lock(&mutex);
    ++counts.failedAttempts;
    if (link != Link::Refused)
        link = Link::Down;
    note(QStringLiteral("connection attempt failed, retrying in %1 s").arg(tcpsocket::retryDelayMs / 1000));
}

void SupportLog::noteRefused(qint64 ownerUid)
{
    QMutexLocker lock(&mutex);
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
    if (ownerUid < 0) {
        untrustedOwner = QStringLiteral("owner unknown");
    } else {
        const QString name = AgentPeerCheck::userName(static_cast<uint>(ownerUid));
        if (name != QString::number(ownerUid))
            redactor.learn(Redactor::Kind::User, name);
        untrustedOwner = QStringLiteral("uid %1 (%2)").arg(ownerUid).arg(redactor.text(name));
    }
    note(QStringLiteral("refused: the agent's port is held by an untrusted listener, ") + untrustedOwner);
}

void SupportLog::noteLineDiscarded()
{
    QMutexLocker lock(&mutex);
    ++counts.discardedLines;
    note(QStringLiteral("dropped a line from the agent over the length limit"));
}
