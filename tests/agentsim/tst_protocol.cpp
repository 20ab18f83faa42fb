// The wire contract seen through a plain socket: every request gets its answer type with a complete snapshot,
// one compact line per message, whatever way the bytes arrive; bad input is logged and changes nothing.

#include "simharness.h"

#include <QJsonDocument>
#include <QTest>

class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    void answersEachRequest_data();
    void answersEachRequest();
    void subscriptionAndPushesPerClient();
    void linesSplitOrBatched();
    void malformedInputIsSurvived_data();
    void malformedInputIsSurvived();
    void overlongLineIsDropped();
    void refusedSwitchReturnsTheState();
    void answersWaitForTheAnswerDelay();
};

void TestProtocol::answersEachRequest_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("answerType");
    QTest::addColumn<int>("code");

    QTest::newRow("2 activation, unknown QR code")
        << "default"
        << QByteArray(R"({"activation_req":{"act_qr":{"code":"https://x/","svc_id":""},"act_type":1},"type":2})") << 1
        << 1;
    QTest::newRow("3 activation status, not activated") << "default" << QByteArray(R"({"type":3})") << 2 << 15;
    QTest::newRow("4 deactivation") << "enrolled" << QByteArray(R"({"deactivation_req":{"password":""},"type":4})") << 3
                                    << 0;
    QTest::newRow("5 user registration")
        << "email-signin"
        << QByteArray(R"({"type":5,"user_registration_req":{"email":"jdoe@acme-industries.example"}})") << 4 << 5;
    QTest::newRow("6 user deregistration")
        << "enrolled" << QByteArray(R"({"type":6,"user_deregistration_req":{}})") << 5 << 0;
    QTest::newRow("7 user activation, no OTP issued")
        << "email-signin"
        << QByteArray(R"({"type":7,"user_activation_req":{"email":"jdoe@acme-industries.example","otp":"246810"}})")
        << 6 << 4;
    QTest::newRow("9 feedback") << "enrolled"
                                << QByteArray(
                                       R"({"feedback":{"description":"Slow in the morning","title":"VPN"},"type":9})")
                                << 7 << 0;
    QTest::newRow("10 gateway list") << "enrolled" << QByteArray(R"({"type":10})") << 9 << 0;
    QTest::newRow("11 gateway preference")
        << "enrolled" << QByteArray(R"({"pag_preference":{"id":"par-01","type":1},"type":11})") << 10 << 0;
    QTest::newRow("12 violation list") << "compliance-violations" << QByteArray(R"({"type":12})") << 12 << 0;
    QTest::newRow("13 QR information") << "default" << QByteArray(R"({"act_qr_info_req":{},"type":13})") << 13 << 0;
    QTest::newRow("14 peer list") << "enrolled" << QByteArray(R"({"type":14})") << 14 << 0;
}

void TestProtocol::answersEachRequest()
{
    QFETCH(QString, scenario);
    QFETCH(QByteArray, request);
    QFETCH(int, answerType);
    QFETCH(int, code);

    Harness sim(scenario);
    QVERIFY2(sim.ok(), qPrintable(sim.error()));
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.sendRaw(request + '\n');

    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), answerType);
    QCOMPARE(responseCode(*answer), code);
    const QString problems = snapshotProblems(answer->value("agentinfo").toObject());
    QVERIFY2(problems.isEmpty(), qPrintable("missing or mistyped: " + problems));
    // One compact object per line: what a compact writer makes of it is exactly what was sent.
    const QByteArray raw = client.rawLines().first();
    QVERIFY(raw.endsWith('\n'));
    QCOMPARE(QJsonDocument::fromJson(raw).toJson(QJsonDocument::Compact) + '\n', raw);
    QVERIFY(client.quietFor(20)); // a client that never subscribed gets no pushes
}

void TestProtocol::subscriptionAndPushesPerClient()
{
    Harness sim("default");
    QVERIFY(sim.ok());
    TestClient first, second, silent;
    QVERIFY(first.connectTo(sim.port()));
    QVERIFY(second.connectTo(sim.port()));
    QVERIFY(silent.connectTo(sim.port()));

    first.subscribe("jdoe");
    const auto one = first.next();
    QVERIFY(one);
    QCOMPARE(one->value("type").toInt(), 0);
    QVERIFY(snapshotProblems(one->value("agentinfo").toObject()).isEmpty());
    QVERIFY(second.quietFor(20));

    second.subscribe("asmith");
    const auto two = second.next();
    QVERIFY(two);
    QCOMPARE(two->value("type").toInt(), 0);

    // Data arriving after the short start-up delay reaches every subscriber, and only them.
    auto dataArrived = [](const QJsonObject& m) {
        return at(m, "agentinfo.features.data_available").toBool();
    };
    if (!at(*one, "agentinfo.features.data_available").toBool())
        QVERIFY(first.waitFor(dataArrived));
    sim.run("data off");
    QVERIFY(first.waitFor([](const QJsonObject& m) { return !at(m, "agentinfo.features.data_available").toBool(); }));
    QVERIFY(second.waitFor([](const QJsonObject& m) { return !at(m, "agentinfo.features.data_available").toBool(); }));
    QVERIFY(silent.quietFor(20));

    QCOMPARE(sim.run("disconnect"), QString("ok: 3 client(s) disconnected"));
    QTRY_COMPARE(first.socket().state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(sim.server().clientCount(), 0);
}

void TestProtocol::linesSplitOrBatched()
{
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));

    const QByteArray request = R"({"type":10})";
    client.sendRaw(request.left(5));
    QVERIFY(client.quietFor(30));
    client.sendRaw(request.mid(5) + '\n');
    auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 9);

    client.sendRaw(R"({"type":3})"
                   "\n"
                   R"({"type":14})"
                   "\r\n");
    answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 2);
    answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 14);
}

void TestProtocol::malformedInputIsSurvived_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("not JSON") << QByteArray("hello agent") << "not JSON";
    QTest::newRow("cut JSON") << QByteArray(R"({"type":3)") << "not JSON";
    QTest::newRow("array") << QByteArray("[1,2,3]") << "not a JSON object";
    QTest::newRow("blank") << QByteArray("   ") << "empty line";
    QTest::newRow("no type") << QByteArray("{}") << "type: missing";
    QTest::newRow("type as text") << QByteArray(R"({"type":"3"})") << "type: expected a whole number";
    QTest::newRow("fractional type") << QByteArray(R"({"type":3.5})") << "type: expected a whole number";
    QTest::newRow("unknown type") << QByteArray(R"({"type":99})") << "unknown request type 99";
    QTest::newRow("subscription without name")
        << QByteArray(R"({"type":1,"subscribe_req":{}})") << "subscribe_req.username: missing";
    QTest::newRow("payload not an object")
        << QByteArray(R"({"type":2,"activation_req":5})") << "activation_req: expected an object";
    QTest::newRow("unknown method") << QByteArray(R"({"type":2,"activation_req":{"act_type":7}})")
                                    << "activation_req.act_type: 7 is outside";
    QTest::newRow("code as number")
        << QByteArray(R"({"type":2,"activation_req":{"act_type":1,"act_qr":{"code":7,"svc_id":""}}})")
        << "activation_req.act_qr.code: expected a string";
    QTest::newRow("switch as text") << QByteArray(R"({"type":8,"enable_secconn_status":"on"})")
                                    << "enable_secconn_status: expected a boolean";
    QTest::newRow("gateway type fractional")
        << QByteArray(R"({"type":11,"pag_preference":{"id":"par-01","type":1.5}})") << "pag_preference.type";
    QTest::newRow("password missing") << QByteArray(R"({"type":4,"deactivation_req":{}})")
                                      << "deactivation_req.password: missing";
    QTest::newRow("OTP as text in enrollment")
        << QByteArray(
               R"({"type":2,"activation_req":{"act_type":2,"act_email":{"email":"a@b.example","name":"","otp":"1"}}})")
        << "act_email.otp: expected a whole number";
    QTest::newRow("invalid UTF-8") << QByteArray("{\"type\":\xff\xfe}") << "not JSON";
}

void TestProtocol::malformedInputIsSurvived()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);

    Harness sim("deactivation-password"); // enrolled and connected: much state to lose
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.subscribe();
    const auto before =
        client.waitFor([](const QJsonObject& m) { return at(m, "agentinfo.features.data_available").toBool(); });
    QVERIFY(before);

    client.sendRaw(line + '\n');
    client.sendLine(R"({"type":3})");
    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 2); // nothing answered the bad line
    QCOMPARE(responseCode(*answer), 14);
    QJsonObject unchanged = answer->value("agentinfo").toObject();
    QJsonObject expected = before->value("agentinfo").toObject();
    for (QJsonObject* snapshot : {&unchanged, &expected}) {
        QJsonObject features = snapshot->value("features").toObject();
        QJsonObject secconn = features.value("secconn").toObject();
        secconn.remove("session"); // the tunnel's up-time moves on
        features["secconn"] = secconn;
        (*snapshot)["features"] = features;
    }
    QCOMPARE(unchanged, expected);
    QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);

    const QList<QJsonObject> bad = sim.logEntries("bad-input");
    QCOMPARE(bad.size(), 1);
    QVERIFY2(bad.first().value("reason").toString().contains(reason),
             qPrintable(bad.first().value("reason").toString()));
}

void TestProtocol::overlongLineIsDropped()
{
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    sim.server().setMaxLineBytes(1024);
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));

    const QByteArray filler = R"({"type":9,"feedback":{"title":")" + QByteArray(700, 'x');
    client.sendRaw(filler);
    QTest::qWait(10);
    client.sendRaw(QByteArray(700, 'y') + R"("}})"
                                          "\n");
    client.sendLine(R"({"type":14})");
    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 14);
    QVERIFY(client.quietFor(20));
    const QList<QJsonObject> bad = sim.logEntries("bad-input");
    QCOMPARE(bad.size(), 1);
    QVERIFY(bad.first().value("reason").toString().startsWith("line longer than 1024 bytes"));
}

void TestProtocol::refusedSwitchReturnsTheState()
{
    // A switch the agent will not follow still gets the unchanged state back, so the client's toggle settles.
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    QVERIFY(sim.run("control lock").startsWith("ok"));
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.sendLine(R"({"type":8,"enable_secconn_status":true})");
    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 0);
    QCOMPARE(at(*answer, "agentinfo.features.secconn.status").toInt(), 4);
    QCOMPARE(at(*answer, "agentinfo.features.secconn.status_user_control_disabled").toBool(), true);
    const auto logged = sim.logEntries("request");
    QVERIFY(logged.last().value("note").toString().contains("may not switch"));
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"

// The delay holds answers back in order, and a client that leaves before its answer is due costs nothing.
void TestProtocol::answersWaitForTheAnswerDelay()
{
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    QVERIFY(sim.run("delay -1").startsWith("error:"));
    QVERIFY(sim.run("delay 60001").startsWith("error:"));
    QVERIFY(sim.run("delay soon").startsWith("error:"));
    QCOMPARE(sim.run("delay 300"), QStringLiteral("ok: answers 300 ms late"));
    QCOMPARE(sim.run("delay"), QStringLiteral("ok: answers 300 ms late"));

    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.sendLine(R"({"type":14})");
    client.sendLine(R"({"type":10})");
    QVERIFY(client.quietFor(150));
    const auto first = client.next();
    QVERIFY(first);
    QCOMPARE(first->value("type").toInt(), 14);
    const auto second = client.next();
    QVERIFY(second);
    QCOMPARE(second->value("type").toInt(), 9);

    TestClient leaving;
    QVERIFY(leaving.connectTo(sim.port()));
    leaving.sendLine(R"({"type":14})");
    QTRY_COMPARE(sim.server().clientCount(), 2);
    leaving.socket().disconnectFromHost();
    QTRY_COMPARE(sim.server().clientCount(), 1);
    QTest::qWait(400);

    QCOMPARE(sim.run("delay 0"), QStringLiteral("ok: answers 0 ms late"));
    client.sendLine(R"({"type":14})");
    const auto prompt = client.next(100);
    QVERIFY(prompt);
}
