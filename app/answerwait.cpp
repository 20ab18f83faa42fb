#include "app/answerwait.h"

#include "support/supportlog.h"

namespace {

// Waits live on the GUI thread only, and there are a dozen at most.
QList<const AnswerWait*>& runningWaits()
{
    static QList<const AnswerWait*> waits;
    return waits;
}

} // namespace

AnswerWait::AnswerWait(const QString& kind, QObject* parent) : QObject(parent), deadline(this), requestKind(kind)
{
    deadline.setObjectName(QStringLiteral("answerDeadline"));
    deadline.setSingleShot(true);
    deadline.setInterval(deadlineMs);
    connect(&deadline, &QTimer::timeout, this, [this] {
        end(Ending::Deadline);
        emit expired();
    });
}

AnswerWait::~AnswerWait()
{
    runningWaits().removeOne(this);
}

void AnswerWait::start()
{
    runningWaits().removeOne(this);
    runningWaits().append(this);
    age.start();
    deadline.start();
}

bool AnswerWait::finish(Ending ending)
{
    const bool waiting = deadline.isActive();
    deadline.stop();
    if (waiting)
        end(ending);
    return waiting;
}

void AnswerWait::end(Ending ending)
{
    runningWaits().removeOne(this);
    SupportLog::instance()->noteWaitEnded(requestKind, ending, age.elapsed());
    age.invalidate();
}

qint64 AnswerWait::ageMs() const
{
    return age.isValid() ? age.elapsed() : 0;
}

QList<const AnswerWait*> AnswerWait::running()
{
    return runningWaits();
}

QString AnswerWait::endingText(Ending ending)
{
    switch (ending) {
    case Ending::Answered:
        return QStringLiteral("answered");
    case Ending::LinkLost:
        return QStringLiteral("link lost before an answer");
    case Ending::Deadline:
        return QStringLiteral("no answer within %1 s").arg(deadlineMs / 1000);
    case Ending::Left:
        return QStringLiteral("left by the user before an answer");
    }
    return QString();
}

QString AnswerWait::silenceText()
{
    return tr("The application service did not answer. Please try again.");
}
