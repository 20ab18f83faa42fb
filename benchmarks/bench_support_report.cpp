// What making a support report costs: every kept message read again, the names learned from all of them, and every
// file redacted. The goal: a full log (1 MiB, 5,000 distinct names) well under a second.
#include "support/supportlog.h"
#include "support/supportreport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <benchmark/benchmark.h>

namespace {

// Peer listings of `perMessage` peers each until the message ring is full, each peer with its own name and address,
// and a warning that names some of them in free text.
void fill(SupportLog& log, int names)
{
    const int perMessage = names / SupportLog::messageLimits.count;
    for (int first = 0; first < names; first += perMessage) {
        QJsonArray peers;
        for (int i = first; i < first + perMessage; ++i)
            peers.append(QJsonObject{
                {QStringLiteral("caname"), QStringLiteral("peer-%1.corp.example").arg(i)},
                {QStringLiteral("drname"), QStringLiteral("Workstation of Employee %1").arg(i)},
                {QStringLiteral("addr"), QStringLiteral("10.%1.%2.%3").arg(i / 65536).arg(i / 256 % 256).arg(i % 256)},
                {QStringLiteral("note"), QStringLiteral("seen from 192.0.2.%1 by Employee %2").arg(i % 250).arg(i)}});
        const QJsonObject message{
            {QStringLiteral("type"), 14},
            {QStringLiteral("response"),
             QJsonObject{{QStringLiteral("type"), 0},
                         {QStringLiteral("peer_listing"), QJsonObject{{QStringLiteral("peers"), peers}}}}}};
        log.recordMessage(message);
    }
    for (int i = 0; i < 100; ++i)
        log.recordWarning(QtWarningMsg, QStringLiteral("share from Workstation of Employee %1 refused").arg(i * 37));
}

void redactFullLog(benchmark::State& state)
{
    SupportLog log;
    fill(log, int(state.range(0)));
    const SupportLog::Kept kept = log.kept();
    for (auto _ : state)
        benchmark::DoNotOptimize(SupportLog::redacted(kept));
    state.counters["keptBytes"] = double(log.bytesKept());
}

void collectReport(benchmark::State& state)
{
    SupportLog log;
    fill(log, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SupportReport::collect(log).archive());
}

} // namespace

BENCHMARK(redactFullLog)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(collectReport)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
