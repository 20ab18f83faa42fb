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

QJsonObject fullSnapshot()
{
    QFile file(QStringLiteral(VEXAUI_SNAPSHOT_FIXTURE));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A compliance listing of the size a managed laptop produces, on top of the snapshot every message carries.
QJsonObject violationListing()
{
    QJsonObject message = fullSnapshot();
    message.insert(QStringLiteral("type"), 12);
    QJsonArray programs;
    for (int i = 0; i < 40; ++i)
        programs.append(QJsonObject{{"name", QStringLiteral("tool-%1.exe").arg(i)},
                                    {"path", QStringLiteral("C:\\Program Files\\Tool %1\\tool.exe").arg(i)},
                                    {"attributes", QJsonArray{QJsonObject{{"vendor", "Vendor"}, {"version", "1.0"}}}}});
    QJsonArray ports;
    for (int port : {21, 23, 445, 3389})
        ports.append(QJsonObject{{"port", port}, {"path", ""}});
    message.insert(
        QStringLiteral("response"),
        QJsonObject{
            {"type", 0},
            {"violation_list",
             QJsonObject{
                 {"program", QJsonArray{QJsonObject{{"condition", "must not be installed"}, {"programs", programs}}}},
                 {"port", QJsonArray{QJsonObject{{"condition", "must be closed"}, {"ports", ports}}}}}}});
    return message;
}

QByteArray lineOf(const QJsonObject& message)
{
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
    const QJsonObject snapshot = fullSnapshot();
    const QByteArray snapshotLine = lineOf(snapshot);
    const QJsonObject listing = violationListing();
    const QByteArray listingLine = lineOf(listing);
};

Fixture* fixture = nullptr;

void bareJsonParse(benchmark::State& state, const QByteArray* line)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(*line));
    state.SetBytesProcessed(state.iterations() * line->size());
}

void processVexaEvent(benchmark::State& state, const QJsonObject* message)
{
    for (auto _ : state)
        emit fixture->link.sendVexaEvent(*message);
}

void lineToScreen(benchmark::State& state, const QByteArray* line)
{
    for (auto _ : state)
        fixture->link.event_notify(*line);
    state.SetBytesProcessed(state.iterations() * line->size());
}

void registerBenchmarks()
{
    benchmark::RegisterBenchmark("snapshot/bareJsonParse", bareJsonParse, &fixture->snapshotLine);
    benchmark::RegisterBenchmark("snapshot/processVexaEvent", processVexaEvent, &fixture->snapshot);
    benchmark::RegisterBenchmark("snapshot/lineToScreen", lineToScreen, &fixture->snapshotLine);
    benchmark::RegisterBenchmark("violationListing/bareJsonParse", bareJsonParse, &fixture->listingLine);
    benchmark::RegisterBenchmark("violationListing/processVexaEvent", processVexaEvent, &fixture->listing);
    benchmark::RegisterBenchmark("violationListing/lineToScreen", lineToScreen, &fixture->listingLine);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initVexaResources();
    Fixture shared;
    fixture = &shared;
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
