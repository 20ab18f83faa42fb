#include "support/reportcommand.h"

#include "app/instancedoorbell.h"
#include "support/supportreport.h"

#include <KZip>
#include <QBuffer>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const QByteArray reportRequest = QByteArrayLiteral("support-report");

// An answer cut short (the window ended while it wrote) has no zip directory at its end and does not open.
bool isReport(const QByteArray& answer)
{
    QBuffer buffer;
    buffer.setData(answer);
    KZip zip(&buffer);
    return zip.open(QIODevice::ReadOnly) && zip.directory()->entry(QStringLiteral("report.txt"));
}

} // namespace

int writeSupportReportFromTerminal(const QString& path, const QString& doorbellName)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QByteArray archive = InstanceDoorbell::ask(doorbellName, reportRequest);
    if (!isReport(archive)) {
        err << QCoreApplication::translate("CommandLine",
                                           "No window of this user is running, so the report has no link history.")
            << Qt::endl;
        archive = SupportReport::collect(*SupportLog::instance()).archive();
    }
    QString error;
    if (archive.isEmpty() || !SupportReport::writeArchive(path, archive, &error)) {
        err << QCoreApplication::translate("CommandLine", "Could not write the support report to %1: %2")
                   .arg(path, error)
            << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("CommandLine", "Wrote the support report to %1.").arg(path) << Qt::endl;
    return 0;
}

void answerSupportReportRequests(InstanceDoorbell& doorbell)
{
    doorbell.answerRequests([](const QByteArray& request) {
        return request == reportRequest ? SupportReport::collect(*SupportLog::instance()).archive() : QByteArray();
    });
}
