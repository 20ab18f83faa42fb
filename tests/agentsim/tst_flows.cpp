// The simulated agent's behaviour over whole flows: enrollment by each method, approval, sign-in, the secure
// connection's phases, deactivation, listings, notices and console-driven events.

#include "simharness.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

QJsonObject request(int type, const char* key = nullptr, const QJsonValue& payload = QJsonValue())
{
    QJsonObject out{{"type", type}};
    if (key)
        out.insert(QString::fromLatin1(key), payload);
    return out;
}

QJsonObject qrActivation(const QString& code)
{
    return request(2, "activation_req",
                   QJsonObject{{"act_type", 1}, {"act_qr", QJsonObject{{"code", code}, {"svc_id", ""}}}});
}

QJsonObject emailActivation(const QString& email, const QString& name, int otp = -1)
{
    QJsonObject method{{"email", email}, {"name", name}};
    if (otp != -1)
        method.insert("otp", otp);
    return request(2, "activation_req", QJsonObject{{"act_type", 2}, {"act_email", method}});
}

std::function<bool(const QJsonObject&)> typeIs(int type)
{
    return [type](const QJsonObject& m) {
        return m.value("type").toInt() == type;
    };
}

std::function<bool(const QJsonObject&)> pathIs(const QString& path, const QJsonValue& value)
{
    return [path, value](const QJsonObject& m) {
        return at(m, "agentinfo." + path) == value;
    };
}

// Subscribes and waits until the agent has its data, so later pushes are caused by the test only.
bool subscribeReady(TestClient& client, quint16 port)
{
    if (!client.connectTo(port))
        return false;
    client.subscribe();
    return client.waitFor(pathIs("features.data_available", true)).has_value();
}

QString issueQr(TestClient& client, bool regenerate = false)
{
    client.send(request(13, "act_qr_info_req", regenerate ? QJsonObject{{"regenerate_code", true}} : QJsonObject()));
    const auto answer = client.waitFor(typeIs(13));
    return answer ? at(*answer, "response.act_qr_info.code").toString() : QString();
}

} // namespace

class TestFlows : public QObject
{
    Q_OBJECT

private slots:
    void qrEnrollmentThenConnect();
    void qrCodeLifecycle();
    void qrActivationWaitsForTheScan_data();
    void qrActivationWaitsForTheScan();
    void activationCodes_data();
    void activationCodes();
    void approval_data();
    void approval();
    void emailEnrollment();
    void userSignIn();
    void directorySignIn();
    void deactivation_data();
    void deactivation();
    void listings();
    void notices_data();
    void notices();
    void worldEvents();
    void settingsControls();
    void rawLines();
    void scenarioTimeline();
    void generatedListings();
    void feedbackOutcomes_data();
    void feedbackOutcomes();
};

void TestFlows::qrEnrollmentThenConnect()
{
    Harness sim("default", 20); // slow enough that no phase is folded into the next snapshot
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.subscribe();
    const auto first = client.next();
    QVERIFY(first);
    QCOMPARE(at(*first, "agentinfo.activation_state").toInt(), 0);
    QCOMPARE(at(*first, "agentinfo.features.secconn.enabled").toBool(), false);
    QVERIFY(client.waitFor(pathIs("features.data_available", true)));

    const QString code = issueQr(client);
    QVERIFY2(code.startsWith("https://enroll.vexa-access.example/d/"), qPrintable(code));
    QVERIFY(sim.run("scan").startsWith("ok"));
    client.send(qrActivation(code));
    const auto activated = client.waitFor(typeIs(1));
    QVERIFY(activated);
    QCOMPARE(responseCode(*activated), 14);
    QCOMPARE(at(*activated, "agentinfo.activation_state").toInt(), 1);
    QCOMPARE(at(*activated, "agentinfo.ent_name").toString(), QString("Acme Industries"));
    QVERIFY(!at(*activated, "agentinfo.dev_name").toString().isEmpty());
    QCOMPARE(at(*activated, "agentinfo.features.secconn.enabled").toBool(), true);
    QCOMPARE(at(*activated, "agentinfo.features.secconn.status").toInt(), 4);

    client.send(request(8, "enable_secconn_status", true));
    QList<QPair<int, int>> walk; // (status, state) of each snapshot
    while (walk.isEmpty() || walk.last().first != 2) {
        const auto push = client.next();
        QVERIFY2(push, "the connection never came up");
        walk.append({at(*push, "agentinfo.features.secconn.status").toInt(),
                     at(*push, "agentinfo.features.secconn.state").toInt()});
        if (walk.last().first == 2) {
            QCOMPARE(at(*push, "agentinfo.features.secconn.session.tunnel_ip").toString(), QString("100.64.12.37"));
            QCOMPARE(at(*push, "agentinfo.features.secconn.pag.name").toString(), QString("Frankfurt 1"));
            QCOMPARE(at(*push, "agentinfo.features.secconn.pag.addr.ip").toString(), QString("198.51.100.14"));
            QVERIFY(!at(*push, "agentinfo.features.secconn.pag.tryme").toString().isEmpty());
        }
    }
    const QList<QPair<int, int>> expected = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 6}, {2, 8}};
    QCOMPARE(walk, expected);

    client.send(request(8, "enable_secconn_status", false));
    const auto leaving = client.next();
    QVERIFY(leaving);
    QCOMPARE(at(*leaving, "agentinfo.features.secconn.status").toInt(), 3);
    const auto down = client.waitFor(pathIs("features.secconn.status", 4));
    QVERIFY(down);
    QCOMPARE(at(*down, "agentinfo.features.secconn.state").toInt(), 0);
    QCOMPARE(at(*down, "agentinfo.features.secconn.session.tunnel_ip").toString(), QString());
    QCOMPARE(at(*down, "agentinfo.features.secconn.pag.name").toString(), QString());
}

void TestFlows::qrCodeLifecycle()
{
    // An agent that escapes slashes twice puts literal backslashes into the code; they are not part of it.
    Harness sim("default", 200, QJsonObject{{"enrollment", QJsonObject{{"qr", QJsonObject{{"backslashes", true}}}}}});
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));

    const QString wire = issueQr(client);
    QVERIFY2(wire.contains("\\/"), qPrintable(wire));
    const QString first = QString(wire).remove('\\');
    QCOMPARE(issueQr(client), wire); // asking again shows the same code
    const QString second = issueQr(client, true).remove('\\');
    QVERIFY(!second.isEmpty() && second != first);

    client.send(qrActivation(first));
    auto answer = client.waitFor(typeIs(1));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 31); // replaced by the regenerated one
    client.send(qrActivation("https://enroll.vexa-access.example/d/0000-0000-0000-0000"));
    answer = client.waitFor(typeIs(1));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 1);
    QVERIFY(sim.run("scan").startsWith("ok"));
    client.send(qrActivation(second));
    answer = client.waitFor(typeIs(1));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 14);

    client.send(request(13, "act_qr_info_req", QJsonObject()));
    answer = client.waitFor(typeIs(13));
    QVERIFY(answer);
    QVERIFY(!answer->value("response").toObject().contains("act_qr_info")); // enrolled: no code any more
}

void TestFlows::qrActivationWaitsForTheScan_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("delay");
    // The default scenario too: whoever runs it first sees the QR code, until they scan it from the console.
    QTest::newRow("default") << "default"
                             << "20 s";
    QTest::newRow("slow scan") << "qr-slow-scan"
                               << "12 s";
}

void TestFlows::qrActivationWaitsForTheScan()
{
    QFETCH(QString, scenario);
    QFETCH(QString, delay);
    Harness sim(scenario, 1);
    QVERIFY(sim.ok());
    QSignalSpy notes(&sim.agent(), &agentsim::SimAgent::noted);
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    QCOMPARE(sim.run("scan"), QString("error: no QR code has been issued"));
    const QString code = issueQr(client);
    // The console tells how to play the phone, once for each new code.
    const auto hints = [&notes] {
        QStringList texts;
        for (const QList<QVariant>& note : notes) {
            if (note.first().toString().startsWith("QR code issued: type scan"))
                texts << note.first().toString();
        }
        return texts;
    };
    QCOMPARE(hints().size(), 1);
    QVERIFY2(hints().first().contains("scanned by itself " + delay), qPrintable(hints().first()));
    QCOMPARE(issueQr(client), code);
    QCOMPARE(hints().size(), 1);
    client.send(qrActivation(code));
    auto answer = client.waitFor(typeIs(1));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 33);
    QCOMPARE(at(*answer, "agentinfo.activation_state").toInt(), 0);
    QVERIFY(sim.run("scan").startsWith("ok"));
    client.send(qrActivation(code));
    answer = client.waitFor(typeIs(1));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 14);
}

void TestFlows::activationCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("state");

    QTest::newRow("accepted") << "ACME-4F7K-9QZD"
                              << "Reception laptop" << 14 << 1;
    QTest::newRow("accepted, typed loosely") << " acme-4f7k-9qzd "
                                             << "" << 14 << 1;
    QTest::newRow("approval") << "ACME-APPR-0020"
                              << "" << 20 << 2;
    QTest::newRow("unknown code") << "ACME-0000-0000"
                                  << "" << 1 << 0;
    QTest::newRow("taken device name") << "ACME-4F7K-9QZD"
                                       << "Reception-PC" << 21 << 0;
    QTest::newRow("invalid device name") << "ACME-4F7K-9QZD"
                                         << "desk<1>" << 2 << 0;
    const QList<QPair<const char*, int>> refusals = {
        {"ACME-NAME-0002", 2},  {"ACME-CONN-0008", 8},  {"ACME-NACT-0015", 15}, {"ACME-DUPL-0021", 21},
        {"ACME-DENY-0030", 30}, {"ACME-EXPD-0031", 31}, {"ACME-FULL-0032", 32}, {"ACME-QRCD-0033", 33}};
    for (const auto& [code, outcome] : refusals)
        QTest::newRow(code) << code << "" << outcome << 0;
}

void TestFlows::activationCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(int, outcome);
    QFETCH(int, state);

    Harness sim("activation-code");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.send(request(2, "activation_req",
                        QJsonObject{{"act_type", 0}, {"act_code", QJsonObject{{"code", code}, {"name", name}}}}));
    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 1);
    QCOMPARE(responseCode(*answer), outcome);
    QCOMPARE(at(*answer, "agentinfo.activation_state").toInt(), state);
    if (state == 1 && !name.isEmpty())
        QCOMPARE(at(*answer, "agentinfo.dev_name").toString(), name);
}

void TestFlows::approval_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("finalState");
    QTest::addColumn<int>("finalStatus");

    QTest::newRow("approved on the console") << "approve" << 1 << 14;
    QTest::newRow("refused on the console") << "deny" << 0 << 15;
    QTest::newRow("approved after the set time") << "" << 1 << 14;
}

void TestFlows::approval()
{
    QFETCH(QString, command);
    QFETCH(int, finalState);
    QFETCH(int, finalStatus);

    // The console rows must not race the automatic approval.
    const QJsonObject overlay =
        command.isEmpty() ? QJsonObject() : QJsonObject{{"enrollment", QJsonObject{{"approval_delay_ms", 0}}}};
    Harness sim("approval-required", 200, overlay);
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    const QString code = issueQr(client);
    QVERIFY(sim.run("scan").startsWith("ok"));
    client.send(qrActivation(code));
    const auto pending = client.waitFor(typeIs(1));
    QVERIFY(pending);
    QCOMPARE(responseCode(*pending), 20);
    QCOMPARE(at(*pending, "agentinfo.activation_state").toInt(), 2);
    QCOMPARE(at(*pending, "agentinfo.ent_name").toString(), QString("Acme Industries"));

    client.send(request(3));
    auto status = client.waitFor(typeIs(2));
    QVERIFY(status);
    QCOMPARE(responseCode(*status), 20);

    if (!command.isEmpty())
        QVERIFY(sim.run(command).startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("activation_state", finalState)));
    client.send(request(3));
    status = client.waitFor(typeIs(2));
    QVERIFY(status);
    QCOMPARE(responseCode(*status), finalStatus);
}

void TestFlows::emailEnrollment()
{
    Harness sim("email-enrollment", 1); // real time: the 30 s resend wait must not run out during the test
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    auto ask = [&client](const QJsonObject& req) {
        client.send(req);
        return client.waitFor(typeIs(1)).value_or(QJsonObject());
    };

    QCOMPARE(responseCode(ask(emailActivation("not-an-address", ""))), 3);
    QCOMPARE(responseCode(ask(emailActivation("jdoe@elsewhere.example", ""))), 30);

    QJsonObject answer = ask(emailActivation("jdoe@acme-industries.example", ""));
    QCOMPARE(responseCode(answer), 5);
    QCOMPARE(at(answer, "response.activation_resp.next_atttempt_unix").toInt(), 30);
    QCOMPARE(at(answer, "response.activation_resp.otp_validity").toInt(), 300);

    answer = ask(emailActivation("jdoe@acme-industries.example", ""));
    QCOMPARE(responseCode(answer), 6);
    const int wait = at(answer, "response.activation_resp.next_atttempt_unix").toInt();
    QVERIFY2(wait > 0 && wait <= 30, qPrintable(QString::number(wait)));

    QCOMPARE(responseCode(ask(emailActivation("jdoe@acme-industries.example", "", 111111))), 4);
    QCOMPARE(responseCode(ask(emailActivation("jdoe@acme-industries.example", "", 222222))), 4);
    answer = ask(emailActivation("jdoe@acme-industries.example", "", 333333));
    QCOMPARE(responseCode(answer), 7);
    QCOMPARE(at(answer, "response.user_activation_resp.next_attempt_unix").toInt(), 90);
    answer = ask(emailActivation("jdoe@acme-industries.example", "", 246810));
    QCOMPARE(responseCode(answer), 7); // right, but blocked
    QCOMPARE(at(answer, "agentinfo.activation_state").toInt(), 0);

    QCOMPARE(responseCode(ask(emailActivation("asmith@acme-industries.example", "asmith-laptop"))), 5);
    answer = ask(emailActivation("asmith@acme-industries.example", "asmith-laptop", 246810));
    QCOMPARE(responseCode(answer), 14);
    QCOMPARE(at(answer, "agentinfo.activation_state").toInt(), 1);
    QCOMPARE(at(answer, "agentinfo.user.email").toString(), QString("asmith@acme-industries.example"));
    QCOMPARE(at(answer, "agentinfo.dev_name").toString(), QString("asmith-laptop"));
}

void TestFlows::userSignIn()
{
    Harness sim("email-signin", 1, QJsonObject{{"data_delay_ms", 0}});
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.subscribe();
    const auto first = client.next();
    QVERIFY(first);
    QCOMPARE(at(*first, "agentinfo.activation_state").toInt(), 1);
    QCOMPARE(at(*first, "agentinfo.features.config.user_id_method").toInt(), 1);
    QCOMPARE(at(*first, "agentinfo.user.email").toString(), QString());
    QCOMPARE(at(*first, "agentinfo.features.secconn.enabled").toBool(), true);

    client.send(request(8, "enable_secconn_status", true)); // nobody signed in yet
    auto message = client.next();
    QVERIFY(message);
    QCOMPARE(message->value("type").toInt(), 0);
    QCOMPARE(at(*message, "agentinfo.features.secconn.status").toInt(), 4);

    const QJsonObject registration =
        request(5, "user_registration_req", QJsonObject{{"email", "jdoe@acme-industries.example"}});
    QVERIFY(sim.run("next register 10").startsWith("ok"));
    client.send(registration);
    message = client.waitFor(typeIs(4));
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 10);

    client.send(registration);
    message = client.waitFor(typeIs(4));
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 5);
    QCOMPARE(at(*message, "response.user_registration_resp.next_attempt_unix").toInt(), 30);
    QCOMPARE(at(*message, "response.user_registration_resp.otp_validity").toInt(), 300);

    auto activation = [](const char* otp) {
        return request(7, "user_activation_req", QJsonObject{{"email", "jdoe@acme-industries.example"}, {"otp", otp}});
    };
    client.send(activation("999999"));
    message = client.waitFor(typeIs(6));
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 4);
    client.send(activation(" 246810 "));
    message = client.waitFor(typeIs(6));
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 9);
    QCOMPARE(at(*message, "agentinfo.user.email").toString(), QString("jdoe@acme-industries.example"));

    client.send(request(8, "enable_secconn_status", true));
    QVERIFY(client.waitFor(pathIs("features.secconn.status", 1)));

    client.send(request(6, "user_deregistration_req", QJsonObject()));
    message = client.waitFor(typeIs(5));
    QVERIFY(message);
    QCOMPARE(responseCode(*message), 0);
    QCOMPARE(at(*message, "agentinfo.user.email").toString(), QString());
    QCOMPARE(at(*message, "agentinfo.features.secconn.status").toInt(), 3); // the user's tunnel goes with them
}

void TestFlows::directorySignIn()
{
    Harness sim("directory-signin");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    client.send(request(5, "user_registration_req", QJsonObject{{"email", ""}}));
    const auto answer = client.waitFor(typeIs(4));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 0);
    QCOMPARE(at(*answer, "agentinfo.user.ad_auth_state").toInt(), 1);

    const auto browser = client.waitFor(typeIs(8));
    QVERIFY(browser);
    QCOMPARE(responseCode(*browser), 23);
    const QString url = at(*browser, "response.authentication_resp.browser_launch_url").toString();
    QVERIFY2(url.startsWith("https://login.acme-industries.example/sso/authorize?") &&
                 url.contains("login_hint=jdoe%40acme-industries.example"),
             qPrintable(url));

    const auto done = client.waitFor(pathIs("user.ad_auth_state", 3));
    QVERIFY(done);
    QCOMPARE(at(*done, "agentinfo.user.email").toString(), QString("jdoe@acme-industries.example"));
}

void TestFlows::deactivation_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("stateAfter");

    QTest::newRow("confirmation only") << "enrolled"
                                       << ""
                                       << "" << 0 << 0;
    QTest::newRow("password missing") << "deactivation-password"
                                      << ""
                                      << "" << 17 << 1;
    QTest::newRow("password wrong") << "deactivation-password"
                                    << ""
                                    << "acme-deact-2024" << 18 << 1;
    QTest::newRow("password right") << "deactivation-password"
                                    << ""
                                    << "Acme-Deact-2024" << 0 << 0;
    QTest::newRow("not allowed") << "deactivation-locked"
                                 << ""
                                 << "" << 19 << 1;
    QTest::newRow("failure forced on the console") << "enrolled"
                                                   << "next deactivate 16"
                                                   << "" << 16 << 1;
    QTest::newRow("not activated") << "default"
                                   << ""
                                   << "" << 15 << 0;
}

void TestFlows::deactivation()
{
    QFETCH(QString, scenario);
    QFETCH(QString, command);
    QFETCH(QString, password);
    QFETCH(int, outcome);
    QFETCH(int, stateAfter);

    Harness sim(scenario);
    QVERIFY(sim.ok());
    if (!command.isEmpty())
        QVERIFY(sim.run(command).startsWith("ok"));
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.send(request(4, "deactivation_req", QJsonObject{{"password", password}}));
    const auto answer = client.next();
    QVERIFY(answer);
    QCOMPARE(answer->value("type").toInt(), 3);
    QCOMPARE(responseCode(*answer), outcome);
    QCOMPARE(at(*answer, "agentinfo.activation_state").toInt(), stateAfter);
    if (stateAfter == 0) {
        QCOMPARE(at(*answer, "agentinfo.ent_name").toString(), QString());
        QCOMPARE(at(*answer, "agentinfo.features.secconn.enabled").toBool(), false);
        QCOMPARE(at(*answer, "agentinfo.features.secconn.status").toInt(), 4);
    }
}

void TestFlows::listings()
{
    Harness sim("compliance-violations");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    client.subscribe();
    QVERIFY(client.waitFor(pathIs("features.data_available", true)));

    client.send(request(12));
    auto answer = client.waitFor(typeIs(12));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 0);
    const QJsonObject list = at(*answer, "response.violation_list").toObject();
    const QList<QPair<const char*, const char*>> categories = {{"program", "programs"},
                                                               {"process", "processes"},
                                                               {"port", "ports"},
                                                               {"nw_intf", "nwintfs"},
                                                               {"os_info", "os_info"},
                                                               {"hw_info", "hw_info"},
                                                               {"registry", "registry_info"},
                                                               {"win_firewall", "win_firewall"},
                                                               {"client_cert", "cert"},
                                                               {"trust_cert", "cert"},
                                                               {"managed_cert", "cert"},
                                                               {"vpn", "vpn"},
                                                               {"win_antivirus", "antivirus"},
                                                               {"filepath", "files"},
                                                               {"win_autorun", "programs"},
                                                               {"smb_share", "smb_shared"}};
    QCOMPARE(list.size(), 16);
    for (const auto& [category, itemKey] : categories) {
        const QJsonArray units = list.value(category).toArray();
        QVERIFY2(!units.isEmpty(), category);
        for (const QJsonValue& unit : units) {
            QVERIFY(unit["condition"].isString());
            const QJsonArray items = unit[itemKey].toArray();
            QVERIFY2(!items.isEmpty(), category);
            for (const QJsonValue& item : items) {
                QVERIFY2(QByteArray(category) == "port" ? item["port"].isDouble() : item["name"].isString(), category);
                QVERIFY(item["path"].isString());
                for (const QJsonValue& attribute : item["attributes"].toArray()) {
                    QCOMPARE(attribute.toObject().size(), 7);
                    QVERIFY(attribute["vendor"].isString() && attribute["value"].isString());
                }
            }
        }
    }
    QCOMPARE(list["port"][0]["ports"][0]["port"].toInt(), 3389);
    QVERIFY(client.waitFor(pathIs("features.dpminfo.notify_violation", false))); // seen once listed

    client.send(request(14));
    answer = client.waitFor(typeIs(14));
    QVERIFY(answer);
    const QJsonArray peers = at(*answer, "response.peer_listing.peers").toArray();
    QCOMPARE(peers.size(), 5);
    QVERIFY(peers[0]["caname"].isString() && peers[0]["drname"].isString() && peers[0]["addr"].isString());

    client.send(request(10));
    answer = client.waitFor(typeIs(9));
    QVERIFY(answer);
    const QJsonArray pags = at(*answer, "response.pag_listing.pags").toArray();
    QCOMPARE(pags.size(), 13);
    for (const QJsonValue& pag : pags)
        QCOMPARE(pag.toObject().keys(), QStringList({"city", "country", "id", "latitude", "location", "longitude",
                                                     "name", "region", "replica_number", "status", "type"}));

    auto prefer = [&client](const char* id, int type) {
        client.send(request(11, "pag_preference", QJsonObject{{"id", id}, {"type", type}}));
        return responseCode(client.waitFor(typeIs(10)).value_or(QJsonObject()));
    };
    QCOMPARE(prefer("ams-01", 1), 26); // out of service
    QCOMPARE(prefer("par-01", 2), 26); // wrong type
    QCOMPARE(prefer("nowhere", 1), 26);
    QCOMPARE(prefer("par-01", 1), 0);
    const auto moved = client.waitFor([](const QJsonObject& m) {
        return at(m, "agentinfo.features.secconn.status").toInt() == 2 &&
               at(m, "agentinfo.features.secconn.pag.name").toString() == "Paris";
    });
    QVERIFY(moved);
    QCOMPARE(at(*moved, "agentinfo.user.pref_pag.id").toString(), QString("par-01"));

    auto feedback = [&client](const char* title) {
        client.send(request(9, "feedback", QJsonObject{{"title", title}, {"description", "Drops every hour"}}));
        return client.waitFor(typeIs(7)).value_or(QJsonObject());
    };
    QCOMPARE(responseCode(feedback("  ")), 13);
    QCOMPARE(at(feedback("Tunnel drops"), "response.feedback.ticket_id").toString(), QString("VXA-10231"));
    QCOMPARE(at(feedback("Again"), "response.feedback.ticket_id").toString(), QString("VXA-10232"));
}

void TestFlows::notices_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("netAccess");
    QTest::addColumn<QString>("subnets");

    QTest::newRow("blocked") << "notice block" << 11 << 28 << 1 << "";
    QTest::newRow("subnet blocked") << "notice block 10.20.0.0/16" << 11 << 28 << 1 << "10.20.0.0/16";
    QTest::newRow("about to be blocked") << "notice warn 60" << 11 << 28 << 2 << "";
    QTest::newRow("enabled") << "notice enable" << 11 << 28 << 3 << "";
    QTest::newRow("reboot") << "reboot" << 11 << 36 << 0 << "";
    QTest::newRow("browser step") << "browser" << 8 << 23 << 0 << "";
}

void TestFlows::notices()
{
    QFETCH(QString, command);
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(int, netAccess);
    QFETCH(QString, subnets);

    Harness sim("enrolled");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    QVERIFY(sim.run(command).startsWith("ok"));
    const auto notice = client.waitFor(typeIs(type));
    QVERIFY(notice);
    QCOMPARE(responseCode(*notice), code);
    QVERIFY(snapshotProblems(notice->value("agentinfo").toObject()).isEmpty());
    QCOMPARE(at(*notice, "response.notification.net_access.type").toInt(), netAccess);
    if (netAccess == 1)
        QCOMPARE(at(*notice, "response.notification.net_access.blocked_subnets").toString(), subnets);
    if (type == 8)
        QVERIFY(at(*notice, "response.authentication_resp.browser_launch_url").toString().startsWith("https://"));
    if (netAccess == 2) {
        const qint64 blockAt = qint64(at(*notice, "response.notification.net_access.block_time_unix").toDouble());
        QVERIFY(qAbs(blockAt - (QDateTime::currentSecsSinceEpoch() + 60)) <= 5);
        const auto blocked = client.waitFor(typeIs(11)); // when the time comes
        QVERIFY(blocked);
        QCOMPARE(at(*blocked, "response.notification.net_access.type").toInt(), 1);
    }
}

void TestFlows::worldEvents()
{
    Harness sim("deactivation-password"); // enrolled and connected through fra-01
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));

    QVERIFY(sim.run("gateway down fra-01").startsWith("ok"));
    auto message = client.waitFor([](const QJsonObject& m) {
        return at(m, "agentinfo.features.secconn.status").toInt() == 2 &&
               at(m, "agentinfo.features.secconn.pag.name").toString() == "Frankfurt 2";
    });
    QVERIFY2(message, "no failover to the next gateway");

    QVERIFY(sim.run("isolate").startsWith("ok"));
    message = client.waitFor(pathIs("ui_alerts.agent_isolated", true));
    QVERIFY(message);
    QCOMPARE(at(*message, "agentinfo.features.secconn.enabled").toBool(), false);
    QCOMPARE(at(*message, "agentinfo.features.secconn.status").toInt(), 4);
    QVERIFY(sim.run("unisolate").startsWith("ok"));
    message = client.waitFor(pathIs("ui_alerts.agent_isolated", false));
    QVERIFY(message);
    QCOMPARE(at(*message, "agentinfo.features.secconn.enabled").toBool(), true);

    QVERIFY(sim.run("data off").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.data_available", false)));
    QVERIFY(sim.run("violations on").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.dpminfo.notify_violation", true)));
    QVERIFY(sim.run("tunnel up").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.secconn.status", 2)));
    QVERIFY(sim.run("signout").startsWith("ok"));
    QVERIFY(sim.run("next nothing 3").startsWith("error"));
    QVERIFY(sim.run("frobnicate").startsWith("error: unknown command"));
}

// What the settings page shows, switched from the console: identification method, deactivation configuration,
// signed-in user, full or split tunnel, and a refused sign-out.
void TestFlows::settingsControls()
{
    Harness sim("deactivation-password"); // enrolled and connected
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));

    QVERIFY(sim.run("config user-id 4").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.config.user_id_method", 4)));
    QVERIFY(sim.run("config deact 3").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.config.deact_cfg", 3)));
    QVERIFY(sim.run("signin ann@acme-industries.example").startsWith("ok"));
    const auto signedIn = client.waitFor(pathIs("user.email", "ann@acme-industries.example"));
    QVERIFY(signedIn);
    QCOMPARE(at(*signedIn, "agentinfo.user.ad_auth_state").toInt(), 3);
    QVERIFY(sim.run("tunnel full").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.secconn.session.full_tunnel_enabled", true)));
    QVERIFY(sim.run("tunnel split").startsWith("ok"));
    QVERIFY(client.waitFor(pathIs("features.secconn.session.full_tunnel_enabled", false)));
    for (const char* wrong :
         {"config user-id 6", "config deact 0", "config colour 1", "signin nobody", "tunnel sideways"})
        QVERIFY2(sim.run(wrong).startsWith("error"), wrong);

    QVERIFY(sim.run("next signout 11").startsWith("ok"));
    client.drain();
    client.send(request(6, "user_deregistration_req", QJsonObject()));
    const auto refused = client.waitFor(typeIs(5));
    QVERIFY(refused);
    QCOMPARE(responseCode(*refused), 11);
    QCOMPARE(at(*refused, "agentinfo.user.email").toString(), QString("ann@acme-industries.example"));
}

void TestFlows::rawLines()
{
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    QVERIFY(sim.run("raw {\"type\":11}").startsWith("error: no clients"));
    TestClient client;
    QVERIFY(client.connectTo(sim.port()));
    QTRY_COMPARE(sim.server().clientCount(), 1);
    // Blanks inside stay as typed; the line need not be JSON at all.
    QCOMPARE(sim.run("RAW   {\"type\": 8,  \"response\":{\"type\":23}}  "), QString("ok: sent to 1 client(s)"));
    QCOMPARE(sim.run("raw not json"), QString("ok: sent to 1 client(s)"));
    QTRY_COMPARE(client.rawLines(), QList<QByteArray>({"{\"type\": 8,  \"response\":{\"type\":23}}\n", "not json\n"}));
    QVERIFY(sim.run("raw").startsWith("error: usage"));
    QVERIFY(sim.run("raw   ").startsWith("error: usage"));
    QCOMPARE(sim.logEntries("send").last().value("raw").toString(), QString("not json"));
}

void TestFlows::scenarioTimeline()
{
    const QJsonObject overlay{{"events", QJsonArray{QJsonObject{{"at_ms", 20000}, {"command", "notice warn 900"}},
                                                    QJsonObject{{"at_ms", 40000}, {"command", "reboot"}}}}};
    Harness sim("enrolled", 200, overlay);
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    const auto warning = client.waitFor(typeIs(11));
    QVERIFY(warning);
    QCOMPARE(at(*warning, "response.notification.net_access.type").toInt(), 2);
    const auto reboot = client.waitFor(typeIs(11));
    QVERIFY(reboot);
    QCOMPARE(responseCode(*reboot), 36);
}

void TestFlows::generatedListings()
{
    Harness sim("compliance-violations");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    for (const char* wrong : {"generate gateways", "generate gateways -1", "generate gateways 100001",
                              "generate printers 5", "generate peers many"})
        QVERIFY2(sim.run(wrong).startsWith("error: usage"), wrong);

    QVERIFY(sim.run("generate gateways 1000").startsWith("ok"));
    client.send(request(10));
    auto answer = client.waitFor(typeIs(9));
    QVERIFY(answer);
    const QJsonArray pags = at(*answer, "response.pag_listing.pags").toArray();
    QCOMPARE(pags.size(), 1000);
    QSet<QString> ids;
    int outOfService = 0;
    for (const QJsonValue& pag : pags) {
        ids.insert(pag["id"].toString());
        outOfService += pag["status"].toInt() == 0;
        QVERIFY(!pag["name"].toString().isEmpty() && !pag["city"].toString().isEmpty());
    }
    QCOMPARE(ids.size(), 1000);
    QCOMPARE(outOfService, 100);
    QCOMPARE(pags[20]["city"], pags[0]["city"]); // the cities come round again as replicas
    QCOMPARE(pags[20]["replica_number"].toInt(), 1);
    // A generated gateway can be chosen like a scenario's.
    client.send(request(11, "pag_preference", QJsonObject{{"id", pags[4]["id"]}, {"type", pags[4]["type"]}}));
    answer = client.waitFor(typeIs(10));
    QVERIFY(answer);
    QCOMPARE(responseCode(*answer), 0);

    QVERIFY(sim.run("generate peers 0").startsWith("ok"));
    client.send(request(14));
    answer = client.waitFor(typeIs(14));
    QVERIFY(answer);
    QCOMPARE(at(*answer, "response.peer_listing.peers").toArray().size(), 0);

    QVERIFY(sim.run("generate findings 50").startsWith("ok"));
    client.send(request(12));
    answer = client.waitFor(typeIs(12));
    QVERIFY(answer);
    const QJsonObject list = at(*answer, "response.violation_list").toObject();
    QCOMPARE(list.size(), 16);
    int findings = 0;
    for (const QString& category : list.keys()) {
        QVERIFY2(!list[category].toArray().isEmpty(), qPrintable(category));
        for (const QJsonValue& group : list[category].toArray()) {
            QVERIFY(!group["condition"].toString().isEmpty());
            for (const QString& key : group.toObject().keys()) {
                if (key != "condition")
                    findings += group[key].toArray().size();
            }
        }
    }
    QCOMPARE(findings, 50);
    QVERIFY(list["port"][0]["ports"][0]["port"].isDouble());
}

void TestFlows::feedbackOutcomes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("ticket");
    QTest::newRow("as the agent decides") << QString() << 0 << true;
    QTest::newRow("failed") << "next feedback 13" << 13 << false;
    QTest::newRow("not activated") << "next feedback 15" << 15 << false;
    QTest::newRow("success without a ticket id") << "next feedback 0" << 0 << false;
}

void TestFlows::feedbackOutcomes()
{
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(bool, ticket);
    Harness sim("enrolled");
    QVERIFY(sim.ok());
    TestClient client;
    QVERIFY(subscribeReady(client, sim.port()));
    if (!command.isEmpty())
        QVERIFY(sim.run(command).startsWith("ok"));
    auto feedback = [&client] {
        client.send(request(9, "feedback", QJsonObject{{"title", "Tunnel drops"}, {"description", ""}}));
        return client.waitFor(typeIs(7)).value_or(QJsonObject());
    };
    const QJsonObject answer = feedback();
    QCOMPARE(responseCode(answer), code);
    QCOMPARE(at(answer, "response.feedback.ticket_id").isString(), ticket);
    // Forced once: the next submission is answered as the agent decides.
    QVERIFY(at(feedback(), "response.feedback.ticket_id").isString());
}

QTEST_GUILESS_MAIN(TestFlows)
#include "tst_flows.moc"
