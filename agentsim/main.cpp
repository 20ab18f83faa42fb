#include "chaosplayer.h"
#include "commands.h"
#include "eventlog.h"
#include "scenario.h"
#include "simagent.h"
#include "simclock.h"
#include "simserver.h"
#include "stdinreader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTextStream>

using namespace agentsim;

namespace {

// The service-ID edition's port; the other editions use 8002 (give --port or a scenario that sets "port").
constexpr quint16 DefaultPort = 8004;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void print(const QString& text)
{
    if (!text.isEmpty())
        out() << text << Qt::endl;
}

const QString chaosDescription = QStringLiteral(
    "seeded random history of every message, malformed lines, late, missing and double answers, link drops, "
    "listener restarts, silence and bursts (--seed, --duration, --replay, --wire)");

bool openLog(QFile& file, const QString& name)
{
    if (name.isEmpty() || name == QLatin1String("-"))
        return file.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    file.setFileName(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
}

QList<ChaosStep> readReplay(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<ChaosStep> steps;
    while (!file.atEnd()) {
        const QJsonObject entry = QJsonDocument::fromJson(file.readLine()).object();
        if (entry.value(QLatin1String("kind")).toString() == QLatin1String("step"))
            if (const auto step = ChaosStep::fromJson(entry))
                steps.append(*step);
    }
    if (steps.isEmpty())
        *error = QStringLiteral("no steps in it");
    return steps;
}

// The chaos scenario has no state machine of the agent behind it: it plays lines at the window and answers as the
// step in force says, so it is run on its own.
int playChaos(QCoreApplication& app, const QCommandLineParser& parser, const QCommandLineOption& seedOption,
              const QCommandLineOption& durationOption, const QCommandLineOption& replayOption,
              const QCommandLineOption& wireOption, const QCommandLineOption& logOption,
              const QCommandLineOption& portOption)
{
    QTextStream err(stderr);
    bool seedValid = false;
    bool durationValid = false;
    const quint64 seed = parser.value(seedOption).toULongLong(&seedValid);
    const int seconds = parser.value(durationOption).toInt(&durationValid);
    if (!seedValid || !durationValid || seconds <= 0 || seconds > 7 * 24 * 3600) {
        err << "vexa-agent-sim: --seed needs a whole number, --duration seconds above 0" << Qt::endl;
        return 2;
    }
    QString error;
    QList<ChaosStep> replay;
    if (parser.isSet(replayOption)) {
        replay = readReplay(parser.value(replayOption), &error);
        if (replay.isEmpty()) {
            err << "vexa-agent-sim: cannot replay " << parser.value(replayOption) << ": " << error << Qt::endl;
            return 2;
        }
    }
    QFile logFile;
    QFile wireFile;
    if (!openLog(logFile, parser.value(logOption)) ||
        (parser.isSet(wireOption) && !openLog(wireFile, parser.value(wireOption)))) {
        err << "vexa-agent-sim: cannot write the log" << Qt::endl;
        return 2;
    }
    const EventLog log(&logFile);
    ChaosPlayer player(seed, seconds * 1000, replay, log, wireFile.isOpen() ? &wireFile : nullptr);
    const quint16 port = parser.isSet(portOption) ? quint16(parser.value(portOption).toUInt()) : DefaultPort;
    if (!player.listen(port, &error)) {
        err << "vexa-agent-sim: cannot listen on 127.0.0.1:" << port << ": " << error << Qt::endl;
        return 1;
    }
    print(QStringLiteral("listening 127.0.0.1:%1").arg(player.port()));
    print(QStringLiteral("scenario chaos: seed %1, %2")
              .arg(seed)
              .arg(replay.isEmpty() ? QStringLiteral("%1 s").arg(seconds)
                                    : QStringLiteral("replay of %1 steps").arg(replay.size())));
    log.write(QStringLiteral("scenario"), {{QStringLiteral("name"), QStringLiteral("chaos")},
                                           {QStringLiteral("seed"), QString::number(seed)},
                                           {QStringLiteral("duration_s"), seconds},
                                           {QStringLiteral("replay_steps"), int(replay.size())}});
    QObject::connect(&player, &ChaosPlayer::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    player.start();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexa-agent-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stand-in for the local agent service: speaks the agent protocol on 127.0.0.1 and plays a scenario."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("TCP port on 127.0.0.1 (default: the scenario's, else 8004; 0 picks a free one)."),
        QStringLiteral("N"));
    const QCommandLineOption scenarioOption(QStringLiteral("scenario"),
                                            QStringLiteral("Scenario file, or name of a built-in scenario."),
                                            QStringLiteral("FILE|NAME"), QStringLiteral("default"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Write the JSON-lines log to FILE instead of standard error."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption speedOption(QStringLiteral("speed"),
                                         QStringLiteral("Run simulated time F times faster (all delays divided by F)."),
                                         QStringLiteral("F"), QStringLiteral("1"));
    const QCommandLineOption delayOption(
        QStringLiteral("answer-delay"),
        QStringLiteral("Answer every request MS milliseconds late, in real time (console: delay MS)."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Scenario chaos: the seed its random history is drawn from."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption durationOption(QStringLiteral("duration"),
                                            QStringLiteral("Scenario chaos: play for S seconds, then exit."),
                                            QStringLiteral("S"), QStringLiteral("60"));
    const QCommandLineOption replayOption(
        QStringLiteral("replay"),
        QStringLiteral("Scenario chaos: play the \"step\" entries of a chaos log FILE again."), QStringLiteral("FILE"));
    const QCommandLineOption wireOption(
        QStringLiteral("wire"), QStringLiteral("Scenario chaos: write the head of every line each way to FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption listOption(QStringLiteral("list-scenarios"),
                                        QStringLiteral("List the built-in scenarios and exit."));
    parser.addOptions({portOption, scenarioOption, logOption, speedOption, delayOption, seedOption, durationOption,
                       replayOption, wireOption, listOption});
    parser.process(app);

    QTextStream err(stderr);
    if (parser.isSet(listOption)) {
        for (const QString& name : Scenario::builtinNames()) {
            QString error;
            const auto scenario = Scenario::load(name, &error);
            print(QStringLiteral("%1  %2").arg(name, -26).arg(scenario ? scenario->description : error));
        }
        print(QStringLiteral("%1  %2").arg(QStringLiteral("chaos"), -26).arg(chaosDescription));
        return 0;
    }

    bool valid = false;
    const double speed = parser.value(speedOption).toDouble(&valid);
    if (!valid || speed <= 0 || speed > 1e6) {
        err << "vexa-agent-sim: --speed needs a number above 0" << Qt::endl;
        return 2;
    }
    const int answerDelayMs = parser.value(delayOption).toInt(&valid);
    if (!valid || answerDelayMs < 0 || answerDelayMs > Commands::maxAnswerDelayMs) {
        err << "vexa-agent-sim: --answer-delay needs milliseconds from 0 to " << Commands::maxAnswerDelayMs << Qt::endl;
        return 2;
    }
    if (parser.value(scenarioOption) == QLatin1String("chaos") || parser.isSet(replayOption))
        return playChaos(app, parser, seedOption, durationOption, replayOption, wireOption, logOption, portOption);

    QString error;
    const auto scenario = Scenario::load(parser.value(scenarioOption), &error);
    if (!scenario) {
        err << "vexa-agent-sim: " << error << Qt::endl;
        return 2;
    }
    quint16 port = scenario->port > 0 ? quint16(scenario->port) : DefaultPort;
    if (parser.isSet(portOption)) {
        const uint value = parser.value(portOption).toUInt(&valid);
        if (!valid || value > 65535) {
            err << "vexa-agent-sim: --port needs a number from 0 to 65535" << Qt::endl;
            return 2;
        }
        port = quint16(value);
    }

    QFile logFile;
    if (parser.isSet(logOption) && parser.value(logOption) != QLatin1String("-")) {
        logFile.setFileName(parser.value(logOption));
        if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            err << "vexa-agent-sim: cannot write " << logFile.fileName() << ": " << logFile.errorString() << Qt::endl;
            return 2;
        }
    } else if (!logFile.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return 2;
    }
    const EventLog log(&logFile);

    const SimClock clock(speed);
    SimAgent agent(*scenario, clock);
    SimServer server(agent, log);
    Commands commands(agent, &server);
    server.setAnswerDelay(answerDelayMs);
    if (!server.listen(port, &error)) {
        err << "vexa-agent-sim: cannot listen on 127.0.0.1:" << port << ": " << error << Qt::endl;
        return 1;
    }
    // The first line is for whoever started the simulator with --port 0.
    print(QStringLiteral("listening 127.0.0.1:%1").arg(server.port()));
    print(QStringLiteral("scenario %1: %2").arg(scenario->name, scenario->description));
    print(QStringLiteral("type help for the console commands"));
    log.write(QStringLiteral("scenario"), {{QStringLiteral("name"), scenario->name}, {QStringLiteral("speed"), speed}});

    QObject::connect(&agent, &SimAgent::noted, &app, [&log](const QString& text, const QJsonObject& details) {
        print(QStringLiteral("# ") + text);
        QJsonObject entry = details;
        entry.insert(QStringLiteral("text"), text);
        log.write(QStringLiteral("event"), entry);
    });
    QObject::connect(&commands, &Commands::output, &app, [&log](const QString& text) {
        print(text);
        log.write(QStringLiteral("console"), {{QStringLiteral("output"), text}});
    });
    QObject::connect(&commands, &Commands::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    StdinReader console;
    QObject::connect(&console, &StdinReader::lineRead, &app, [&commands, &log](const QString& line) {
        const QString answer = commands.run(line);
        print(answer);
        if (!line.trimmed().isEmpty())
            log.write(QStringLiteral("console"),
                      {{QStringLiteral("command"), line.trimmed()}, {QStringLiteral("output"), answer}});
    });

    agent.start();
    commands.scheduleScenarioEvents();
    return app.exec();
}
