#pragma once

#include "support/supportlog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// One file of the report; a log also says how many entries it holds and how many older ones made room for them.
struct ReportFile
{
    QString name;
    QByteArray bytes;
    int entries = -1;
    qint64 dropped = 0;
};

// The support report: report.txt first (this computer, the window and the link in a few lines), then the logs the
// support log kept. Built once, so that the preview shows exactly what the archive will hold.
class SupportReport
{
    Q_DECLARE_TR_FUNCTIONS(SupportReport)
public:
    // The Feedback form's limit, where users paste the summary.
    static constexpr int summaryLimit = 1500;

    // What the log holds now, with this program's surroundings. The link's files come only from a log that watched
    // a link: a report written from a terminal without a running window has no link history.
    static SupportReport collect(const SupportLog& log);

    const QList<ReportFile>& files() const { return parts; }
    // The first lines of report.txt, short enough for the Feedback form.
    const QString& summary() const { return shortSummary; }
    // The files in a zip archive, report.txt first.
    QByteArray archive() const;
    // Replaces the file at path only once the whole archive is written; the reason in error when it fails.
    bool save(const QString& path, QString* error) const;
    // An archive written whole or not at all: the file appears only once every byte is on disk.
    static bool writeArchive(const QString& path, const QByteArray& bytes, QString* error);

    // `<brand>-support-<date>-<time>.zip`.
    static QString defaultFileName(const QDateTime& localTime);
    // What a file holds, in the user's words, for the preview.
    static QString describe(const ReportFile& file);

private:
    QList<ReportFile> parts;
    QString shortSummary;
};
