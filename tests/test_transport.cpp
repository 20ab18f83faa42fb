#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/currentuser.h"
#include "tests/support/testsupport.h"

#include <QSignalSpy>
#include <QTest>

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
        QVERIFY(socket.Connect());
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
        QVERIFY(socket.Connect());
        QVERIFY(agent.waitForClient());
        const QByteArray big = "{\"pad\":\"" + QByteArray(3 * 1024 * 1024, 'p') + "\"}\n";
        agent.send(big);
        QTRY_COMPARE(emitted.size(), 1);
        QCOMPARE(emitted.at(0).at(0).toByteArray(), big);
    }

    void retriesEveryFewSecondsWithoutAgent()
    {
        tcpsocket socket(closedLoopbackPort());
        QSignalSpy connected(&socket, &tcpsocket::connectedToBackend);
        QVERIFY(!socket.Connect());
        QVERIFY(socket.reconnectTimer()->isActive());
        QCOMPARE(socket.reconnectTimer()->interval(), 5000);
        QVERIFY(socket.reconnectTimer()->isSingleShot());

        // Shorten the wait; the same timer keeps firing attempts while nobody listens.
        socket.reconnectTimer()->setInterval(20);
        socket.reconnectTimer()->start();
        QTest::qWait(150);
        QVERIFY(socket.reconnectTimer()->isActive());
        QCOMPARE(connected.size(), 0);
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

    void startWithoutAgentReportsLinkDown()
    {
        vexaintf link(closedLoopbackPort());
        QSignalSpy down(&link, &vexaintf::agentDisconnected);
        link.start();
        QCOMPARE(down.size(), 1);
        QVERIFY(!link.isConnected());
        QVERIFY(link.socket()->reconnectTimer()->isActive());
    }
};

QTEST_MAIN(TestTransport)
#include "test_transport.moc"
