#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/instancedoorbell.h"
#include "app/runguard.h"
#include "app/startup.h"
#include "mainwindow/secconnstatus.h"
#include "status/statusmodel.h"
#include "status/statusreport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStackedWidget>
#include <QTemporaryDir>
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

    // `doorbellName`: where the doorbell is, when not where this user's own would be.
    explicit Window(const QString& user, const QString& doorbellName = QString())
    {
        screens->setObjectName(QStringLiteral("screenStack"));
        for (int page = 0; page < 5; ++page)
            screens->addWidget(new QWidget);
        screens->setCurrentIndex(4);
        report = new StatusReport(widget, link);
        doorbell.listen(doorbellName.isEmpty() ? RunGuard::doorbellNameFor(instanceKey(user)) : doorbellName);
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
        // The deadline is a coarse timer, which may be set to fire up to 5 % late.
        QVERIFY2(deadlineLeft > 0 && deadlineLeft <= AnswerWait::deadlineMs * 21 / 20 - busyMs,
                 qPrintable(json.output));
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

    // Another user learns nothing, even where the socket file lets anyone in: not by asking at the socket itself
    // (the window checks who asks), nor through `vexaui --status` finding a window of someone else where its own
    // would be (the asker checks who answers). The same socket still answers a program of the window's own user.
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
        const uid_t nobody = 65534;
        // The other user's own runtime folder, where its `vexaui --status` looks for the doorbell.
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QCOMPARE(chown(QFile::encodeName(runtime.path()).constData(), nobody, nobody), 0);
        const QString user = testUser(atTheSocket ? "foreign-socket" : "foreign-command");
        const QString socketPath =
            runtime.path() + QLatin1Char('/') + QFileInfo(RunGuard::doorbellNameFor(instanceKey(user))).fileName();
        Window window(user, socketPath);
        QCOMPARE(chmod(QFile::encodeName(socketPath).constData(), 0777), 0);

        auto askAs = [&](uid_t uid, const QStringList& arguments) {
            QProcess asker;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            environment.remove(QStringLiteral("DISPLAY"));
            asker.setProcessEnvironment(environment);
            asker.start(QStringLiteral(FOREIGN_ASKER), QStringList{QString::number(uid)} + arguments);
            if (!QTest::qWaitFor([&asker] { return asker.state() == QProcess::NotRunning; }, 30000))
                asker.kill();
            return std::make_pair(asker.exitCode(), asker.readAllStandardOutput());
        };
        const QStringList atSocket{QStringLiteral("ask"), socketPath, QStringLiteral("status")};
        if (atTheSocket) {
            QCOMPARE(askAs(nobody, atSocket), std::make_pair(0, QByteArray("connected\n")));
        } else {
            const auto [exitCode, told] =
                askAs(nobody, {QStringLiteral("run"), QStringLiteral(VEXAUI_EXECUTABLE), QStringLiteral("-u"), user,
                               QStringLiteral("--status"), QStringLiteral("--json")});
            QCOMPARE(exitCode, 3);
            QCOMPARE(told, QByteArray());
        }
        const auto [exitCode, told] = askAs(0, atSocket);
        QCOMPARE(exitCode, 0);
        QVERIFY2(told.contains("\"state\":"), told.constData());
    }
};

QTEST_MAIN(TestStatusCommand)
#include "test_statuscommand.moc"
