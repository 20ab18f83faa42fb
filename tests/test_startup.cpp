#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "app/runguard.h"
#include "app/startup.h"
#include "mainwindow/mainwindow.h"
#include "tests/support/agentlink.h"
#include "tests/support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <csignal>
#include <unistd.h>

namespace {
// A key no other test run shares, so parallel runs and leftovers cannot interfere.
QString uniqueKey(const char* tag)
{
    return QStringLiteral("vexaui-test-%1-%2").arg(QLatin1String(tag)).arg(QCoreApplication::applicationPid());
}

struct Probe
{
    QProcess process;
    void start(const char* mode, const QString& key)
    {
        process.start(QStringLiteral(RUNGUARD_PROBE), {QLatin1String(mode), key});
    }
    QByteArray nextLine()
    {
        if (!QTest::qWaitFor([this] { return process.canReadLine(); }, 5000))
            return {};
        return process.readLine().trimmed();
    }
};

QByteArray tryOnce(const QString& key)
{
    Probe probe;
    probe.start("try", key);
    const QByteArray answer = probe.nextLine();
    probe.process.waitForFinished();
    return answer;
}

struct Ended
{
    int status = -1; // also for a crash or a process that had to be killed
    QByteArray output;
};

Ended runVexaUiToEnd(const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VEXAUI_EXECUTABLE), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput()};
}

int runVexaUiToExit(const QStringList& arguments)
{
    return runVexaUiToEnd(arguments).status;
}

// A terminal over ssh or a text console: no display server to connect to.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

QByteArray lineOf(const char* path, const QByteArray& key)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size());
    }
    return {};
}

// The program as started by a user, given a moment to claim its slot.
struct RunningVexaUi
{
    QProcess process;
    explicit RunningVexaUi(const QStringList& arguments)
    {
        process.start(QStringLiteral(VEXAUI_EXECUTABLE), arguments);
        process.waitForStarted();
    }
    ~RunningVexaUi()
    {
        process.kill();
        process.waitForFinished();
    }
    bool isRunningAfter(int ms) { return !process.waitForFinished(ms); }
};

// Listens where the program looks for its agent and keeps what every client writes: another vexaui on this machine
// may connect here too, and must neither hide nor replace the lines of the program under test.
class AgentPortListener : public QObject
{
public:
    explicit AgentPortListener(quint16 port)
    {
        server.listen(QHostAddress::LocalHost, port);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = server.nextPendingConnection()) {
                const int index = received.size();
                received.append(QByteArray());
                connect(client, &QTcpSocket::readyRead, this,
                        [this, client, index] { received[index] += client->readAll(); });
            }
        });
    }
    bool isListening() const { return server.isListening(); }
    bool receivesLine(const QByteArray& line, int timeoutMs)
    {
        return QTest::qWaitFor(
            [&] {
                for (const QByteArray& bytes : qAsConst(received))
                    if (bytes.startsWith(line))
                        return true;
                return false;
            },
            timeoutMs);
    }

private:
    QTcpServer server;
    QList<QByteArray> received;
};
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void userNameFallsBackThroughTheEnvironment()
    {
        const QByteArray savedUsername = qgetenv("USERNAME");
        const QByteArray savedUser = qgetenv("USER");
        qputenv("USERNAME", "Zoë");
        QCOMPARE(systemUserName(), QString::fromUtf8("Zoë"));
        qunsetenv("USERNAME");
        qputenv("USER", "bob");
        QCOMPARE(systemUserName(), QStringLiteral("bob"));
        qunsetenv("USER");
        QVERIFY(!systemUserName().isEmpty());
        qputenv("USERNAME", savedUsername);
        qputenv("USER", savedUser);
    }

    // Real locale environments, which Qt reads once per process, through the lookup start-up runs.
    void translationForTheSystemLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("qtCatalogue");
        const auto lang = [](const char* locale) {
            return QStringList{QStringLiteral("LANG=%1.UTF-8").arg(QLatin1String(locale))};
        };
        QTest::newRow("Korean") << lang("ko_KR") << QStringLiteral("vexaui_ko.qm") << QStringLiteral("qtbase_ko.qm");
        QTest::newRow("Spanish (Spain)") << lang("es_ES") << QStringLiteral("vexaui_es.qm")
                                         << QStringLiteral("qtbase_es.qm");
        QTest::newRow("Spanish (Mexico)")
            << lang("es_MX") << QStringLiteral("vexaui_es.qm") << QStringLiteral("qtbase_es.qm");
        QTest::newRow("Turkish") << lang("tr_TR") << QStringLiteral("vexaui_tr.qm") << QStringLiteral("qtbase_tr.qm");
        QTest::newRow("Brazilian Portuguese")
            << lang("pt_BR") << QStringLiteral("vexaui_pt_br.qm") << QStringLiteral("qtbase_pt_BR.qm");
        QTest::newRow("Portuguese (Portugal) reads Brazilian")
            << lang("pt_PT") << QStringLiteral("vexaui_pt_br.qm") << QStringLiteral("qtbase_pt_BR.qm");
        QTest::newRow("Portuguese before English in LANGUAGE")
            << (lang("pt_PT") << QStringLiteral("LANGUAGE=pt_PT:pt:en")) << QStringLiteral("vexaui_pt_br.qm")
            << QStringLiteral("qtbase_pt_BR.qm");
        QTest::newRow("English") << lang("en_US") << QStringLiteral("vexaui_en.qm") << QStringLiteral("qtbase_en.qm");
        QTest::newRow("English first in LANGUAGE") << (lang("ko_KR") << QStringLiteral("LANGUAGE=en_US:ko"))
                                                   << QStringLiteral("vexaui_en.qm") << QStringLiteral("qtbase_en.qm");
        QTest::newRow("second choice in LANGUAGE") << (lang("de_DE") << QStringLiteral("LANGUAGE=de_DE:de:es"))
                                                   << QStringLiteral("vexaui_es.qm") << QStringLiteral("qtbase_es.qm");
        QTest::newRow("LC_MESSAGES before LANG") << (lang("en_US") << QStringLiteral("LC_MESSAGES=ko_KR.UTF-8"))
                                                 << QStringLiteral("vexaui_ko.qm") << QStringLiteral("qtbase_ko.qm");
        QTest::newRow("LC_ALL before LC_MESSAGES")
            << (lang("ko_KR") << QStringLiteral("LC_MESSAGES=ko_KR.UTF-8") << QStringLiteral("LC_ALL=tr_TR.UTF-8"))
            << QStringLiteral("vexaui_tr.qm") << QStringLiteral("qtbase_tr.qm");
        QTest::newRow("German has none") << lang("de_DE") << QString() << QString();
        // Layout checks run the window in the pseudo-language, which the build leaves beside the program.
        QTest::newRow("catalogue named in the environment")
            << (lang("ko_KR") << QStringLiteral("VEXAUI_TRANSLATION_FILE=" VEXAUI_PSEUDO_CATALOGUE))
            << QStringLiteral(VEXAUI_PSEUDO_CATALOGUE) << QStringLiteral("qtbase_en.qm");
        QTest::newRow("C locale") << lang("C") << QString() << QString();
        QTest::newRow("nothing set") << QStringList() << QString() << QString();
    }
    void translationForTheSystemLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, catalogue);
        QFETCH(QString, qtCatalogue);
        QProcessEnvironment locale = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "VEXAUI_TRANSLATION_FILE"})
            locale.remove(QLatin1String(name));
        for (const QString& setting : environment)
            locale.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        QProcess probe;
        probe.setProcessEnvironment(locale);
        probe.start(QStringLiteral(TRANSLATION_PROBE), QStringList());
        QVERIFY(probe.waitForFinished(10000));
        const QString chosen = QString::fromUtf8(probe.readAllStandardOutput().trimmed());
        const QString file =
            QFileInfo(catalogue).isAbsolute() ? catalogue : QStringLiteral(":/lang/langFiles/") + catalogue;
        QCOMPARE(chosen, catalogue.isEmpty() ? QStringLiteral("none") : QStringLiteral("%1 %2").arg(file, qtCatalogue));
    }

    void guardHashesKeyAndSalt()
    {
        // SHA-1 of "KdPsXvBmalice_rvLockSalt", as 40 lower-case hex digits.
        const QString hash = RunGuard::generateKeyHash(QStringLiteral("KdPsXvBmalice"), QStringLiteral("_rvLockSalt"));
        QCOMPARE(hash.size(), 40);
        QCOMPARE(hash, hash.toLower());
        QVERIFY(hash != RunGuard::generateKeyHash(QStringLiteral("KdPsXvBmbob"), QStringLiteral("_rvLockSalt")));
        QVERIFY(hash != RunGuard::generateKeyHash(QStringLiteral("KdPsXvBmalice"), QStringLiteral("_rvShmSaltXyz")));
    }

    // A command from a shell without XDG_RUNTIME_DIR finds the window where its login session put it.
    void runtimeFolderWithoutTheSessionVariable_data()
    {
        QTest::addColumn<bool>("variableSet");
        QTest::addColumn<bool>("sessionFolder");
        QTest::addColumn<QString>("expected"); // "session", "variable" or "other"
        QTest::newRow("variable set") << true << true << "variable";
        QTest::newRow("unset, session folder there") << false << true << "session";
        QTest::newRow("unset, no session folder") << false << false << "other";
    }
    void runtimeFolderWithoutTheSessionVariable()
    {
        QFETCH(bool, variableSet);
        QFETCH(bool, sessionFolder);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        QTemporaryDir sessions;
        QTemporaryDir variable;
        const QString session = sessions.filePath(QString::number(::getuid()));
        if (sessionFolder)
            QVERIFY(QDir().mkpath(session));
        if (variableSet)
            qputenv("XDG_RUNTIME_DIR", variable.path().toUtf8());
        else
            qunsetenv("XDG_RUNTIME_DIR");
        const QString folder = RunGuard::runtimeFolder(sessions.path());
        if (wasSet)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        if (expected == QLatin1String("session"))
            QCOMPARE(folder, session);
        else if (expected == QLatin1String("variable"))
            QCOMPARE(folder, variable.path());
        else
            QVERIFY(!folder.isEmpty() && !folder.startsWith(sessions.path()));
    }

    void secondStartAsksTheOwnerToShow()
    {
        const QString key = uniqueKey("show");
        Probe owner;
        owner.start("hold", key);
        QCOMPARE(owner.nextLine(), QByteArray("owner"));
        QCOMPARE(tryOnce(key), QByteArray("refused"));
        QCOMPARE(owner.nextLine(), QByteArray("show"));
        // Each start wakes the owner once; nothing else does.
        QVERIFY(!owner.process.waitForReadyRead(300));
        QCOMPARE(tryOnce(uniqueKey("other-user")), QByteArray("owner"));
        owner.process.terminate();
        owner.process.waitForFinished();
    }

    void slotIsFreeAfterOwnerEndsOrCrashes_data()
    {
        QTest::addColumn<bool>("crash");
        QTest::newRow("normal end") << false;
        QTest::newRow("killed") << true;
    }
    // A crashed owner leaves its segment and its doorbell's socket behind; the next owner takes over both.
    void slotIsFreeAfterOwnerEndsOrCrashes()
    {
        QFETCH(bool, crash);
        const QString key = uniqueKey(crash ? "crash" : "end");
        {
            RunGuard guard(key);
            Probe owner;
            owner.start("hold", key);
            QCOMPARE(owner.nextLine(), QByteArray("owner"));
            if (crash)
                ::kill(static_cast<pid_t>(owner.process.processId()), SIGKILL);
            else
                owner.process.terminate();
            owner.process.waitForFinished();
        }
        Probe next;
        next.start("hold", key);
        QCOMPARE(next.nextLine(), QByteArray("owner"));
        QCOMPARE(tryOnce(key), QByteArray("refused"));
        QCOMPARE(next.nextLine(), QByteArray("show"));
        next.process.terminate();
        next.process.waitForFinished();
    }

    // The owner sleeps until a later start wakes it, and answers within a blink; the flag in the segment stays the
    // request itself, so builds that only poll it keep working against this one.
    void guardInProcessIsWokenOncePerStart()
    {
        const QString key = uniqueKey("inproc");
        RunGuard owner(key);
        QVERIFY(owner.tryToRun());
        QSignalSpy rung(owner.doorbell(), &InstanceDoorbell::rung);
        QVERIFY(!owner.takeShowRequest());

        QCOMPARE(tryOnce(key), QByteArray("refused"));
        // The later start rang before it answered, so the owner hears it within 200 ms of that answer at the most.
        QVERIFY(rung.size() == 1 || rung.wait(200));
        QVERIFY(owner.takeShowRequest());
        QVERIFY(!owner.takeShowRequest());

        // Two starts before the owner looks count as one request.
        QCOMPARE(tryOnce(key), QByteArray("refused"));
        QCOMPARE(tryOnce(key), QByteArray("refused"));
        QVERIFY(owner.takeShowRequest());
        QVERIFY(!owner.takeShowRequest());

        owner.release();
        QVERIFY(!owner.doorbell()->isListening());
        QCOMPARE(tryOnce(key), QByteArray("owner"));

        RunGuard notOwner(key);
        QVERIFY(!notOwner.takeShowRequest());
        QVERIFY(!notOwner.doorbell()->isListening());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("long allow is unknown") << QStringList{QStringLiteral("--allow"), QStringLiteral("true")} << 1;
        QTest::newRow("missing value") << QStringList{QStringLiteral("-u")} << 1;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--verbose")} << 1;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QCOMPARE(runVexaUiToExit(arguments), status);
    }

    // Answers on a terminal, where a user or a packaging tool asks and no display may exist.
    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed");
        const QString options = QStringLiteral("-u, --user <user>");
        const QString version = brand().displayName + QLatin1Char(' ') + brand().appVersion + QLatin1Char('\n');
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << options;
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << options;
        QTest::newRow("help after the other options")
            << QStringList{QStringLiteral("-u"),    QStringLiteral("alice"), QStringLiteral("-a"),
                           QStringLiteral("true"),  QStringLiteral("-r"),    QStringLiteral("https://example.org/"),
                           QStringLiteral("--help")}
            << QStringLiteral("-r, --rurl <rurl>");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << version;
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << version;
    }
    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        const Ended ended = runVexaUiToEnd(arguments, withoutDisplay());
        QCOMPARE(ended.status, 0);
        QVERIFY2(ended.output.contains(printed.toUtf8()), ended.output.constData());
    }

    // The options are described in the user's language.
    void helpInTheUsersLanguage()
    {
        QProcessEnvironment environment = withoutDisplay();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8"));
        const Ended ended = runVexaUiToEnd({QStringLiteral("--help")}, environment);
        QCOMPARE(ended.status, 0);
        // The help wraps its descriptions to the widest option, so words are compared without the line breaks.
        QVERIFY2(ended.output.simplified().contains("permite otra instancia para el mismo usuario"),
                 ended.output.constData());
    }

    // An option's value is data: a user named like the help option gets the window, not the help text.
    void helpAsAValueIsNoRequestForHelp()
    {
        RunningVexaUi program(
            {QStringLiteral("-u"), QStringLiteral("--help"), QStringLiteral("-a"), QStringLiteral("true")});
        QVERIFY(program.isRunningAfter(1500));
    }

    // The desktop entry and the metainfo are generated at build time from the brand's identity on the build side;
    // they must name what the program tells the desktop, or task bars show a generic icon.
    void desktopFilesMatchTheProgram()
    {
        setApplicationIdentity();
        const QString id = QGuiApplication::desktopFileName();
        QCOMPARE(id, applicationId());
        QCOMPARE(QFileInfo(QStringLiteral(VEXAUI_DESKTOP_ENTRY)).fileName(), id + QStringLiteral(".desktop"));
        QCOMPARE(lineOf(VEXAUI_DESKTOP_ENTRY, "Name="), QCoreApplication::applicationName().toUtf8());
        QCOMPARE(lineOf(VEXAUI_DESKTOP_ENTRY, "Icon="), id.toUtf8());
        QCOMPARE(lineOf(VEXAUI_METAINFO, "  <id>"), id.toUtf8() + "</id>");
        QCOMPARE(lineOf(VEXAUI_METAINFO, "    <release version=\"").split('"').value(0),
                 QCoreApplication::applicationVersion().toUtf8());
    }

    void singleInstancePerUser()
    {
        const QString user = uniqueKey("user");
        RunningVexaUi first({QStringLiteral("-u"), user});
        QVERIFY(first.isRunningAfter(1500));
        QCOMPARE(runVexaUiToExit({QStringLiteral("-u"), user}), 0);
        QCOMPARE(runVexaUiToExit({QStringLiteral("-u"), user, QStringLiteral("-a"), QStringLiteral("TRUE")}), 0);

        RunningVexaUi allowed({QStringLiteral("-u"), user, QStringLiteral("-a"), QStringLiteral("true")});
        QVERIFY(allowed.isRunningAfter(1500));
        RunningVexaUi otherUser({QStringLiteral("-u"), user + QStringLiteral("-2")});
        QVERIFY(otherUser.isRunningAfter(1500));

        ::kill(static_cast<pid_t>(first.process.processId()), SIGKILL);
        first.process.waitForFinished();
        RunningVexaUi afterCrash({QStringLiteral("-u"), user});
        QVERIFY(afterCrash.isRunningAfter(1500));
    }

    void secondStartBringsTheWindowToTheFront()
    {
        initVexaResources();
        const QString user = uniqueKey("front");
        RunGuard guard(QStringLiteral("KdPsXvBm") + user);
        QVERIFY(guard.tryToRun());
        AgentLink agent;
        MainWindow window;
        window.showMinimized();
        answerShowRequests(guard, window);

        QCOMPARE(runVexaUiToExit({QStringLiteral("-u"), user}), 0);
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QVERIFY(window.windowState() & Qt::WindowActive);
        // Asked again while shown, it stays shown.
        QCOMPARE(runVexaUiToExit({QStringLiteral("-u"), user}), 0);
        QTest::qWait(300);
        QVERIFY(window.isVisible() && !window.isMinimized());
    }

    void firstBytesAreTheSubscription()
    {
        AgentPortListener agent(8004);
        if (!agent.isListening())
            QSKIP("port 8004 is taken on this machine");
        // A user name of this run only, so the lines of any other vexaui that finds this port are told apart.
        const QString user = uniqueKey("subscriber");
        RunningVexaUi program({QStringLiteral("-u"), user, QStringLiteral("-a"), QStringLiteral("true")});
        QVERIFY(agent.receivesLine("{\"subscribe_req\":{\"username\":\"" + user.toUtf8() + "\"},\"type\":1}\n", 10000));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
