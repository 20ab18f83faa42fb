#pragma once

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

    explicit AnswerWait(QObject* parent = nullptr);

    // Arms the deadline, afresh for a new request of the same kind.
    void start();
    // Ends the wait without a word; true when one was running, so that an answer arriving now is the awaited one.
    bool finish();
    bool isWaiting() const { return deadline.isActive(); }

    // What a screen says when the agent stayed silent past the deadline.
    static QString silenceText();

signals:
    // The deadline passed without an answer; the wait is over.
    void expired();

private:
    // A child named "answerDeadline", so that tests fire it instead of waiting 30 s.
    QTimer deadline;
};
