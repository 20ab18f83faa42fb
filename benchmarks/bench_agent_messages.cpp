// How fast agent messages are turned into what the window shows. The agent sends its whole state with every
// message, so a busy agent means a flood of near-identical snapshots; the figure to compare against is the bare JSON
// parse of the same bytes.
#include "agent/vexaintf.h"
#include "app/startup.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QByteArray realisticSnapshotLine()
{
    QFile file(QStringLiteral(VEXAUI_SNAPSHOT_FIXTURE));
    file.open(QIODevice::ReadOnly);
    QJsonObject message = QJsonDocument::fromJson(file.readAll()).object();
    // A listing reply on top of the snapshot, of the size a managed laptop produces.
    QJsonArray pags;
    for (int i = 0; i < 12; ++i)
        pags.append(QJsonObject{{"id", QStringLiteral("pag-%1").arg(i)},
                                {"type", 1},
                                {"name", "Gateway"},
                                {"city", "Frankfurt"},
                                {"country", "DE"},
                                {"status", 1},
                                {"replica_number", i}});
    QJsonArray programs;
    for (int i = 0; i < 40; ++i)
        programs.append(QJsonObject{{"name", QStringLiteral("tool-%1.exe").arg(i)},
                                    {"path", QStringLiteral("C:\\Program Files\\Tool %1\\tool.exe").arg(i)},
                                    {"attributes", QJsonArray{QJsonObject{{"vendor", "Vendor"}, {"version", "1.0"}}}}});
    message.insert(QStringLiteral("response"),
                   QJsonObject{{"type", 0},
                               {"pag_listing", QJsonObject{{"pags", pags}}},
                               {"violation_list",
                                QJsonObject{{"program", QJsonArray{QJsonObject{{"condition", "must not be installed"},
                                                                               {"programs", programs}}}}}}});
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

struct Fixture
{
    Fixture() : link(1)
    {
        vexaintf::setInstance(&link);
        window = std::make_unique<MainWindow>();
    }
    vexaintf link; // port 1: nothing listens, nothing is sent
    std::unique_ptr<MainWindow> window;
    const QByteArray line = realisticSnapshotLine();
    const QJsonObject message = QJsonDocument::fromJson(line).object();
};

Fixture* fixture = nullptr;

void bareJsonParse(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(fixture->line));
    state.SetBytesProcessed(state.iterations() * fixture->line.size());
}
BENCHMARK(bareJsonParse);

void processVexaEvent(benchmark::State& state)
{
    for (auto _ : state)
        emit fixture->link.sendVexaEvent(fixture->message);
}
BENCHMARK(processVexaEvent);

void lineToScreen(benchmark::State& state)
{
    for (auto _ : state)
        fixture->link.event_notify(fixture->line);
    state.SetBytesProcessed(state.iterations() * fixture->line.size());
}
BENCHMARK(lineToScreen);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initVexaResources();
    Fixture shared;
    fixture = &shared;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
