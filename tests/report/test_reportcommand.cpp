#include "app/instancedoorbell.h"
#include "app/runguard.h"
#include "app/startup.h"
#include "support/reportcommand.h"
#include "tests/report/reporttestkit.h"
#include "tests/support/mainwindowharness.h"

#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A user name of this test run alone, so that no real window and no parallel test shares the doorbell.
QString testUser(const char* purpose)
{
    return QStringLiteral("report-test-%1-%2").arg(QLatin1String(purpose)).arg(QCoreApplication::applicationPid());
}

struct Run
{
    int exitCode = -1;
    QString output;
    QString errors;
};

// The real program on a terminal without a display; the event loop keeps running meanwhile, so a doorbell of this
// process can answer it.
Run runReportCommand(const QString& user, const QString& path)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VEXAUI_EXECUTABLE),
                  {QStringLiteral("-u"), user, QStringLiteral("--support-report"), path});
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QMap<QString, QByteArray> readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? readArchive(file.readAll()) : QMap<QString, QByteArray>();
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT
private slots:
    // The running window writes the report, with what its link saw.
    void throughTheRunningInstance()
    {
        ScopedSupportLog scope;
        AgentLink link;
        scope.log.watch(&link.link);
        emit link.link.socket()->disconnected();
        emit link.link.socket()->connectedToBackend();
        link.link.event_notify(QJsonDocument(agentMessage(0, {{QStringLiteral("agentinfo.user.email"),
                                                               QStringLiteral("ann@acme.example")}}))
                                   .toJson(QJsonDocument::Compact));
        const QString user = testUser("running");
        InstanceDoorbell doorbell;
        QVERIFY(doorbell.listen(RunGuard::doorbellNameFor(instanceKey(user))));
        answerSupportReportRequests(doorbell);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.zip"));

        const Run run = runReportCommand(user, path);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.contains(path), qPrintable(run.output + run.errors));
        QVERIFY2(!run.errors.contains(QLatin1String("no link history")), qPrintable(run.errors));
        const QMap<QString, QByteArray> files = readFile(path);
        QVERIFY2(files.value(QStringLiteral("link-history.txt")).contains("link dropped"),
                 files.value(QStringLiteral("link-history.txt")).constData());
        QVERIFY(files.value(QStringLiteral("link-history.txt")).contains("reconnected"));
        QVERIFY(files.value(QStringLiteral("snapshot.json")).contains("<email-1>"));
        for (const QByteArray& bytes : files)
            QVERIFY(!bytes.contains("ann@acme.example"));
        QVERIFY(files.value(QStringLiteral("report.txt")).contains("Link: up"));
    }

    // Nobody answers, or an instance of a build that only counts rings: the report is this process's own, without
    // the link's files, and says why.
    void withoutARunningInstance_data()
    {
        QTest::addColumn<bool>("ringOnlyInstance");
        QTest::newRow("none running") << false;
        QTest::newRow("an instance that only rings") << true;
    }
    void withoutARunningInstance()
    {
        QFETCH(bool, ringOnlyInstance);
        const QString user = testUser(ringOnlyInstance ? "rings" : "none");
        InstanceDoorbell doorbell;
        QSignalSpy rings(&doorbell, &InstanceDoorbell::rung);
        if (ringOnlyInstance)
            QVERIFY(doorbell.listen(RunGuard::doorbellNameFor(instanceKey(user))));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.zip"));

        const Run run = runReportCommand(user, path);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errors.contains(QLatin1String("the report has no link history")), qPrintable(run.errors));
        const QMap<QString, QByteArray> files = readFile(path);
        QCOMPARE(QStringList(files.keys()), QStringList({"report.txt", "warnings.txt"}));
        const QByteArray report = files.value(QStringLiteral("report.txt"));
        QVERIFY(report.contains("Link: not known (no window was running)"));
        QVERIFY(report.contains("Platform plugin: none (written from a terminal)"));
        QCOMPARE(rings.size(), ringOnlyInstance ? 1 : 0);
    }

    void unwritablePathFails()
    {
        const Run run = runReportCommand(testUser("unwritable"), QStringLiteral("/nonexistent-folder/report.zip"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QLatin1String("Could not write the support report to /nonexistent-folder/")),
                 qPrintable(run.errors));
    }
};

QTEST_MAIN(TestReportCommand)
#include "test_reportcommand.moc"
