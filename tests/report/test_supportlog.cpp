#include "tests/report/reporttestkit.h"
#include "tests/support/agentlink.h"
#include "tests/support/mainwindowharness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using Messages = QList<QJsonObject>;
Q_DECLARE_METATYPE(Messages)
using Send = std::function<void(vexaintf&)>;
Q_DECLARE_METATYPE(Send)

namespace {

QJsonObject json(const char* text)
{
    return QJsonDocument::fromJson(text).object();
}

QJsonObject snapshotWith(const char* path, const QJsonValue& value)
{
    return agentMessage(0, {{QString::fromLatin1(path), value}});
}

QJsonObject notice(const QString& subnets)
{
    QJsonObject message = json(R"({"type": 11, "response": {"type": 28}})");
    setJsonPath(message, QStringLiteral("response.notification.net_access"),
                QJsonObject{{QStringLiteral("type"), 1}, {QStringLiteral("blocked_subnets"), subnets}});
    return message;
}

QJsonObject peers(const QJsonObject& peer)
{
    QJsonObject message = json(R"({"type": 14, "response": {"type": 0}})");
    setJsonPath(message, QStringLiteral("response.peer_listing.peers"), QJsonArray{peer});
    return message;
}

QJsonObject finding(const QString& name, const QString& path)
{
    QJsonObject message = json(R"({"type": 12, "response": {"type": 0}})");
    setJsonPath(
        message, QStringLiteral("response.violation_list.program"),
        QJsonArray{QJsonObject{{QStringLiteral("condition"), QStringLiteral("INSTALLED")},
                               {QStringLiteral("programs"), QJsonArray{QJsonObject{{QStringLiteral("name"), name},
                                                                                   {QStringLiteral("path"), path}}}}}});
    return message;
}

QJsonObject request(const char* key, const QJsonObject& payload, int type = 2)
{
    return QJsonObject{{QStringLiteral("type"), type}, {QLatin1String(key), payload}};
}

QByteArray filler(int bytes)
{
    return QByteArray(bytes, 'x');
}

} // namespace

class TestSupportLog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SupportLog::installMessageHandler(); }

    // Each kind of personal value in each place it reaches the window: none of it is kept, and a placeholder of its
    // kind stands in its place.
    void personalValuesAreReplacedBeforeTheyAreKept_data()
    {
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<Messages>("requests");
        QTest::addColumn<QString>("personal");
        QTest::addColumn<QString>("placeholder");
        const Messages none;
        const auto snapshot = [&](const char* row, const char* path, const char* value, const char* kind) {
            QTest::newRow(row) << Messages{snapshotWith(path, QString::fromUtf8(value))} << none
                               << QString::fromUtf8(value) << QString::fromLatin1(kind);
        };
        snapshot("snapshot email", "agentinfo.user.email", "ann.lee@acme-industries.example", "<email-");
        snapshot("snapshot device", "agentinfo.dev_name", "ANN-LAPTOP-7", "<device-");
        snapshot("snapshot enterprise", "agentinfo.ent_name", "Acme Industries", "<enterprise-");
        snapshot("snapshot private IP", "agentinfo.features.secconn.localwan.private_addr.ip", "192.0.2.10", "<ip-");
        snapshot("snapshot public IP", "agentinfo.features.secconn.localwan.public_addr.ip", "198.51.100.7", "<ip-");
        snapshot("snapshot gateway IP", "agentinfo.features.secconn.pag.addr.ip", "203.0.113.9", "<ip-");
        snapshot("snapshot tunnel IP", "agentinfo.features.secconn.session.tunnel_ip", "100.64.0.2", "<ip-");
        snapshot("snapshot IPv6", "agentinfo.features.secconn.localwan.public_addr.ip", "2001:db8::7", "<ip-");

        QTest::newRow("notice subnet") << Messages{notice(QStringLiteral("10.1.0.0/16,10.2.0.0/16"))} << none
                                       << "10.2.0.0/16"
                                       << "<subnet-";
        QTest::newRow("notice IPv6 subnet")
            << Messages{notice(QStringLiteral("2001:db8:4::/48"))} << none << "2001:db8:4::/48"
            << "<subnet-";
        // A device named in the snapshot is found again in a finding's text.
        QTest::newRow("notice naming the device")
            << Messages{snapshotWith("agentinfo.dev_name", QStringLiteral("kestrel")),
                        finding(QStringLiteral("Share on KESTREL"), QString())}
            << none << "Share on KESTREL"
            << "Share on <device-";

        // The same within one message, where the text is read before the field that names the device.
        QJsonObject namedLater = snapshotWith("agentinfo.dev_name", QStringLiteral("osprey"));
        namedLater.insert(QStringLiteral("a_notice"), QStringLiteral("osprey went offline"));
        QTest::newRow("text before the name in one message") << Messages{namedLater} << none << "osprey went"
                                                             << "<device-";
        setJsonPath(namedLater, QStringLiteral("agentinfo.a_note"), QStringLiteral("osprey is up"));
        QTest::newRow("text before the name in the snapshot") << Messages{namedLater} << none << "osprey is"
                                                              << "<device-";
        QTest::newRow("listing peer name")
            << Messages{peers(json(R"({"caname": "ann-desktop", "addr": ""})"))} << none << "ann-desktop"
            << "<device-";
        QTest::newRow("listing peer reported name")
            << Messages{peers(json(R"({"drname": "Bob’s MacBook", "addr": ""})"))} << none << "Bob’s MacBook"
            << "<device-";
        QTest::newRow("listing peer address") << Messages{peers(json(R"({"addr": "10.2.0.1"})"))} << none << "10.2.0.1"
                                              << "<ip-";
        QTest::newRow("listing peer host name")
            << Messages{peers(json(R"({"addr": "bob-pc.corp.example"})"))} << none << "bob-pc.corp.example"
            << "<device-";
        QTest::newRow("listing finding path")
            << Messages{finding(QStringLiteral("torrent"), QStringLiteral("/home/x/ann@acme.example/t.exe"))} << none
            << "ann@acme.example"
            << "<email-";

        // A name the snapshot gives only after a finding named it.
        QTest::newRow("name learned after the text")
            << Messages{finding(QStringLiteral("Share on OSPREY-9"), QString()),
                        snapshotWith("agentinfo.dev_name", QStringLiteral("osprey-9"))}
            << none << "OSPREY-9"
            << "Share on <device-";
        // Profile folders and certificate subjects name a user the window never learned.
        QTest::newRow("Windows profile path")
            << Messages{finding(QStringLiteral("passwords"), QStringLiteral("C:\\Users\\jdoe\\Desktop\\passwords.txt"))}
            << none << "jdoe"
            << "C:\\\\Users\\\\<user-";
        QTest::newRow("Linux profile path")
            << Messages{finding(QStringLiteral("miner"), QStringLiteral("/home/mlopez/.local/bin/miner"))} << none
            << "mlopez"
            << "/home/<user-";
        QTest::newRow("certificate subject")
            << Messages{finding(QStringLiteral("CN=jdoe, OU=Engineering, O=Acme"), QString())} << none << "jdoe"
            << "CN=<user-";

        QTest::newRow("request user name")
            << none << Messages{request("subscribe_req", json(R"({"username": "ann.lee"})"), 1)} << "ann.lee"
            << "<user-";
        QTest::newRow("request email") << none
                                       << Messages{request("user_registration_req",
                                                           json(R"({"email": "Ann@Acme.example"})"), 5)}
                                       << "Ann@Acme.example"
                                       << "<email-";
        QTest::newRow("request device name typed")
            << none
            << Messages{request("activation_req", json(R"({"act_type": 0, "act_code": {"name": "Kitchen PC"}})"))}
            << "Kitchen PC"
            << "<device-";
        QTest::newRow("request service ID")
            << none
            << Messages{request("activation_req", json(R"({"act_type": 1, "act_qr": {"svc_id": "acme-corp"}})"))}
            << "acme-corp"
            << "<enterprise-";
        QTest::newRow("request feedback text")
            << none
            << Messages{request(
                   "feedback",
                   json(R"({"title": "VPN drops", "description": "from 172.16.4.20, write to x@y.example"})"), 9)}
            << "172.16.4.20"
            << "<ip-";
        // A sign-in link keeps where it leads and loses what it carries.
        QTest::newRow("browser link query")
            << Messages{json("{\"type\": 5, \"response\": {\"type\": 23, \"authentication_resp\": "
                             "{\"browser_launch_url\": \"https://sso.example/login?user=ann&token=abc123\"}}}")}
            << none << "token=abc123"
            << "https://sso.example/login?<withheld>";
    }
    void personalValuesAreReplacedBeforeTheyAreKept()
    {
        QFETCH(Messages, messages);
        QFETCH(Messages, requests);
        QFETCH(QString, personal);
        QFETCH(QString, placeholder);
        ScopedSupportLog scope;
        for (const QJsonObject& message : messages)
            scope.log.recordMessage(message);
        for (const QJsonObject& request : requests)
            scope.log.recordRequest(request);
        const QByteArray kept = scope.keptBytes();
        QVERIFY2(!kept.contains(personal.toUtf8()), kept.constData());
        QVERIFY2(!kept.toLower().contains(personal.toLower().toUtf8()), "kept in another case");
        QVERIFY2(kept.contains(placeholder.toUtf8()), kept.constData());
    }

    // Secrets go out through the real interface and never reach the log, not even as a placeholder of their own.
    void secretsAreNeverKept_data()
    {
        QTest::addColumn<Send>("send");
        QTest::addColumn<QByteArray>("secret");
        QTest::newRow("password") << Send([](vexaintf& l) { l.deactivate(QStringLiteral("hunter2-Secret")); })
                                  << QByteArray("hunter2-Secret");
        QTest::newRow("one-time password")
            << Send([](vexaintf& l) { l.useractivate(QStringLiteral("a@b.example"), QStringLiteral("481516")); })
            << QByteArray("481516");
        QTest::newRow("activation code") << Send([](vexaintf& l) {
            ActivationTypeScope codes(ActivationType::ActivationCode);
            ActivationReq r;
            r.actCode = QStringLiteral("ACT-9931-XYZ");
            l.activate(r);
        }) << QByteArray("ACT-9931-XYZ");
        QTest::newRow("QR payload") << Send([](vexaintf& l) {
            l.event_notify(R"({"type": 13, "response": {"type": 0, "act_qr_info": {"code": "QRPAY-77"}}})");
        }) << QByteArray("QRPAY-77");
        QTest::newRow("numeric one-time password") << Send([](vexaintf& l) {
            emit l.requestSent(json(R"({"type": 2, "activation_req": {"act_email": {"email": "", "otp": 424242}}})"));
        }) << QByteArray("424242");
    }
    void secretsAreNeverKept()
    {
        QFETCH(Send, send);
        QFETCH(QByteArray, secret);
        ScopedSupportLog scope;
        AgentLink link;
        scope.log.watch(&link.link);
        send(link.link);
        // Not in the log's memory either, before any report is made.
        const SupportLog::Kept raw = scope.log.kept();
        for (const KeptMessage& message : raw.messages)
            QVERIFY2(!message.line.contains(secret), message.line.constData());
        for (const KeptRequest& request : raw.requests)
            QVERIFY2(!request.json.contains(secret), request.json.constData());
        QVERIFY(!raw.snapshotLine.contains(secret));
        const QByteArray kept = scope.keptBytes();
        QVERIFY2(!kept.contains(secret), kept.constData());
        QVERIFY2(kept.contains("<withheld>"), kept.constData());
    }

    // A text read before a name was learned is read again once it is: the snapshot that repeats as it was hides it.
    void namesLearnedLaterReachRepeatedSnapshots()
    {
        ScopedSupportLog scope;
        const QJsonObject snapshot =
            snapshotWith("agentinfo.features.secconn.pag.name", QStringLiteral("Lab of Zedekiah"));
        scope.log.recordMessage(snapshot);
        QVERIFY(scope.log.contents().messages.at(0).contains("Lab of Zedekiah"));
        scope.log.recordRequest(request("user_registration_req", json(R"({"username": "Zedekiah"})"), 5));
        scope.log.recordMessage(snapshot);
        const SupportLog::Contents kept = scope.log.contents();
        QVERIFY2(!kept.messages.at(1).contains("Zedekiah"), kept.messages.at(1).constData());
        QVERIFY2(!kept.snapshot.contains("Zedekiah"), kept.snapshot.constData());
        QVERIFY(kept.messages.at(1).contains("Lab of <user-"));
    }

    // One value keeps its placeholder wherever it turns up; another value of the same kind gets the next number.
    void placeholdersAreStableAcrossPlaces()
    {
        ScopedSupportLog scope;
        scope.log.recordMessage(snapshotWith("agentinfo.user.email", QStringLiteral("ann@acme.example")));
        scope.log.recordRequest(request("user_registration_req", json(R"({"email": "bob@acme.example"})"), 5));
        scope.log.recordRequest(request("user_registration_req", json(R"({"email": "ANN@acme.example"})"), 5));
        qWarning("could not reach 192.0.2.10 for ann@acme.example");
        const SupportLog::Contents kept = scope.log.contents();
        QVERIFY(kept.snapshot.contains("\"email\": \"<email-1>\""));
        QVERIFY(kept.requests.at(0).contains("<email-2>"));
        QVERIFY(kept.requests.at(1).contains("<email-1>"));
        QCOMPARE(kept.warnings.size(), 1);
        QVERIFY2(kept.warnings.at(0).endsWith("warning  could not reach <ip-1> for <email-1>"),
                 kept.warnings.at(0).constData());
        QCOMPARE(kept.counts.warnings, 1);
    }

    // Text that only looks like a personal value stays: clock times, versions, MAC addresses, loopback, and an
    // ordinary word that happens to be the login name.
    void lookalikesStay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("time, version with a letter, MAC, loopback")
            << "blocked at 13:05:09 by rule v2.1.3a on aa:bb:cc:dd:ee:ff via 127.0.0.1";
        QTest::newRow("version of four numbers") << "agent version 1.2.3.4 installed";
        QTest::newRow("version after a v") << "needs v10.0.19045.1 or later";
        QTest::newRow("login name as a word") << "Root CA expired; Root cause? see root-certs";
        QTest::newRow("authority in a certificate subject") << "issuer CN=Acme Issuing CA, O=Acme";
        QTest::newRow("shared profile folder") << "C:\\Users\\Public\\Desktop";
    }
    void lookalikesStay()
    {
        QFETCH(QString, text);
        ScopedSupportLog scope;
        scope.log.recordRequest(request("subscribe_req", json(R"({"username": "root"})"), 1));
        qWarning("%s", qPrintable(text));
        QVERIFY2(scope.log.contents().warnings.at(0).endsWith(text.toUtf8()),
                 scope.log.contents().warnings.at(0).constData());
    }

    // A finding's version field holds no address, whatever its shape.
    void versionFieldsStay()
    {
        ScopedSupportLog scope;
        QJsonObject message = finding(QStringLiteral("tool"), QString());
        setJsonPath(message, QStringLiteral("response.violation_list.version"), QStringLiteral("1.2.3.4"));
        scope.log.recordMessage(message);
        QVERIFY(scope.log.contents().messages.at(0).contains("\"version\":\"1.2.3.4\""));
    }

    // Five thousand peers named across the ring, each named again in a later finding's text: every name is replaced
    // in both places, the same placeholder for the same peer.
    void thousandsOfNamesAreAllReplaced()
    {
        ScopedSupportLog scope;
        const int perMessage = 25;
        for (int first = 0; first < 5000; first += perMessage) {
            QJsonArray list;
            for (int i = first; i < first + perMessage; ++i)
                list.append(QJsonObject{{QStringLiteral("drname"), QStringLiteral("Kiosk Nr %1").arg(i)},
                                        {QStringLiteral("addr"), QString()}});
            QJsonObject message = json(R"({"type": 14, "response": {"type": 0}})");
            setJsonPath(message, QStringLiteral("response.peer_listing.peers"), list);
            scope.log.recordMessage(message);
        }
        QCOMPARE(scope.log.kept().messagesDropped, 0);
        qWarning("share offered by Kiosk Nr 4999 and kiosk nr 17");
        const SupportLog::Contents kept = scope.log.contents();
        const QByteArray all = kept.messages.join('\n') + kept.warnings.join('\n');
        QVERIFY(!all.contains("Kiosk Nr"));
        QVERIFY(!all.toLower().contains("kiosk nr"));
        static const QRegularExpression replaced(QStringLiteral("share offered by <device-\\d+> and <device-\\d+>$"));
        QVERIFY2(replaced.match(QString::fromUtf8(kept.warnings.at(0))).hasMatch(), kept.warnings.at(0).constData());
    }

    void everyRingKeepsToItsCaps_data()
    {
        QTest::addColumn<int>("ring");
        QTest::addColumn<int>("entryBytes");
        QTest::newRow("messages, many small") << 0 << 500;
        QTest::newRow("messages, few large") << 0 << 40 * 1024;
        QTest::newRow("requests, many small") << 1 << 100;
        QTest::newRow("requests, large") << 1 << 3000;
        QTest::newRow("warnings, many small") << 2 << 80;
        QTest::newRow("warnings, each over its limit") << 2 << 10 * 1024;
    }
    void everyRingKeepsToItsCaps()
    {
        QFETCH(int, ring);
        QFETCH(int, entryBytes);
        ScopedSupportLog scope;
        const QString text = QString::fromLatin1(filler(entryBytes));
        for (int i = 0; i < 1200; ++i) {
            if (ring == 0)
                scope.log.recordMessage(QJsonObject{{QStringLiteral("type"), 12}, {QStringLiteral("pad"), text}});
            else if (ring == 1)
                scope.log.recordRequest(request("feedback", QJsonObject{{QStringLiteral("description"), text}}, 9));
            else
                scope.log.recordWarning(QtWarningMsg, text);
        }
        const SupportLog::Contents kept = scope.log.contents();
        const QByteArrayList& entries = ring == 0 ? kept.messages : ring == 1 ? kept.requests : kept.warnings;
        const SupportLog::Limits limits = ring == 0   ? SupportLog::messageLimits
                                          : ring == 1 ? SupportLog::requestLimits
                                                      : SupportLog::warningLimits;
        qint64 bytes = 0;
        for (const QByteArray& entry : entries) {
            bytes += entry.size();
            QVERIFY(entry.size() <= (ring == 2 ? SupportLog::largestWarning : SupportLog::largestMessage));
        }
        QVERIFY2(entries.size() <= limits.count, QByteArray::number(entries.size()).constData());
        QVERIFY2(bytes <= limits.bytes, QByteArray::number(bytes).constData());
        // Full, not starved: the newest entries fill the ring up to one of its limits.
        QVERIFY(entries.size() == limits.count || bytes > limits.bytes - (entryBytes + 200));
        const qint64 dropped = ring == 0   ? kept.messagesDropped
                               : ring == 1 ? kept.requestsDropped
                                           : kept.warningsDropped;
        QCOMPARE(dropped + entries.size(), qint64(1200));
        QVERIFY(scope.log.bytesKept() <= SupportLog::totalLimit);
    }

    // A message too large for one entry is kept as a note of its type and size; a snapshot too large as a note.
    void oversizedMessagesBecomeNotes()
    {
        ScopedSupportLog scope;
        QJsonObject huge = agentMessage(0);
        huge.insert(QStringLiteral("pad"), QString::fromLatin1(filler(int(SupportLog::largestMessage))));
        scope.log.recordMessage(huge);
        QJsonObject listing = finding(QStringLiteral("x"), QString::fromLatin1(filler(3 * 1024 * 1024)));
        scope.log.recordMessage(listing);
        setJsonPath(huge, QStringLiteral("agentinfo.pad"), QString::fromLatin1(filler(int(SupportLog::snapshotLimit))));
        scope.log.recordMessage(huge);

        const SupportLog::Contents kept = scope.log.contents();
        QCOMPARE(kept.messages.size(), 3);
        QVERIFY2(kept.messages.at(0).contains("\"omitted\":{\"bytes\":"), kept.messages.at(0).constData());
        QVERIFY(kept.messages.at(1).contains("\"type\":12"));
        QVERIFY(kept.messages.at(1).size() < 200);
        QVERIFY(kept.snapshot.startsWith("(the last snapshot was larger"));
        QVERIFY(scope.log.bytesKept() < 1024);
    }

    // An agent away for hours: its failed attempts are one entry with a count, and the history keeps the moment the
    // link dropped.
    void repeatedLinkEventsAreCounted()
    {
        ScopedSupportLog scope;
        AgentLink link;
        scope.log.watch(&link.link);
        emit link.link.socket()->disconnected();
        for (int attempt = 0; attempt < 2000; ++attempt)
            emit link.link.socket()->connectFailed();
        emit link.link.socket()->connectedToBackend();
        const SupportLog::Contents kept = scope.log.contents();
        QCOMPARE(kept.history.size(), 3);
        QVERIFY(kept.history.at(0).endsWith(QLatin1String("link dropped")));
        QVERIFY2(kept.history.at(1).contains(QLatin1String("connection attempt failed, retrying in 5 s (2000 times")),
                 qPrintable(kept.history.at(1)));
        QVERIFY(kept.history.at(2).endsWith(QLatin1String("reconnected")));
        QCOMPARE(kept.counts.failedAttempts, 2000);
        QCOMPARE(kept.counts.linkDrops, 1);
        QCOMPARE(kept.link, SupportLog::Link::Up);

        // Events that change every time still stop at the history's count.
        for (int i = 0; i < 1000; ++i) {
            emit link.link.socket()->disconnected();
            emit link.link.socket()->connectedToBackend();
        }
        QCOMPARE(scope.log.contents().history.size(), SupportLog::historyLimits.count);
        QVERIFY(scope.log.bytesKept() <= SupportLog::totalLimit);
    }
};

QTEST_MAIN(TestSupportLog)
#include "test_supportlog.moc"
