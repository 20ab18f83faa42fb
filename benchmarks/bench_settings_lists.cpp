// How fast long listings reach the settings sub-screens. Each case feeds the agent's line to the window as the link
// does; the window parses it and hands the listing to the screen, which replaces its rows; the event loop then lays
// the rows out and paints what is in sight. The goal is 1,000 gateways, 1,000 peers and 5,000 findings under
// 100 ms each, growing linearly with the number of entries; `bareJsonParse` is the JSON parse of the same line. The
// support log listens to the link as in the program; `supportLog` is what it alone costs a listing on arrival (goal:
// 50 ms for 5,000 entries, the same after thousands of names as on a fresh log).
#include "agent/vexaintf.h"
#include "app/startup.h"
#include "listinggenerator.h"
#include "mainwindow/mainwindow.h"
#include "settings/notification.h"
#include "settings/pagselection.h"
#include "settings/peerdevices.h"
#include "support/supportlog.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStackedWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

QJsonObject fullSnapshot()
{
    QFile file(QStringLiteral(VEXAUI_SNAPSHOT_FIXTURE));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QByteArray listingLine(int type, const QString& key, const QJsonValue& listing)
{
    QJsonObject message = fullSnapshot();
    message.insert(QStringLiteral("type"), type);
    message.insert(QStringLiteral("response"), QJsonObject{{QStringLiteral("type"), 0}, {key, listing}});
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray gatewayLine(int count)
{
    QJsonArray pags;
    for (const agentsim::Gateway& gateway : agentsim::generatedGateways(count))
        pags.append(gateway.toListing());
    return listingLine(9, QStringLiteral("pag_listing"), QJsonObject{{QStringLiteral("pags"), pags}});
}

QByteArray peerLine(int count)
{
    return listingLine(14, QStringLiteral("peer_listing"),
                       QJsonObject{{QStringLiteral("peers"), agentsim::generatedPeers(count)}});
}

QByteArray findingLine(int count)
{
    return listingLine(12, QStringLiteral("violation_list"), agentsim::generatedFindings(count));
}

// The window and the three list screens in a stack as the settings page holds them, shown on the offscreen platform.
struct Fixture
{
    Fixture() : link(1)
    {
        vexaintf::setInstance(&link);
        SupportLog::installMessageHandler();
        SupportLog::instance()->watch(&link);
        window = std::make_unique<MainWindow>();
        stack.setStyleSheet(QStringLiteral("font: 14px \"Ubuntu\";"));
        for (QWidget* screen :
             {static_cast<QWidget*>(&pags), static_cast<QWidget*>(&findings), static_cast<QWidget*>(&peers)})
            stack.addWidget(screen);
        stack.resize(376, 699);
        stack.show();
        QObject::connect(window.get(), &MainWindow::listPags, &pags, &PagSelection::listPags);
        QObject::connect(window.get(), &MainWindow::listViolations, &findings, &Notification::listViolations);
        QObject::connect(window.get(), &MainWindow::listPeers, &peers, &PeerDevices::listPeers);
    }
    vexaintf link; // port 1: nothing listens, nothing is sent
    std::unique_ptr<MainWindow> window;
    QStackedWidget stack;
    PagSelection pags;
    Notification findings;
    PeerDevices peers;
};

Fixture* fixture = nullptr;

void lineToScreen(benchmark::State& state, QWidget* screen, QByteArray (*lineOf)(int))
{
    const QByteArray line = lineOf(int(state.range(0)));
    fixture->stack.setCurrentWidget(screen);
    for (auto _ : state) {
        fixture->link.event_notify(line);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * line.size());
}

void bareJsonParse(benchmark::State& state, QByteArray (*lineOf)(int))
{
    const QByteArray line = lineOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(line));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * line.size());
}

void supportLog(benchmark::State& state, QByteArray (*lineOf)(int))
{
    const QByteArray line = lineOf(int(state.range(0)));
    const QJsonObject message = QJsonDocument::fromJson(line).object();
    SupportLog log;
    for (auto _ : state)
        log.recordMessageLine(line, message);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * line.size());
}

void registerBenchmarks()
{
    const struct
    {
        const char* name;
        QWidget* screen;
        QByteArray (*lineOf)(int);
    } cases[] = {{"gateways", &fixture->pags, gatewayLine},
                 {"peers", &fixture->peers, peerLine},
                 {"findings", &fixture->findings, findingLine}};
    for (const auto& c : cases) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark((name + "/bareJsonParse").c_str(), bareJsonParse, c.lineOf)
            ->Arg(100)
            ->Arg(1000)
            ->Arg(5000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/lineToScreen").c_str(), lineToScreen, c.screen, c.lineOf)
            ->Arg(100)
            ->Arg(1000)
            ->Arg(2000)
            ->Arg(5000)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/supportLog").c_str(), supportLog, c.lineOf)
            ->Arg(1000)
            ->Arg(2000)
            ->Arg(5000)
            ->Unit(benchmark::kMillisecond);
    }
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
