#include "enrollment/awaitedanswer.h"

#include "enrollment/firstrunwords.h"

#include <QLabel>
#include <QStackedWidget>

AnswerClaim strongestClaim(std::initializer_list<AnswerClaim> claims)
{
    AnswerClaim strongest = AnswerClaim::Unasked;
    for (AnswerClaim claim : claims) {
        if (claim == AnswerClaim::Wanted)
            return claim;
        if (claim == AnswerClaim::Stale)
            strongest = claim;
    }
    return strongest;
}

AwaitedAnswer::AwaitedAnswer(const QString& kind, QObject* parent) : QObject(parent), wait(kind, this)
{
    connect(&wait, &AnswerWait::expired, this, [this] {
        overdue = true;
        emit expired();
    });
}

void AwaitedAnswer::start()
{
    overdue = false;
    wait.start();
}

bool AwaitedAnswer::abandon()
{
    const bool waiting = wait.finish(AnswerWait::Ending::LinkLost);
    overdue = overdue || waiting;
    return waiting;
}

AnswerClaim AwaitedAnswer::arrive(const QWidget* screen)
{
    if (wait.finish())
        return AnswerClaim::Wanted;
    if (!overdue)
        return AnswerClaim::Unasked;
    overdue = false;
    return isFrontScreen(screen) ? AnswerClaim::Wanted : AnswerClaim::Stale;
}

void AwaitedAnswer::settle()
{
    wait.finish();
    overdue = false;
}

bool isFrontScreen(const QWidget* screen)
{
    for (const QWidget* page = screen; page && page->parentWidget(); page = page->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
        if (stack && stack->currentWidget() != page)
            return false;
    }
    return true;
}

void dropSilenceNotice(QLabel* statusLine)
{
    if (statusLine->text() == FirstRunWords::serviceSilent())
        statusLine->clear();
}
