#pragma once

#include "app/answerwait.h"
#include "support/boundedring.h"
#include "support/redactor.h"

#include <QAtomicInteger>
#include <QByteArrayList>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
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

// An agent message as it came, its secrets withheld, or for one too large to keep, the note that says so. `bytes` is
// what it counts against its ring.
struct KeptMessage
{
    // Milliseconds since the epoch: the clock is read for every message, a QDateTime made only for a report.
    qint64 time = 0;
    QByteArray line;
    QByteArray note;
    qint64 bytes = 0;
};
qint64 byteSize(const KeptMessage& message);

struct KeptRequest
{
    QDateTime time;
    QByteArray json;
};
qint64 byteSize(const KeptRequest& request);

struct KeptWarning
{
    QDateTime time;
    QtMsgType type = QtWarningMsg;
    QByteArray text;
};
qint64 byteSize(const KeptWarning& warning);

// What the window saw, kept for the support report: the link's history and the waits that ended, the agent's last
// messages, the requests sent, the last snapshot and the window's own warnings. On arrival an entry is only copied,
// its secrets dropped by their key: the agent may send thousands of messages a second, and the window must not wait
// for its log. Personal values are replaced when a report is made (Redactor); the window shows them anyway. Every
// ring is capped by count and bytes, together at most 1 MiB.
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
        int warningsDropped = 0;
        int linkDrops = 0;
        int failedAttempts = 0;
        int refusals = 0;
        int discardedLines = 0;
        int failureAnswers = 0;
        // Failure answers by their result code.
        QMap<int, int> failureCodes;
        // Waits that ended, by how.
        QMap<AnswerWait::Ending, int> waitsEnded;
    };

    // Everything as it was kept, unredacted, taken at one moment: what a report is made of, on any thread.
    struct Kept
    {
        bool linkWatched = false;
        std::deque<LinkEvent> history;
        std::deque<KeptMessage> messages;
        std::deque<KeptRequest> requests;
        std::deque<KeptWarning> warnings;
        // The last snapshot's line, or for a line too large to keep whole, its "agentinfo" alone.
        QByteArray snapshotLine;
        bool snapshotIsWholeLine = true;
        bool snapshotTooLarge = false;
        qint64 historyDropped = 0;
        qint64 messagesDropped = 0;
        qint64 requestsDropped = 0;
        qint64 warningsDropped = 0;
        Link link = Link::NotWatched;
        Trust trust = Trust::NotChecked;
        qint64 untrustedUid = -1;
        QString untrustedName;
        Counts counts;
        // Names known before any message named them: the login and host names.
        QList<QPair<Redactor::Kind, QString>> knownNames;
    };

    // The report's files, redacted.
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

    // What arriving entries cost the log so far: it must grow with what came, never with what came before.
    struct ArrivalWork
    {
        qint64 messages = 0;
        qint64 bytesScanned = 0;
        qint64 bytesKept = 0;
        // Lines written again without a secret they held.
        qint64 linesRewritten = 0;
    };

    // The program's log, or the one a test put in its place.
    static SupportLog* instance();
    static void setInstance(SupportLog* replacement);
    // Sends Qt's warnings and errors to the log of the moment, and on to where they went before. From any thread,
    // and from inside the log itself, a warning is kept or dropped, never waited for.
    static void installMessageHandler();

    explicit SupportLog(QObject* parent = nullptr);

    void watch(vexaintf* link);
    // The status the report tells in words.
    void watch(StatusModel* model);
    const StatusModel* statusModel() const;

    // A message without the line it came in: serialised here.
    void recordMessage(const QJsonObject& message);
    // A message as the link read it, with the line it came in.
    void recordMessageLine(const QByteArray& line, const QJsonObject& message);
    void recordRequest(const QJsonObject& request);
    // From any thread.
    void recordWarning(QtMsgType type, const QString& text);
    void noteWaitEnded(const QString& kind, AnswerWait::Ending ending, qint64 ageMs);

    Kept kept() const;
    // The report's files, redacted; on any thread.
    static Contents redacted(const Kept& kept);
    Contents contents() const { return redacted(kept()); }
    // Bytes held by the rings and the snapshot.
    qint64 bytesKept() const;
    const ArrivalWork& arrivalWork() const { return work; }

private:
    void note(const QString& text);
    void noteConnected();
    void noteDropped();
    void noteAttemptFailed();
    void noteRefused(qint64 ownerUid);
    void noteLineDiscarded();
    void keepMessage(const QByteArray& line, const QJsonObject& message);
    void keepSnapshot(const QByteArray& line, const QJsonObject& message);

    // Everything but the warnings lives on the GUI thread and needs no lock.
    BoundedRing<LinkEvent> history{historyLimits.count, historyLimits.bytes};
    BoundedRing<KeptMessage> messages{messageLimits.count, messageLimits.bytes};
    BoundedRing<KeptRequest> requests{requestLimits.count, requestLimits.bytes};
    QByteArray snapshotLine;
    bool snapshotIsWholeLine = true;
    bool snapshotTooLarge = false;
    bool linkWatched = false;
    bool everConnected = false;
    Link link = Link::NotWatched;
    Trust trust = Trust::NotChecked;
    qint64 untrustedUid = -1;
    QString untrustedName;
    Counts counts;
    QList<QPair<Redactor::Kind, QString>> knownNames;
    QPointer<StatusModel> status;
    ArrivalWork work;
    bool warnedOfLargeMessages = false;

    // Warnings come from any thread. The lock is only tried: one raised while it is held is dropped and counted.
    mutable QMutex warningLock;
    BoundedRing<KeptWarning> warnings{warningLimits.count, warningLimits.bytes};
    int warningsKept = 0;
    QAtomicInteger<int> warningsDropped{0};
};
