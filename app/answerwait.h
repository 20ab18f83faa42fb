#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// A request the user started and now waits for. The wait ends in one of three ways: its answer comes, the link to
// the agent drops (no answer can come over it), or the agent stays silent past the answer deadline. Whatever ends
// it, the screen gives the user the controls back and says why; nothing is sent again on its own.
class AnswerWait : public QObject
{
    Q_OBJECT
public:
    static constexpr int deadlineMs = 30000;

    enum class Ending
    {
        Answered,
        LinkLost,
        Deadline,
        // The user left the screen that asked; an answer may still come, but nobody waits for it.
        Left,
    };

    // `kind` names the request in words, for the support report and the running window's status.
    explicit AnswerWait(const QString& kind, QObject* parent = nullptr);
    ~AnswerWait() override;

    // Arms the deadline, afresh for a new request of the same kind.
    void start();
    // Ends the wait without a word; true when one was running, so that an answer arriving now is the awaited one.
    bool finish(Ending ending = Ending::Answered);
    bool isWaiting() const { return deadline.isActive(); }
    const QString& kind() const { return requestKind; }
    // Milliseconds since the request went out, while the wait runs.
    qint64 ageMs() const;

    // Every wait in progress in this process, oldest first.
    static QList<const AnswerWait*> running();
    static QString endingText(Ending ending);

    // What a screen says when the agent stayed silent past the deadline.
    static QString silenceText();

signals:
    // The deadline passed without an answer; the wait is over.
    void expired();

private:
    void end(Ending ending);

    // A child named "answerDeadline", so that tests fire it instead of waiting 30 s.
    QTimer deadline;
    QString requestKind;
    QElapsedTimer age;
};
