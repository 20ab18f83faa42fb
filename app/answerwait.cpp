#include "app/answerwait.h"

AnswerWait::AnswerWait(QObject* parent) : QObject(parent), deadline(this)
{
    deadline.setObjectName(QStringLiteral("answerDeadline"));
    deadline.setSingleShot(true);
    deadline.setInterval(deadlineMs);
    connect(&deadline, &QTimer::timeout, this, &AnswerWait::expired);
}

void AnswerWait::start()
{
    deadline.start();
}

bool AnswerWait::finish()
{
    const bool waiting = deadline.isActive();
    deadline.stop();
    return waiting;
}

QString AnswerWait::silenceText()
{
    return tr("The application service did not answer. Please try again.");
}
