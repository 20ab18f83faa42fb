// How fast agent messages are turned into what the window shows. The agent sends its whole state with every
// message, so a busy agent means a flood of near-identical snapshots; the figure to compare against is the bare JSON
// parse of the same bytes. Each group runs its bare parse first, then the same lines from the link to the screen:
//   snapshot/changed      full snapshots whose secure-connection status alternates, so every one changes the screen
//   snapshot/equal        the same line again and again: nothing on the screen changes
//   snapshot/equalOther   snapshots equal to the one before in other bytes (a key the window does not read differs)
//   violationListing      a compliance listing of 40 programs; `lineToScreen` with the settings page elsewhere (the
//                         answer is not awaited and only the snapshot counts), `lineToShownList` with the
//                         notifications screen in front, laid out and painted
#include "agent/vexaintf.h"
#include "app/startup.h"
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "support/supportlog.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStackedWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

QJsonObject fullSnapshot()
{
    QFile file(QStringLiteral(VEXAUI_SNAPSHOT_FIXTURE));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject withSecconnStatus(QJsonObject message, int status)
{
    QJsonObject agentinfo = message.value(QLatin1String("agentinfo")).toObject();
    QJsonObject features = agentinfo.value(QLatin1String("features")).toObject();
    QJsonObject secconn = features.value(QLatin1String("secconn")).toObject();
    secconn.insert(QStringLiteral("status"), status);
    features.insert(QStringLiteral("secconn"), secconn);
    agentinfo.insert(QStringLiteral("features"), features);
    message.insert(QStringLiteral("agentinfo"), agentinfo);
    return message;
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

// Lines fed in turn, one per iteration.
using Lines = std::vector<QByteArray>;

struct Fixture
{
    Fixture() : link(1)
    {
        vexaintf::setInstance(&link);
        // As the program wires it: every message is kept, redacted, for the support report.
        SupportLog::instance()->watch(&link);
        window = std::make_unique<MainWindow>();
        const QJsonObject snapshot = fullSnapshot();
        changed = {lineOf(withSecconnStatus(snapshot, 2)), lineOf(withSecconnStatus(snapshot, 4))};
        equal = {lineOf(snapshot)};
        QJsonObject other = snapshot;
        other.insert(QStringLiteral("update_type"), 1);
        equalOther = {lineOf(snapshot), lineOf(other)};
        // Two lines of the same listing that differ in a key the window does not read, so that each is parsed.
        QJsonObject otherListing = violationListing();
        otherListing.insert(QStringLiteral("update_type"), 1);
        listing = {lineOf(violationListing()), lineOf(otherListing)};
    }
    vexaintf link; // port 1: nothing listens, nothing is sent
    std::unique_ptr<MainWindow> window;
    Lines changed;
    Lines equal;
    Lines equalOther;
    Lines listing;
};

Fixture* fixture = nullptr;

qint64 bytesOf(const Lines& lines, qint64 iterations)
{
    qint64 total = 0;
    for (const QByteArray& line : lines)
        total += line.size();
    return total * iterations / qint64(lines.size());
}

void bareJsonParse(benchmark::State& state, const Lines* lines)
{
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(QJsonDocument::fromJson((*lines)[next]));
        next = (next + 1) % lines->size();
    }
    state.SetBytesProcessed(bytesOf(*lines, state.iterations()));
}

void lineToScreen(benchmark::State& state, const Lines* lines)
{
    size_t next = 0;
    for (auto _ : state) {
        fixture->link.event_notify((*lines)[next]);
        next = (next + 1) % lines->size();
    }
    state.SetBytesProcessed(bytesOf(*lines, state.iterations()));
}

// What the support log alone adds to each line on arrival, as the link hands it over.
void supportLog(benchmark::State& state, const Lines* lines)
{
    std::vector<QJsonObject> messages;
    for (const QByteArray& line : *lines)
        messages.push_back(QJsonDocument::fromJson(line).object());
    SupportLog log;
    size_t next = 0;
    for (auto _ : state) {
        log.recordMessageLine((*lines)[next], messages[next]);
        next = (next + 1) % lines->size();
    }
    state.SetBytesProcessed(bytesOf(*lines, state.iterations()));
}

// The window in front on the notifications screen, which takes every listing as its answer, lays it out and paints.
void lineToShownList(benchmark::State& state, const Lines* lines)
{
    MainWindow& window = *fixture->window;
    auto* settings = window.findChild<Settings*>();
    window.findChild<QStackedWidget*>(QStringLiteral("screenStack"))->setCurrentWidget(settings);
    window.show();
    settings->goNotification();
    QCoreApplication::processEvents();
    size_t next = 0;
    for (auto _ : state) {
        fixture->link.event_notify((*lines)[next]);
        QCoreApplication::processEvents();
        next = (next + 1) % lines->size();
    }
    state.SetBytesProcessed(bytesOf(*lines, state.iterations()));
    settings->goSettings();
    window.hide();
    QCoreApplication::processEvents();
}

void registerBenchmarks()
{
    const struct
    {
        const char* group;
        const Lines* lines;
    } groups[] = {{"snapshot/changed", &fixture->changed},
                  {"snapshot/equal", &fixture->equal},
                  {"snapshot/equalOther", &fixture->equalOther},
                  {"violationListing", &fixture->listing}};
    for (const auto& group : groups) {
        const std::string name = group.group;
        benchmark::RegisterBenchmark((name + "/bareJsonParse").c_str(), bareJsonParse, group.lines);
        benchmark::RegisterBenchmark((name + "/lineToScreen").c_str(), lineToScreen, group.lines);
        benchmark::RegisterBenchmark((name + "/supportLog").c_str(), supportLog, group.lines);
    }
    benchmark::RegisterBenchmark("violationListing/lineToShownList", lineToShownList, &fixture->listing);
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
