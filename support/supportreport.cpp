#include "support/supportreport.h"

#include "app/brandprofile.h"
#include "app/startup.h"
#include "status/statusmodel.h"
#include "status/statuswords.h"
#include "support/answermeaning.h"

#include <KZip>
#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QScreen>
#include <QSysInfo>

namespace {

const QString reportName = QStringLiteral("report.txt");
const QString historyName = QStringLiteral("link-history.txt");
const QString messagesName = QStringLiteral("agent-messages.jsonl");
const QString requestsName = QStringLiteral("requests.jsonl");
const QString snapshotName = QStringLiteral("snapshot.json");
const QString warningsName = QStringLiteral("warnings.txt");
// The newest link events the summary repeats.
constexpr int summaryEvents = 5;

QString buildText()
{
    QString text = QStringLiteral(VEXAUI_BUILD_TYPE ", released " VEXAUI_RELEASE_DATE);
#ifdef __VERSION__
    text += QStringLiteral(", compiler " __VERSION__);
#endif
    return text;
}

QString platformText()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::platformName()
               : QStringLiteral("none (written from a terminal)");
}

QString desktopText()
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const QString session = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (desktop.isEmpty() && session.isEmpty())
        return QStringLiteral("not named");
    return QStringLiteral("%1 (%2)").arg(desktop.isEmpty() ? QStringLiteral("not named") : desktop,
                                         session.isEmpty() ? QStringLiteral("session type not named") : session);
}

QString scaleText()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QStringLiteral("no screen (written from a terminal)");
    QStringList screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(
            QStringLiteral("%1 at %2 dpi").arg(screen->devicePixelRatio()).arg(qRound(screen->logicalDotsPerInch())));
    return screens.isEmpty() ? QStringLiteral("no screen") : screens.join(QStringLiteral(", "));
}

QString languageText()
{
    const QString chosen = installedLanguage();
    return QStringLiteral("%1 (the system asks for %2)")
        .arg(chosen.isEmpty() ? QStringLiteral("English") : chosen, QLocale().uiLanguages().join(QStringLiteral(", ")));
}

QString linkText(const SupportLog::Contents& contents)
{
    switch (contents.link) {
    case SupportLog::Link::NotWatched:
        return QStringLiteral("not known (no window was running)");
    case SupportLog::Link::Starting:
        return QStringLiteral("first connection attempt running");
    case SupportLog::Link::Up:
        return QStringLiteral("up");
    case SupportLog::Link::Down:
        return QStringLiteral("down, retrying");
    case SupportLog::Link::Refused:
        return QStringLiteral("refused");
    }
    return QString();
}

QString trustText(const SupportLog::Contents& contents)
{
    switch (contents.trust) {
    case SupportLog::Trust::NotChecked:
        return QStringLiteral("not checked yet");
    case SupportLog::Trust::Trusted:
        return QStringLiteral("trusted (the agent's port belongs to the service or this user)");
    case SupportLog::Trust::Untrusted:
        return QStringLiteral("not trusted: the agent's port is held by ") + contents.untrustedOwner;
    }
    return QString();
}

QString statusText(const StatusModel* model)
{
    if (!model)
        return QStringLiteral("not known (no window was running)");
    QString text = StatusWords::summary(model->current());
    const QString nextStep = StatusWords::nextStep(model->current());
    if (!nextStep.isEmpty())
        text += QStringLiteral(" — ") + nextStep;
    return text;
}

QString errorsText(const SupportLog::Counts& counts)
{
    return QStringLiteral("%1 window warnings (%2 more not kept), %3 link drops, %4 failed connection attempts, "
                          "%5 refused listeners, %6 over-long lines dropped, %7 failure answers from the agent")
        .arg(counts.warnings)
        .arg(counts.warningsDropped)
        .arg(counts.linkDrops)
        .arg(counts.failedAttempts)
        .arg(counts.refusals)
        .arg(counts.discardedLines)
        .arg(counts.failureAnswers);
}

// The helpdesk's first question: which answers said no, and how often.
QString failuresText(const SupportLog::Counts& counts)
{
    QStringList failures;
    for (auto it = counts.failureCodes.constBegin(); it != counts.failureCodes.constEnd(); ++it)
        failures.append(QStringLiteral("%1 %2 (%3 times)").arg(it.key()).arg(answerMeaning(it.key())).arg(it.value()));
    return failures.isEmpty() ? QStringLiteral("none") : failures.join(QStringLiteral("; "));
}

QString waitsText(const SupportLog::Counts& counts)
{
    using Ending = AnswerWait::Ending;
    const auto count = [&](Ending ending) {
        return counts.waitsEnded.value(ending);
    };
    return QStringLiteral("%1 answered, %2 without an answer (%3 no answer within %4 s, %5 link lost), %6 left by "
                          "the user")
        .arg(count(Ending::Answered))
        .arg(count(Ending::Deadline) + count(Ending::LinkLost))
        .arg(count(Ending::Deadline))
        .arg(AnswerWait::deadlineMs / 1000)
        .arg(count(Ending::LinkLost))
        .arg(count(Ending::Left));
}

QByteArray lines(const QStringList& entries)
{
    QByteArray text;
    for (const QString& entry : entries)
        text += entry.toUtf8() + '\n';
    return text;
}

QByteArray lines(const QByteArrayList& entries)
{
    QByteArray text;
    for (const QByteArray& entry : entries)
        text += entry + '\n';
    return text;
}

} // namespace

SupportReport SupportReport::collect(const SupportLog& log)
{
    const SupportLog::Contents contents = log.contents();
    SupportReport report;
    if (contents.linkWatched) {
        report.parts.append(
            {historyName, lines(contents.history), int(contents.history.size()), contents.historyDropped});
        report.parts.append(
            {messagesName, lines(contents.messages), int(contents.messages.size()), contents.messagesDropped});
        report.parts.append(
            {requestsName, lines(contents.requests), int(contents.requests.size()), contents.requestsDropped});
        report.parts.append({snapshotName, contents.snapshot, contents.snapshot.isEmpty() ? 0 : 1});
    }
    report.parts.append(
        {warningsName, lines(contents.warnings), int(contents.warnings.size()), contents.warningsDropped});

    QStringList summary{
        QStringLiteral("Support report of %1").arg(brand().displayName),
        QStringLiteral("Created: %1").arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
        QStringLiteral("Product: %1 %2").arg(brand().displayName, brand().appVersion),
        QStringLiteral("Brand: %1 (built as %2, edition %3)")
            .arg(brand().displayName, QStringLiteral(VEXAUI_BRAND), brand().editionCode),
        QStringLiteral("Build: ") + buildText(),
        QStringLiteral("Qt: %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
        QStringLiteral("Platform plugin: ") + platformText(),
        QStringLiteral("OS release: %1, kernel %2").arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion()),
        QStringLiteral("Desktop: ") + desktopText(),
        QStringLiteral("Screen scale: ") + scaleText(),
        QStringLiteral("Language: ") + languageText(),
        QStringLiteral("Link: ") + linkText(contents),
        QStringLiteral("Trust: ") + trustText(contents),
        QStringLiteral("Status: ") + statusText(log.statusModel()),
        QStringLiteral("Errors: ") + errorsText(contents.counts),
        QStringLiteral("Failure answers: ") + failuresText(contents.counts),
        QStringLiteral("Waits for an answer: ") + waitsText(contents.counts),
    };
    // The newest link events, as many of them as the Feedback form leaves room for.
    QStringList events;
    for (const QString& event : contents.history.mid(qMax(0, contents.history.size() - summaryEvents)))
        events.append(QStringLiteral("  ") + event);
    const auto length = [](const QStringList& lines) {
        return lines.join(QLatin1Char('\n')).size();
    };
    while (!events.isEmpty() && length(summary) + length(events) + 20 > summaryLimit)
        events.removeFirst();
    if (!events.isEmpty())
        summary << QStringLiteral("Last link events:") << events;
    report.shortSummary = summary.join(QLatin1Char('\n')).left(summaryLimit);

    QStringList text{report.shortSummary, QString(), QStringLiteral("Files:"),
                     QStringLiteral("  %1: these lines").arg(reportName)};
    if (!contents.linkWatched)
        text.append(QStringLiteral("  (no link history, agent messages, requests or snapshot: no window was running)"));
    for (const ReportFile& file : qAsConst(report.parts)) {
        text.append(
            QStringLiteral("  %1: %2 entries, %3 bytes").arg(file.name).arg(file.entries).arg(file.bytes.size()) +
            (file.dropped ? QStringLiteral(" (%1 older entries made room)").arg(file.dropped) : QString()));
    }
    report.parts.prepend({reportName, lines(text)});
    return report;
}

QByteArray SupportReport::archive() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    KZip zip(&buffer);
    if (!zip.open(QIODevice::WriteOnly))
        return QByteArray();
    const QDateTime now = QDateTime::currentDateTime();
    for (const ReportFile& file : parts) {
        if (!zip.writeFile(file.name, file.bytes, 0100644, QString(), QString(), now, now, now))
            return QByteArray();
    }
    return zip.close() ? bytes : QByteArray();
}

bool SupportReport::save(const QString& path, QString* error) const
{
    const QByteArray bytes = archive();
    if (bytes.isEmpty()) {
        if (error)
            *error = tr("The archive could not be made.");
        return false;
    }
    return writeArchive(path, bytes, error);
}

bool SupportReport::writeArchive(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    qWarning("The support report could not be saved to %s: %s", qUtf8Printable(path),
             qUtf8Printable(file.errorString()));
    if (error)
        *error = file.errorString();
    return false;
}

QString SupportReport::defaultFileName(const QDateTime& localTime)
{
    return QStringLiteral("%1-support-%2.zip")
        .arg(brand().displayName.toLower(), localTime.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

QString SupportReport::describe(const ReportFile& file)
{
    if (file.name == reportName)
        return tr("this computer, the window and the summary below");
    if (file.name == historyName)
        return tr("connection events with the application service: %1").arg(file.entries);
    if (file.name == messagesName)
        return tr("the last messages from the application service: %1").arg(file.entries);
    if (file.name == requestsName)
        return tr("requests the window sent: %1").arg(file.entries);
    if (file.name == snapshotName)
        return tr("the last state the application service reported");
    return tr("warnings from the window: %1").arg(file.entries);
}
