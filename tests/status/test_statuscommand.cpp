#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/instancedoorbell.h"
#include "app/runguard.h"
#include "app/startup.h"
#include "mainwindow/secconnstatus.h"
#include "status/statusmodel.h"
#include "status/statusreport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStackedWidget>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A user name of this test run alone, so that no real window and no parallel test shares the doorbell.
QString testUser(const char* purpose)
{
    return QStringLiteral("status-test-%1-%2").arg(QLatin1String(purpose)).arg(QCoreApplication::applicationPid());
}

struct Run
{
    int exitCode = -1;
    QString output;
    QString errors;
};

// The real program on a terminal without a display. `busyMs`: once it has started, this thread stays busy that long
// before its event loop (and so the doorbell) runs again, as a window handling a large listing would.
Run runStatusCommand(const QString& user, const QStringList& extra, int busyMs = 0)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VEXAUI_EXECUTABLE), QStringList{QStringLiteral("-u"), user} + extra);
    process.waitForStarted();
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < busyMs) {
    }
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The parts of the window the status is read from: its status model and its stack of pages.
struct Window
{
    QWidget widget;
    StatusModel* model = new StatusModel(&widget);
    QStackedWidget* screens = new QStackedWidget(&widget);
    vexaintf link{1};
    StatusReport* report;
    InstanceDoorbell doorbell;

    explicit Window(const QString& user)
    {
        screens->setObjectName(QStringLiteral("screenStack"));
        for (int page = 0; page < 5; ++page)
            screens->addWidget(new QWidget);
        screens->setCurrentIndex(4);
        report = new StatusReport(widget, link);
        doorbell.listen(RunGuard::doorbellNameFor(instanceKey(user)));
        answerStatusRequests(doorbell, *report);
    }
};

} // namespace

class TestStatusCommand : public QObject
{
    Q_OBJECT
private slots:
    // What the window shows, on one line and as JSON, also when the window is busy as the question comes.
    void answersForTheRunningWindow_data()
    {
        QTest::addColumn<int>("busyMs");
        QTest::newRow("idle window") << 0;
        QTest::newRow("window busy for 700 ms") << 700;
    }
    void answersForTheRunningWindow()
    {
        QFETCH(int, busyMs);
        const QString user = testUser(busyMs ? "busy" : "idle");
        Window window(user);
        window.model->setLink(LinkStatus::Up);
        AgentInfo snapshot;
        snapshot.activationState = 1;
        snapshot.dataAvailable = true;
        snapshot.secconn.enabled = true;
        snapshot.secconn.status = SecconnStatus::connected;
        snapshot.secconn.pagName = QStringLiteral("Frankfurt 1");
        window.model->setSnapshot(snapshot);
        emit window.link.sendVexaEvent(QJsonObject());
        AnswerWait wait(QStringLiteral("peer listing"));
        wait.start();

        const Run line = runStatusCommand(user, {QStringLiteral("--status")}, busyMs);
        QCOMPARE(line.exitCode, 0);
        QCOMPARE(line.output, QStringLiteral("Secure Access on · Frankfurt 1\n"));

        const Run json = runStatusCommand(user, {QStringLiteral("--status"), QStringLiteral("--json")}, busyMs);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject status = QJsonDocument::fromJson(json.output.toUtf8()).object();
        QCOMPARE(status.value(QLatin1String("state")).toString(), QStringLiteral("on"));
        QCOMPARE(status.value(QLatin1String("link")).toString(), QStringLiteral("up"));
        QCOMPARE(status.value(QLatin1String("gateway")).toString(), QStringLiteral("Frankfurt 1"));
        QCOMPARE(status.value(QLatin1String("screen")).toString(), QStringLiteral("settings"));
        QCOMPARE(status.value(QLatin1String("switch")).toObject(),
                 QJsonObject({{QStringLiteral("usable"), true}, {QStringLiteral("on"), true}}));
        const QJsonObject waitSeen = status.value(QLatin1String("waits")).toArray().first().toObject();
        QCOMPARE(waitSeen.value(QLatin1String("kind")).toString(), QStringLiteral("peer listing"));
        QVERIFY(waitSeen.value(QLatin1String("ageMs")).toInt() >= busyMs);
        const int deadlineLeft = waitSeen.value(QLatin1String("deadlineMs")).toInt(-1);
        QVERIFY2(deadlineLeft > 0 && deadlineLeft <= AnswerWait::deadlineMs - busyMs, qPrintable(json.output));
        QVERIFY(!status.value(QLatin1String("lastSnapshot")).toString().isEmpty());
    }

    // Nobody listens, or only an instance of a build that counts rings: nothing to say, exit 3.
    void noWindowRunning_data()
    {
        QTest::addColumn<bool>("ringOnlyInstance");
        QTest::newRow("none running") << false;
        QTest::newRow("an instance that only rings") << true;
    }
    void noWindowRunning()
    {
        QFETCH(bool, ringOnlyInstance);
        const QString user = testUser(ringOnlyInstance ? "rings" : "none");
        InstanceDoorbell doorbell;
        if (ringOnlyInstance)
            QVERIFY(doorbell.listen(RunGuard::doorbellNameFor(instanceKey(user))));
        const Run run = runStatusCommand(user, {QStringLiteral("--status")});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.errors.contains(QLatin1String("No window of this user is running.")), qPrintable(run.errors));
        QVERIFY(run.output.isEmpty());
    }

    // Another user learns nothing: not by asking at the socket itself, which the window refuses even where the
    // socket file lets anyone in, nor through `vexaui --status`, which also refuses a window of another user.
    void otherUserRefused_data()
    {
        QTest::addColumn<bool>("atTheSocket");
        QTest::newRow("a program asking at the socket") << true;
        QTest::newRow("vexaui --status") << false;
    }
    void otherUserRefused()
    {
        QFETCH(bool, atTheSocket);
        if (geteuid() != 0)
            QSKIP("only root can ask as another user");
        // Without a runtime folder of its own each side puts the doorbell in the shared temporary folder, the one
        // place another user can reach it.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", "/nonexistent/status-test-runtime");
        const QString user = testUser(atTheSocket ? "foreign-socket" : "foreign-command");
        Window window(user);
        const QString socketPath = QDir::tempPath() + QLatin1Char('/') + RunGuard::doorbellNameFor(instanceKey(user));
        QCOMPARE(chmod(QFile::encodeName(socketPath).constData(), 0777), 0);

        QProcess foreign;
        foreign.setProcessChannelMode(QProcess::SeparateChannels);
        const QString nobody = QStringLiteral("65534");
        if (atTheSocket)
            foreign.start(QStringLiteral(FOREIGN_ASKER),
                          {nobody, QStringLiteral("ask"), socketPath, QStringLiteral("status")});
        else
            foreign.start(QStringLiteral(FOREIGN_ASKER),
                          {nobody, QStringLiteral("run"), QStringLiteral(VEXAUI_EXECUTABLE), QStringLiteral("-u"), user,
                           QStringLiteral("--status"), QStringLiteral("--json")});
        QVERIFY(QTest::qWaitFor([&foreign] { return foreign.state() == QProcess::NotRunning; }, 30000));
        const QByteArray told = foreign.readAllStandardOutput();
        if (atTheSocket) {
            QCOMPARE(foreign.exitCode(), 0);
            QCOMPARE(told, QByteArray("connected\n"));
        } else {
            QCOMPARE(foreign.exitCode(), 3);
            QVERIFY(told.isEmpty());
        }
        // The same doorbell still answers its own user: it was the asker that was refused, not the place.
        QCOMPARE(runStatusCommand(user, {QStringLiteral("--status")}).exitCode, 0);
        if (runtime.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
};

QTEST_MAIN(TestStatusCommand)
#include "test_statuscommand.moc"
