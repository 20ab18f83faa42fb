// The real executable, as a tester or an end-to-end test starts it: command line, first stdout line, console on
// standard input, and the JSON-lines log.

#include "simharness.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestExecutable : public QObject
{
    Q_OBJECT

private slots:
    void servesConsoleAndLog();
    void refusesBadCommandLines_data();
    void refusesBadCommandLines();
    void listsScenarios();

private:
    static QString program() { return QStringLiteral(VEXA_AGENT_SIM_EXE); }
};

void TestExecutable::servesConsoleAndLog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath("sim.jsonl");
    QProcess sim;
    sim.start(program(), {"--port", "0", "--speed", "100", "--log", logPath});
    QVERIFY(sim.waitForStarted());
    QVERIFY(sim.waitForReadyRead(5000));
    while (!sim.canReadLine())
        QVERIFY(sim.waitForReadyRead(5000));
    const QString first = QString::fromUtf8(sim.readLine()).trimmed();
    const QRegularExpressionMatch match = QRegularExpression("^listening 127\\.0\\.0\\.1:(\\d+)$").match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first));

    TestClient client;
    QVERIFY(client.connectTo(quint16(match.captured(1).toUInt())));
    client.subscribe();
    auto message = client.next();
    QVERIFY(message);
    QCOMPARE(message->value("type").toInt(), 0);

    auto console = [&sim](const QByteArray& command, const QString& expected) {
        sim.write(command + '\n');
        QString output;
        QDeadlineTimer deadline(5000);
        while (!output.contains(expected) && !deadline.hasExpired()) {
            sim.waitForReadyRead(100);
            output += QString::fromUtf8(sim.readAllStandardOutput());
        }
        return output;
    };
    const QString help = console("help", "quit");
    for (const char* command : {"approve", "notice block", "notice warn", "notice enable", "reboot", "isolate",
                                "data off", "gateway down", "disconnect", "state"})
        QVERIFY2(help.contains(QLatin1String(command)), command);
    QVERIFY(console("approve", "error: no activation is waiting for approval").contains("error"));
    QVERIFY(console("reboot", "ok: reboot requested").contains("ok"));
    message = client.waitFor([](const QJsonObject& m) { return m.value("type").toInt() == 11; });
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 36);

    // Without a console the simulator goes on serving.
    sim.closeWriteChannel();
    QTest::qWait(50);
    QCOMPARE(sim.state(), QProcess::Running);
    client.sendLine(R"({"type":3})");
    message = client.waitFor([](const QJsonObject& m) { return m.value("type").toInt() == 2; });
    QVERIFY(message);
    client.sendLine("garbage");

    client.sendLine(R"({"type":14})");
    QVERIFY(client.waitFor([](const QJsonObject& m) { return m.value("type").toInt() == 14; }));
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));

    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QStringList kinds;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        QVERIFY2(!entry.isEmpty(), line.constData());
        QVERIFY(entry.value("ts").isString());
        kinds.append(entry.value("kind").toString());
    }
    for (const char* kind : {"listening", "connected", "request", "send", "console", "bad-input"})
        QVERIFY2(kinds.contains(QLatin1String(kind)), kind);
}

void TestExecutable::refusesBadCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown scenario") << QStringList{"--scenario", "nope", "--port", "0"} << "no scenario file";
    QTest::newRow("speed zero") << QStringList{"--speed", "0", "--port", "0"} << "--speed";
    QTest::newRow("port out of range") << QStringList{"--port", "70000"} << "--port";
}

void TestExecutable::refusesBadCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess sim;
    sim.start(program(), arguments);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 2);
    const QString err = QString::fromUtf8(sim.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
}

void TestExecutable::listsScenarios()
{
    QProcess sim;
    sim.start(program(), {"--list-scenarios"});
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);
    const QString out = QString::fromUtf8(sim.readAllStandardOutput());
    QVERIFY2(out.contains("default ") && out.contains("email-signin "), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
