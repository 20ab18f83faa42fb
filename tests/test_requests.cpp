#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "tests/support/testsupport.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using Request = std::function<void(vexaintf&)>;
Q_DECLARE_METATYPE(Request)

namespace {
ActivationReq sampleActivation(int otp)
{
    ActivationReq request;
    request.actType = 9; // never consulted: the build's own method decides
    request.actCode = QStringLiteral("CODE-1");
    request.actCodeName = QStringLiteral("my pc");
    request.qrCode = QStringLiteral("qr-77");
    request.serviceId = QStringLiteral("svc");
    request.email = QStringLiteral("a@b.c");
    request.emailName = QStringLiteral("desk");
    request.otp = otp;
    return request;
}
} // namespace

class TestRequests : public QObject
{
    Q_OBJECT
private:
    FakeAgent* agent = nullptr;
    vexaintf* link = nullptr;

private slots:
    void init()
    {
        setCurrentUserName(QStringLiteral("alice"));
        agent = new FakeAgent;
        link = new vexaintf(agent->port());
        link->start();
        QVERIFY(agent->waitForClient());
        QCOMPARE(agent->nextLine(), QByteArray("{\"subscribe_req\":{\"username\":\"alice\"},\"type\":1}\n"));
    }
    void cleanup()
    {
        delete link;
        delete agent;
    }

    void requestBytes_data()
    {
        QTest::addColumn<Request>("send");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("activation status")
            << Request([](vexaintf& l) { l.verifyActivationStatus(); }) << QByteArray("{\"type\":3}\n");
        QTest::newRow("deactivate") << Request([](vexaintf& l) { l.deactivate(QStringLiteral("p\"w")); })
                                    << QByteArray("{\"deactivation_req\":{\"password\":\"p\\\"w\"},\"type\":4}\n");
        QTest::newRow("user registration")
            << Request([](vexaintf& l) { l.userregister(QStringLiteral("a@b.c")); })
            << QByteArray("{\"type\":5,\"user_registration_req\":{\"email\":\"a@b.c\"}}\n");
        QTest::newRow("user deregistration") << Request([](vexaintf& l) { l.userDeregistration(); })
                                             << QByteArray("{\"type\":6,\"user_deregistration_req\":{}}\n");
        QTest::newRow("user activation OTP as text")
            << Request([](vexaintf& l) { l.useractivate(QStringLiteral("a@b.c"), QStringLiteral("0123")); })
            << QByteArray("{\"type\":7,\"user_activation_req\":{\"email\":\"a@b.c\",\"otp\":\"0123\"}}\n");
        QTest::newRow("secure access on") << Request([](vexaintf& l) { l.togglesecurechannelstatus(true); })
                                          << QByteArray("{\"enable_secconn_status\":true,\"type\":8}\n");
        QTest::newRow("secure access off") << Request([](vexaintf& l) { l.togglesecurechannelstatus(false); })
                                           << QByteArray("{\"enable_secconn_status\":false,\"type\":8}\n");
        QTest::newRow("feedback")
            << Request([](vexaintf& l) { l.feedback(QStringLiteral("Slow"), QStringLiteral("Line 1\nLine 2 ü")); })
            << QByteArray(
                   "{\"feedback\":{\"description\":\"Line 1\\nLine 2 \xc3\xbc\",\"title\":\"Slow\"},\"type\":9}\n");
        QTest::newRow("gateway list") << Request([](vexaintf& l) { l.getPAGList(); }) << QByteArray("{\"type\":10}\n");
        QTest::newRow("gateway preference") << Request([](vexaintf& l) {
            l.setPrefPag({QStringLiteral("pag-9"), 3});
        }) << QByteArray("{\"pag_preference\":{\"id\":\"pag-9\",\"type\":3},\"type\":11}\n");
        QTest::newRow("violation list") << Request([](vexaintf& l) { l.getViolationList(); })
                                        << QByteArray("{\"type\":12}\n");
        QTest::newRow("QR code") << Request([](vexaintf& l) { l.generateQR(false); })
                                 << QByteArray("{\"act_qr_info_req\":{},\"type\":13}\n");
        QTest::newRow("new QR code") << Request([](vexaintf& l) { l.generateQR(true); })
                                     << QByteArray("{\"act_qr_info_req\":{\"regenerate_code\":true},\"type\":13}\n");
        QTest::newRow("peer list") << Request([](vexaintf& l) { l.getPeerList(); }) << QByteArray("{\"type\":14}\n");
        QTest::newRow("reboot cancelled")
            << Request([](vexaintf& l) { l.rebootCancelled(); }) << QByteArray("{\"type\":15}\n");
    }
    void requestBytes()
    {
        QFETCH(Request, send);
        QFETCH(QByteArray, bytes);
        send(*link);
        QCOMPARE(agent->nextLine(), bytes);
    }

    void activationFollowsTheBuildsMethod_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<int>("otp");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("activation code") << 0 << -1
                                         << QByteArray(
                                                "{\"activation_req\":{\"act_code\":{\"code\":\"CODE-1\",\"name\":"
                                                "\"my pc\"},\"act_type\":0},\"type\":2}\n");
        QTest::newRow("service id") << 1 << 5
                                    << QByteArray("{\"activation_req\":{\"act_qr\":{\"code\":\"qr-77\",\"svc_id\":"
                                                  "\"svc\"},\"act_type\":1},\"type\":2}\n");
        QTest::newRow("email without OTP") << 2 << -1
                                           << QByteArray("{\"activation_req\":{\"act_email\":{\"email\":\"a@b.c\","
                                                         "\"name\":\"desk\"},\"act_type\":2},\"type\":2}\n");
        QTest::newRow("email with OTP as number")
            << 2 << 42
            << QByteArray("{\"activation_req\":{\"act_email\":{\"email\":\"a@b.c\",\"name\":\"desk\",\"otp\":42},"
                          "\"act_type\":2},\"type\":2}\n");
    }
    void activationFollowsTheBuildsMethod()
    {
        QFETCH(int, activationType);
        QFETCH(int, otp);
        QFETCH(QByteArray, bytes);
        ActivationTypeScope scoped(activationType);
        link->activate(sampleActivation(otp));
        QCOMPARE(agent->nextLine(), bytes);
    }

    void agentLinesBecomeEvents_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("delivered");
        QTest::newRow("object") << QByteArray("{\"type\":11,\"response\":{\"type\":36}}\n") << true;
        QTest::newRow("object with CRLF") << QByteArray("{\"type\":1}\r\n") << true;
        QTest::newRow("array") << QByteArray("[1,2,3]\n") << false;
        QTest::newRow("not JSON") << QByteArray("hello agent\n") << false;
        QTest::newRow("empty line") << QByteArray("\n") << false;
        QTest::newRow("invalid UTF-8 in a string") << QByteArray("{\"ent_name\":\"\xff\xfe\"}\n") << true;
    }
    void agentLinesBecomeEvents()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, delivered);
        QSignalSpy events(link, &vexaintf::sendVexaEvent);
        agent->send(line + "{\"type\":99}\n");
        QTRY_COMPARE(events.size(), delivered ? 2 : 1);
        QCOMPARE(events.last().at(0).toJsonObject().value(QStringLiteral("type")).toInt(), 99);
    }

    // The agent repeats itself: the same line again is the same message again, however long, and a line that
    // carried nothing carries nothing the second time either.
    void repeatedLinesAreMessagesEachTime()
    {
        QSignalSpy events(link, &vexaintf::sendVexaEvent);
        const QByteArray longLine = "{\"type\":12,\"pad\":\"" + QByteArray(70 * 1024, 'x') + "\"}";
        for (const QByteArray& line :
             {QByteArray("{\"type\":8}"), QByteArray("{\"type\":8}"), QByteArray("not JSON"), QByteArray("not JSON"),
              longLine, longLine, QByteArray(), QByteArray("{\"type\":9}")})
            link->event_notify(line);
        QList<int> types;
        for (const QList<QVariant>& event : events)
            types.append(event.at(0).toJsonObject().value(QStringLiteral("type")).toInt());
        QCOMPARE(types, (QList<int>{8, 8, 12, 12, 9}));
    }
};

QTEST_MAIN(TestRequests)
#include "test_requests.moc"
