// What a long listing costs the support log on arrival, whatever came before it, and that no warning raised around
// the log can hold the window up.
#include "listinggenerator.h"
#include "support/supportreport.h"
#include "tests/report/reporttestkit.h"
#include "tests/support/mainwindowharness.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using LineOf = QByteArray (*)(int);
Q_DECLARE_METATYPE(LineOf)

namespace {

QByteArray listingLine(int type, const char* key, const QJsonValue& listing)
{
    QJsonObject message = agentMessage(type);
    message.insert(QStringLiteral("response"), QJsonObject{{QStringLiteral("type"), 0}, {QLatin1String(key), listing}});
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QByteArray gateways(int count)
{
    QJsonArray pags;
    for (const agentsim::Gateway& gateway : agentsim::generatedGateways(count))
        pags.append(gateway.toListing());
    return listingLine(9, "pag_listing", QJsonObject{{QStringLiteral("pags"), pags}});
}

QByteArray peers(int count)
{
    return listingLine(14, "peer_listing", QJsonObject{{QStringLiteral("peers"), agentsim::generatedPeers(count)}});
}

QByteArray findings(int count)
{
    return listingLine(12, "violation_list", agentsim::generatedFindings(count));
}

// Peers named differently from `peers`, so that a log that learned names would have thousands more to look for.
QByteArray otherPeers(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i)
        list.append(QJsonObject{{QStringLiteral("caname"), QStringLiteral("kiosk-%1.branch.example").arg(i)},
                                {QStringLiteral("drname"), QStringLiteral("Kiosk %1").arg(i)},
                                {QStringLiteral("addr"), QStringLiteral("10.9.%1.%2").arg(i / 250).arg(i % 250 + 1)}});
    return listingLine(14, "peer_listing", QJsonObject{{QStringLiteral("peers"), list}});
}

// Raises one warning from another thread each time it is asked to.
class WarningThread : public QThread
{
public:
    explicit WarningThread(int warnings) : warnings(warnings) {}
    void run() override
    {
        for (int i = 0; i < warnings; ++i)
            qWarning("warning %d from a worker thread", i);
    }
    const int warnings;
};

} // namespace

class TestSupportLogLoad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SupportLog::installMessageHandler(); }

    // A listing costs the log a look at its bytes for a secret's key and a place in its ring: the same after
    // thousands of other names came as on a fresh log, and nothing is written again.
    void arrivalGrowsWithTheMessageNotWithHistory_data()
    {
        QTest::addColumn<LineOf>("lineOf");
        QTest::addColumn<int>("entries");
        for (int entries : {1000, 2000, 5000}) {
            QTest::addRow("gateways %d", entries) << LineOf(gateways) << entries;
            QTest::addRow("peers %d", entries) << LineOf(peers) << entries;
            QTest::addRow("findings %d", entries) << LineOf(findings) << entries;
        }
    }
    void arrivalGrowsWithTheMessageNotWithHistory()
    {
        QFETCH(LineOf, lineOf);
        QFETCH(int, entries);
        const QByteArray line = lineOf(entries);
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);

        const auto workFor = [&](const QByteArray& message) {
            const SupportLog::ArrivalWork before = scope.log.arrivalWork();
            h.link.event_notify(message);
            const SupportLog::ArrivalWork after = scope.log.arrivalWork();
            return std::make_pair(after.bytesScanned - before.bytesScanned,
                                  after.linesRewritten - before.linesRewritten);
        };
        const auto fresh = workFor(line);
        QCOMPARE(fresh.first, qint64(line.size()));
        QCOMPARE(fresh.second, qint64(0));
        for (int i = 0; i < 3; ++i)
            h.link.event_notify(otherPeers(2000 + i));
        QCOMPARE(workFor(line), fresh);
    }

    // The sequence that once stopped the window for good: a long peer listing, then a long findings listing, with
    // the log wired as the program wires it. The window goes on reading the agent, and the report still replaces
    // the names of every peer.
    void longListingsLeaveTheWindowAnswering()
    {
        ScopedSupportLog scope;
        MainWindowHarness h;
        scope.log.watch(&h.link);
        h.link.event_notify(peers(2000));
        h.link.event_notify(findings(1000));
        QCOMPARE(h.toggle()->sliderPosition(), 0);
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 2}}));
        QCOMPARE(h.toggle()->sliderPosition(), 1);

        // Small enough to be kept: every one of its peers is named only as a placeholder.
        h.link.event_notify(peers(300));
        const QByteArray kept = scope.keptBytes();
        QVERIFY(kept.contains("<device-600>"));
        QVERIFY(!kept.contains("DESKTOP-00001"));
        QVERIFY(!kept.contains("100.64.0.1\""));
    }

    // A warning raised inside the log, inside the redaction and inside the report writer is kept, never waited for.
    void warningsFromInsideTheLogAreKept()
    {
        ScopedSupportLog scope;
        // Inside the log, as it takes the first message too large for its ring.
        scope.log.recordMessageLine(peers(2000), QJsonDocument::fromJson(peers(2000)).object());
        // Inside the redaction, as it reads a kept line that is not JSON.
        scope.log.recordMessageLine("{\"type\": 0, broken", QJsonObject{{QStringLiteral("type"), 0}});
        QVERIFY(scope.log.contents().warnings.join('\n').contains("as notes of their size"));
        // Inside the report writer, as it fails to save.
        QString error;
        QVERIFY(!SupportReport::collect(scope.log).save(QStringLiteral("/nonexistent-folder/r.zip"), &error));

        const QByteArray warnings = scope.log.contents().warnings.join('\n');
        QVERIFY2(warnings.contains("could not be read again"), warnings.constData());
        QVERIFY2(warnings.contains("could not be saved"), warnings.constData());
    }

    // Warnings from several threads at once, while the window's thread writes its own and reads the log: each is
    // kept or counted as dropped.
    void warningsFromEveryThreadAreKeptOrCounted()
    {
        ScopedSupportLog scope;
        WarningThread first(500), second(500);
        first.start();
        second.start();
        for (int i = 0; i < 200; ++i) {
            qWarning("warning %d from the window's thread", i);
            scope.log.kept();
        }
        QVERIFY(first.wait(10000) && second.wait(10000));
        const SupportLog::Counts counts = scope.log.kept().counts;
        QCOMPARE(counts.warnings + counts.warningsDropped, 1200);
        QVERIFY(counts.warnings > 0);
    }
};

QTEST_MAIN(TestSupportLogLoad)
#include "test_supportlog_load.moc"
