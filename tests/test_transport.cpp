#include "agent/agentpeercheck.h"
#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/currentuser.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
QByteArray fixtureText(const char* name)
{
    QFile file(QStringLiteral(VEXAUI_FIXTURES_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

AgentPeerCheck::Endpoint loopback(quint16 port)
{
    return {QHostAddress(QHostAddress::LocalHost), port};
}

// Starts an attempt and lets the event loop carry it to the link.
bool connectNow(tcpsocket& socket)
{
    QSignalSpy up(&socket, &tcpsocket::connectedToBackend);
    socket.Connect();
    return QTest::qWaitFor([&] { return !up.isEmpty(); }, 5000);
}

// A loopback listener that never accepts, its backlog filled by connections of its own: the kernel drops every
// further handshake, so an attempt to reach it neither succeeds nor fails.
struct SilentListener
{
    int fd = -1;
    quint16 port = 0;
    std::vector<std::unique_ptr<QTcpSocket>> fillers;

    SilentListener()
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 0) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port = ntohs(address.sin_port);
        // Fill until a connection of its own hangs: from then on the backlog is full.
        while (fillers.size() < 8) {
            fillers.push_back(std::make_unique<QTcpSocket>());
            fillers.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            if (!fillers.back()->waitForConnected(200))
                return;
        }
        port = 0;
    }
    ~SilentListener()
    {
        fillers.clear();
        if (fd >= 0)
            ::close(fd);
    }
};

// Another user's program listening on a loopback port, for as long as the object lives.
struct ForeignListener
{
    QProcess process;
    quint16 port = 0;
    ForeignListener(uint uid, const char* family)
    {
        process.start(QStringLiteral(FOREIGN_LISTENER), {QString::number(uid), QLatin1String(family)});
        if (process.waitForReadyRead(5000))
            port = static_cast<quint16>(process.readLine().trimmed().mid(5).toUInt());
    }
    ~ForeignListener()
    {
        process.kill();
        process.waitForFinished();
    }
};
} // namespace

class TestTransport : public QObject
{
    Q_OBJECT
private slots:
    void framing_data()
    {
        QTest::addColumn<QList<QByteArray>>("segments");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("two lines in one segment")
            << QList<QByteArray>{"{\"a\":1}\n{\"b\":2}\n"} << QList<QByteArray>{"{\"a\":1}\n", "{\"b\":2}\n"};
        QTest::newRow("one line across two segments")
            << QList<QByteArray>{"{\"a\":", "1}\n"} << QList<QByteArray>{"{\"a\":1}\n"};
        QTest::newRow("line ends mid-segment")
            << QList<QByteArray>{"{\"a\":1}\n{\"b\"", ":2}\n"} << QList<QByteArray>{"{\"a\":1}\n", "{\"b\":2}\n"};
        QTest::newRow("oversized line then a good one")
            << QList<QByteArray>{QByteArray(40, 'x'), QByteArray(40, 'y') + "\n{\"ok\":1}\n"}
            << QList<QByteArray>{"{\"ok\":1}\n"};
        QTest::newRow("oversized line in one piece")
            << QList<QByteArray>{QByteArray(65, 'z') + "\n" + QByteArray(64, 'w') + "\n"}
            << QList<QByteArray>{QByteArray(64, 'w') + "\n"};
        QTest::newRow("no terminator yet") << QList<QByteArray>{"{\"a\":1}"} << QList<QByteArray>{};
    }
    void framing()
    {
        QFETCH(QList<QByteArray>, segments);
        QFETCH(QList<QByteArray>, lines);
        FakeAgent agent;
        tcpsocket socket(agent.port());
        socket.setMaxLineLength(64);
        QSignalSpy emitted(&socket, &tcpsocket::event_notify);
        QVERIFY(connectNow(socket));
        QVERIFY(agent.waitForClient());
        for (const QByteArray& segment : segments) {
            agent.send(segment);
            // Let each segment arrive as a read of its own.
            QTest::qWait(30);
        }
        QTest::qWait(50);
        QList<QByteArray> received;
        for (const QList<QVariant>& emission : emitted)
            received.append(emission.at(0).toByteArray());
        QCOMPARE(received, lines);
    }

    void snapshotOfMegabytesPassesWhole()
    {
        FakeAgent agent;
        tcpsocket socket(agent.port());
        QSignalSpy emitted(&socket, &tcpsocket::event_notify);
        QVERIFY(connectNow(socket));
        QVERIFY(agent.waitForClient());
        const QByteArray big = "{\"pad\":\"" + QByteArray(3 * 1024 * 1024, 'p') + "\"}\n";
        agent.send(big);
        QTRY_COMPARE(emitted.size(), 1);
        QCOMPARE(emitted.at(0).at(0).toByteArray(), big);
    }

    // Each row ends with the attempt over and exactly one retry pending; no attempt ever holds up the event loop.
    void attemptsEndInOneRetry_data()
    {
        QTest::addColumn<bool>("hangs");
        QTest::newRow("refused") << false;
        QTest::newRow("no answer within the time limit") << true;
    }
    void attemptsEndInOneRetry()
    {
        QFETCH(bool, hangs);
        SilentListener silent;
        const quint16 port = hangs ? silent.port : closedLoopbackPort();
        QVERIFY(port != 0);
        tcpsocket socket(port);
        QSignalSpy failed(&socket, &tcpsocket::connectFailed);
        QSignalSpy up(&socket, &tcpsocket::connectedToBackend);
        QTimer* retry = socket.reconnectTimer();
        QTimer* timeout = socket.findChild<QTimer*>(QStringLiteral("connectTimeout"));
        QCOMPARE(timeout, socket.connectTimeoutTimer());
        QCOMPARE(timeout->interval(), 5000);
        if (hangs)
            timeout->setInterval(300);

        socket.Connect();
        // A second call while the first attempt runs starts nothing.
        socket.Connect();
        if (hangs) {
            QTest::qWait(100);
            QVERIFY(timeout->isActive());
            QVERIFY(!retry->isActive());
            QCOMPARE(failed.size(), 0);
        }
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!timeout->isActive());
        QVERIFY(retry->isActive());
        QVERIFY(retry->isSingleShot());
        QCOMPARE(retry->interval(), 5000);
        QTest::qWait(hangs ? 400 : 50);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(up.size(), 0);
    }

    // The agent starts after the window: the first failure is reported once, the retries that fail are not news,
    // and the retry after the agent appears brings the link up.
    void linkComesUpWhenTheAgentAppears()
    {
        setCurrentUserName(QStringLiteral("alice"));
        const quint16 port = closedLoopbackPort();
        vexaintf link(port);
        QSignalSpy up(&link, &vexaintf::agentConnected);
        QSignalSpy down(&link, &vexaintf::agentDisconnected);
        QSignalSpy failed(link.socket(), &tcpsocket::connectFailed);
        QTimer* retry = link.socket()->reconnectTimer();
        link.start();
        QVERIFY(link.isStarting());
        QTRY_COMPARE(down.size(), 1);
        QVERIFY(!link.isStarting());
        QVERIFY(!link.isConnected());

        // What the retry does when it fires (starting the timer early would shorten every later retry too).
        link.socket()->Connect();
        QTRY_COMPARE(failed.size(), 2);
        QCOMPARE(down.size(), 1);
        QVERIFY(retry->isActive());

        FakeAgent agent(port);
        QVERIFY(agent.isListening());
        link.socket()->Connect();
        QVERIFY(agent.waitForClient());
        QCOMPARE(agent.nextLine(), QByteArray("{\"subscribe_req\":{\"username\":\"alice\"},\"type\":1}\n"));
        QCOMPARE(up.size(), 1);
        QVERIFY(link.isConnected());
        QVERIFY(!retry->isActive());
        QVERIFY(!link.socket()->connectTimeoutTimer()->isActive());
        QCOMPARE(down.size(), 1);
    }

    void reconnectsAndSubscribesAgain()
    {
        setCurrentUserName(QStringLiteral("alice"));
        FakeAgent agent;
        vexaintf link(agent.port());
        QSignalSpy up(&link, &vexaintf::agentConnected);
        QSignalSpy down(&link, &vexaintf::agentDisconnected);
        link.start();
        QVERIFY(agent.waitForClient());
        QCOMPARE(agent.nextLine(), QByteArray("{\"subscribe_req\":{\"username\":\"alice\"},\"type\":1}\n"));
        QCOMPARE(up.size(), 1);
        QVERIFY(link.isConnected());

        agent.dropClient();
        QTRY_COMPARE(down.size(), 1);
        QVERIFY(!link.isConnected());
        QTimer* retry = link.socket()->reconnectTimer();
        QVERIFY(retry->isActive());
        QCOMPARE(retry->interval(), 5000);

        retry->start(10);
        QVERIFY(agent.waitForClient());
        QCOMPARE(agent.nextLine(), QByteArray("{\"subscribe_req\":{\"username\":\"alice\"},\"type\":1}\n"));
        QTRY_COMPARE(up.size(), 2);
        QVERIFY(link.isConnected());
    }

    // Rows as the kernel prints them (tests/fixtures/proc_net_tcp*.txt, IPv4 and IPv6 tables one after the other).
    void ownerOfTheAgentsEnd_data()
    {
        QTest::addColumn<quint16>("serverPort");
        QTest::addColumn<quint16>("clientPort");
        QTest::addColumn<qint64>("owner");
        QTest::newRow("accepted socket") << quint16(8004) << quint16(41136) << qint64(1001);
        QTest::newRow("listener when the accepted socket is not listed yet")
            << quint16(8004) << quint16(50000) << qint64(1001);
        QTest::newRow("a time-wait row says 0 and is no owner") << quint16(8004) << quint16(40000) << qint64(1001);
        QTest::newRow("IPv4 wildcard listener") << quint16(8002) << quint16(50000) << qint64(0);
        QTest::newRow("dual-stack IPv6 listener, accepted socket v4-mapped")
            << quint16(8005) << quint16(49728) << qint64(1003);
        QTest::newRow("dual-stack IPv6 listener") << quint16(8005) << quint16(50000) << qint64(1003);
        QTest::newRow("::1 takes no IPv4 connections") << quint16(8006) << quint16(50000) << qint64(-1);
        QTest::newRow("IPv4 wildcard before the IPv6 one") << quint16(8007) << quint16(50000) << qint64(0);
        QTest::newRow("nobody on the port") << quint16(8008) << quint16(50000) << qint64(-1);
    }
    void ownerOfTheAgentsEnd()
    {
        QFETCH(quint16, serverPort);
        QFETCH(quint16, clientPort);
        QFETCH(qint64, owner);
        const QByteArray tables = fixtureText("proc_net_tcp.txt") + fixtureText("proc_net_tcp6.txt");
        QVERIFY(!tables.isEmpty());
        const std::optional<uint> found =
            AgentPeerCheck::ownerInTable(tables, loopback(serverPort), loopback(clientPort));
        QCOMPARE(found ? qint64(*found) : qint64(-1), owner);
    }

    void trustedOwners_data()
    {
        QTest::addColumn<QByteArray>("loginDefs");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<bool>("trusted");
        const QByteArray defs = "# comment UID_MIN 5\nUID_MIN\t\t\t 1000\nUID_MAX 60000\n";
        QTest::newRow("root") << defs << 0u << true;
        QTest::newRow("system account") << defs << 999u << true;
        QTest::newRow("the window's own user") << defs << 1500u << true;
        QTest::newRow("another login user") << defs << 1000u << false;
        QTest::newRow("nobody") << defs << 65534u << false;
        QTest::newRow("a site with UID_MIN 500") << QByteArray("UID_MIN 500\n") << 600u << false;
        QTest::newRow("no login.defs: 1000") << QByteArray() << 999u << true;
        QTest::newRow("commented out") << QByteArray("#UID_MIN 2000\n") << 1200u << false;
        QTest::newRow("unreadable value") << QByteArray("UID_MIN lots\n") << 1200u << false;
    }
    void trustedOwners()
    {
        QFETCH(QByteArray, loginDefs);
        QFETCH(uint, owner);
        QFETCH(bool, trusted);
        QCOMPARE(AgentPeerCheck::isTrustedOwner(owner, 1500, AgentPeerCheck::firstUserUid(loginDefs)), trusted);
    }

    // A real listener of another user: refused before a byte passes either way, and tried again later.
    void refusesAListenerOfAnotherUser_data()
    {
        QTest::addColumn<QByteArray>("family");
        QTest::newRow("IPv4") << QByteArray("v4");
        QTest::newRow("dual-stack IPv6") << QByteArray("v6");
    }
    void refusesAListenerOfAnotherUser()
    {
        QFETCH(QByteArray, family);
        if (geteuid() != 0)
            QSKIP("only root can listen as another user");
        ForeignListener impostor(65534, family.constData());
        QVERIFY(impostor.port != 0);
        setCurrentUserName(QStringLiteral("alice"));
        vexaintf link(impostor.port);
        QSignalSpy refused(&link, &vexaintf::agentRefused);
        QSignalSpy up(&link, &vexaintf::agentConnected);
        QSignalSpy down(&link, &vexaintf::agentDisconnected);
        QSignalSpy messages(&link, &vexaintf::sendVexaEvent);

        link.start();
        QTRY_COMPARE(refused.size(), 1);
        QCOMPARE(refused.at(0).at(0).toString(),
                 QStringLiteral("Connection refused: the application service port is held by another user (nobody)"));
        QVERIFY(!link.isConnected());
        QCOMPARE(up.size(), 0);
        QCOMPARE(down.size(), 1); // the start reports the link down, as without any agent
        QTimer* retry = link.socket()->reconnectTimer();
        QVERIFY(retry->isActive());
        QCOMPARE(retry->interval(), 5000);

        // What the retry does when it fires: the same refusal, and the next retry.
        link.socket()->Connect();
        QTRY_COMPARE(refused.size(), 2);
        QVERIFY(retry->isActive());
        QCOMPARE(retry->interval(), 5000);
        QTest::qWait(100);
        QCOMPARE(up.size(), 0);
        QCOMPARE(down.size(), 1);
        QCOMPARE(messages.size(), 0);
        const QByteArray heard = impostor.process.readAll();
        QCOMPARE(heard.count("accepted"), 2);
        QVERIFY2(!heard.contains("received"), heard.constData());
    }
};

QTEST_MAIN(TestTransport)
#include "test_transport.moc"
