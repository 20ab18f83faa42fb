#pragma once

#include "app/answerwait.h"

#include <QObject>
#include <initializer_list>

class QLabel;
class QWidget;

// What an answer from the agent is to the screens that may have asked for it. Answers carry no request identity, so
// a screen can only tell whether it was waiting for an answer of that message type.
enum class AnswerClaim
{
    Unasked, // nobody waits or gave up waiting: the agent's own news, taken as ever
    Wanted,  // awaited, or late while the screen that asked is still the one in front
    Stale,   // late, and the user has left the screen that asked: dropped
};

// Several screens ask for answers of the same message type; one that wants the answer outweighs one that gave up.
AnswerClaim strongestClaim(std::initializer_list<AnswerClaim> claims);
inline bool isTaken(AnswerClaim claim)
{
    return claim != AnswerClaim::Stale;
}

// The answer to one kind of request a screen sent. Besides the deadline it remembers a wait that ended without its
// answer, through the agent's silence or a dropped link, so that the answer still coming for it counts as late.
class AwaitedAnswer : public QObject
{
    Q_OBJECT
public:
    AwaitedAnswer(const QString& kind, QObject* parent);

    void start();
    bool isWaiting() const { return wait.isWaiting(); }
    // No answer comes over a dropped link; true when a wait was running.
    bool abandon();
    // An answer of this kind has come: it ends the wait, and `screen` keeps a late one only while it is in front.
    AnswerClaim arrive(const QWidget* screen);
    // An answer of this kind has come and is taken, whatever it was.
    void settle();

signals:
    void expired();

private:
    AnswerWait wait;
    bool overdue = false;
};

// Whether the screen is the one the window shows, through every stack of screens it sits in. Whether the window
// itself is on the desktop does not matter: in the splash's second and in the tray it is the one the user sees next.
bool isFrontScreen(const QWidget* screen);

// The deadline's text goes once the screen asks again or hears from the agent.
void dropSilenceNotice(QLabel* statusLine);
