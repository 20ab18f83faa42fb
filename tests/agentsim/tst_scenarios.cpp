// Scenario files: every shipped one loads and starts a consistent agent; broken ones are refused with the path of
// the problem, before any client connects.

#include "simharness.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace agentsim;

class TestScenarios : public QObject
{
    Q_OBJECT

private slots:
    void builtinScenariosStart_data();
    void builtinScenariosStart();
    void brokenScenariosAreRefused_data();
    void brokenScenariosAreRefused();
    void loadsFilesAndNames();
};

void TestScenarios::builtinScenariosStart_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = Scenario::builtinNames();
    for (const char* required : {"default", "approval-required", "deactivation-password", "compliance-violations",
                                 "email-signin", "activation-code", "email-enrollment"})
        QVERIFY2(names.contains(QString::fromLatin1(required)), required);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestScenarios::builtinScenariosStart()
{
    QFETCH(QString, name);
    QString error;
    const auto scenario = Scenario::load(name, &error);
    QVERIFY2(scenario, qPrintable(error));
    QVERIFY(!scenario->description.isEmpty());
    QVERIFY(scenario->port == 8002 || scenario->port == 8004);
    SimClock clock;
    SimAgent agent(*scenario, clock);
    const QJsonObject snapshot = agent.snapshot();
    QVERIFY2(snapshotProblems(snapshot).isEmpty(), qPrintable(snapshotProblems(snapshot)));
    // A device that starts enrolled carries its enterprise; one that does not carries none of it.
    const int state = at(snapshot, "activation_state").toInt();
    QCOMPARE(at(snapshot, "ent_name").toString().isEmpty(), state == 0);
}

void TestScenarios::brokenScenariosAreRefused_data()
{
    QTest::addColumn<QByteArray>("overlay");
    QTest::addColumn<QString>("problem");

    QTest::newRow("unknown section") << QByteArray(R"({"stat":{}})") << "stat: unknown key";
    QTest::newRow("unknown state key") << QByteArray(R"({"state":{"activation":1}})")
                                       << "state.activation: unknown key";
    QTest::newRow("state value of the wrong type") << QByteArray(R"({"state":{"features":{"secconn":{"status":"2"}}}})")
                                                   << "state.features.secconn.status: expected a whole number";
    QTest::newRow("gateway without id") << QByteArray(R"({"gateways":[{"name":"Oslo"}]})") << "gateways[0].id: missing";
    QTest::newRow("duplicate gateway") << QByteArray(R"({"gateways":[{"id":"a"},{"id":"a"}]})") << "duplicate id a";
    QTest::newRow("unknown category") << QByteArray(R"({"violations":{"ports":[]}})")
                                      << "violations.ports: unknown key";
    QTest::newRow("port given as text")
        << QByteArray(R"({"violations":{"port":[{"condition":"LISTENING","ports":[{"port":"22"}]}]}})")
        << "violations.port[0].ports[0].port: expected a whole number";
    QTest::newRow("outcome not a code") << QByteArray(R"({"outcomes":{"activate":["yes"]}})") << "outcomes.activate[0]";
    QTest::newRow("unknown outcome kind")
        << QByteArray(R"({"outcomes":{"login":[1]}})") << "outcomes.login: unknown key";
    QTest::newRow("unknown connection result")
        << QByteArray(R"({"connection":{"result":"fast"}})") << "connection.result";
    QTest::newRow("auto gateway missing")
        << QByteArray(R"({"connection":{"auto_gateway":"nowhere"}})") << "no gateway with id nowhere";
    QTest::newRow("event without command") << QByteArray(R"({"events":[{"at_ms":5}]})") << "events[0].command: missing";
    QTest::newRow("OTP with letters") << QByteArray(R"({"otp":{"code":"12ab"}})") << "otp.code";
}

void TestScenarios::brokenScenariosAreRefused()
{
    QFETCH(QByteArray, overlay);
    QFETCH(QString, problem);
    QString error;
    const auto scenario = Scenario::fromOverlay(QJsonDocument::fromJson(overlay).object(), "broken", &error);
    QVERIFY(!scenario);
    QVERIFY2(error.contains(problem), qPrintable(error));
}

void TestScenarios::loadsFilesAndNames()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("lab.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"description": "lab", "port": 8002, "state": {"activation_state": 1}})");
    file.close();

    QString error;
    const auto fromFile = Scenario::load(path, &error);
    QVERIFY2(fromFile, qPrintable(error));
    QCOMPARE(fromFile->name, QString("lab"));
    QCOMPARE(fromFile->port, 8002);
    QCOMPARE(fromFile->gateways.size(), 13); // everything else comes from the default scenario

    QVERIFY(!Scenario::load("no-such-scenario", &error));
    QVERIFY2(error.contains("built-in: ") && error.contains("default"), qPrintable(error));

    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"description\": ");
    file.close();
    QVERIFY(!Scenario::load(path, &error));
    QVERIFY2(error.contains("lab.json"), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
