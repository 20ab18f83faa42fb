#pragma once

#include "support/boundedring.h"
#include "support/redactor.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QStringList>

class StatusModel;
class vexaintf;

// One event of the link to the agent; repeats of the same event in a row are one entry with a count, so an agent
// that stays away for hours does not push the moment it went out of the history.
struct LinkEvent
{
    QDateTime first;
    QDateTime last;
    QString text;
    int times = 1;

    QString line() const;
};
qint64 byteSize(const LinkEvent& event);

// A message the report keeps: redacted as it came and written out only when a report asks for it, or, for one too
// large to keep, the note that says so. `bytes` is what it counts against its ring.
struct KeptMessage
{
    QDateTime time;
    QJsonObject redacted;
    QByteArray note;
    qint64 bytes = 0;

    static KeptMessage redactedAs(const QDateTime& time, const QJsonObject& redacted, qint64 bytes);
    static KeptMessage noted(const QByteArray& note);
    QByteArray line() const;
};
qint64 byteSize(const KeptMessage& message);

// What the window saw, kept for the support report: the link's history, the agent's last messages, the requests
// sent, the last snapshot and the window's own warnings. Everything passes the redactor before it is kept, and
// every ring is capped by count and bytes, together at most 1 MiB.
class SupportLog : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int count;
        qint64 bytes;
    };
    static constexpr Limits historyLimits{500, 64 * 1024};
    static constexpr Limits messageLimits{200, 576 * 1024};
    static constexpr Limits requestLimits{500, 96 * 1024};
    static constexpr Limits warningLimits{200, 96 * 1024};
    static constexpr qint64 snapshotLimit = 192 * 1024;
    // One entry may take no more than this; a larger one is kept as a note of its size.
    static constexpr qint64 largestMessage = 64 * 1024;
    static constexpr int largestWarning = 2 * 1024;
    static constexpr qint64 totalLimit = 1024 * 1024;

    enum class Link
    {
        NotWatched,
        Starting,
        Up,
        Down,
        Refused,
    };
    enum class Trust
    {
        NotChecked,
        Trusted,
        Untrusted,
    };
    struct Counts
    {
        int warnings = 0;
        int linkDrops = 0;
        int failedAttempts = 0;
        int refusals = 0;
        int discardedLines = 0;
        int failureAnswers = 0;
    };

    // A copy of everything kept, taken at one moment, for the report to read.
    struct Contents
    {
        bool linkWatched = false;
        QStringList history;
        QByteArrayList messages;
        QByteArrayList requests;
        QByteArrayList warnings;
        QByteArray snapshot;
        qint64 historyDropped = 0;
        qint64 messagesDropped = 0;
        qint64 requestsDropped = 0;
        qint64 warningsDropped = 0;
        Link link = Link::NotWatched;
        Trust trust = Trust::NotChecked;
        // The listener that was not trusted, as "uid 1001 (<user-2>)".
        QString untrustedOwner;
        Counts counts;
    };

    // The program's log, or the one a test put in its place.
    static SupportLog* instance();
    static void setInstance(SupportLog* replacement);
    // Sends Qt's warnings and errors to the log of the moment, and on to where they went before.
    static void installMessageHandler();

    explicit SupportLog(QObject* parent = nullptr);

    void watch(vexaintf* link);
    // The status the report tells in words.
    void watch(StatusModel* model);
    const StatusModel* statusModel() const;

    void recordMessage(const QJsonObject& message);
    // A message as the link read it, with the line it came in.
    void recordMessageLine(const QByteArray& line, const QJsonObject& message);
    void recordRequest(const QJsonObject& request);
    void recordWarning(QtMsgType type, const QString& text);

    Contents contents() const;
    // Bytes held by the rings and the snapshot.
    qint64 bytesKept() const;

private:
    void note(const QString& text);
    void noteConnected();
    void noteDropped();
    void noteAttemptFailed();
    void noteRefused(qint64 ownerUid);
    void noteLineDiscarded();
    void keepMessage(qint64 size, const QJsonObject& message);
    QByteArray snapshotText() const;

    mutable QMutex mutex;
    Redactor redactor;
    BoundedRing<LinkEvent> history{historyLimits.count, historyLimits.bytes};
    BoundedRing<KeptMessage> messages{messageLimits.count, messageLimits.bytes};
    BoundedRing<QByteArray> requests{requestLimits.count, requestLimits.bytes};
    BoundedRing<QByteArray> warnings{warningLimits.count, warningLimits.bytes};
    // The last snapshot, redacted, and whether it was too large to keep.
    QJsonObject snapshot;
    bool snapshotTooLarge = false;
    bool linkWatched = false;
    bool everConnected = false;
    Link link = Link::NotWatched;
    Trust trust = Trust::NotChecked;
    QString untrustedOwner;
    Counts counts;
    QPointer<StatusModel> status;
};
