#pragma once

#include <QProcess>
#include <QTest>

// The stand-in agent executable on a free port with its delays shortened, and its console. Tests that use it are
// built with VEXA_AGENT_SIM naming the executable.
class StandInAgent
{
    static constexpr int startAndAnswerMs = 10000;

public:
    explicit StandInAgent(const QString& scenario)
    {
        process.start(QStringLiteral(VEXA_AGENT_SIM),
                      {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--speed"), QStringLiteral("20"),
                       QStringLiteral("--scenario"), scenario});
        if (!QTest::qWaitFor([this] { return process.canReadLine(); }, startAndAnswerMs))
            return;
        const QByteArray first = process.readLine().trimmed(); // "listening 127.0.0.1:PORT"
        port = static_cast<quint16>(first.mid(first.lastIndexOf(':') + 1).toUInt());
    }
    ~StandInAgent()
    {
        process.kill();
        process.waitForFinished();
    }
    // Runs a console command and returns its answer line ("ok: ..." or "error: ...").
    QByteArray command(const QByteArray& line)
    {
        process.write(line + '\n');
        QByteArray answer;
        const bool answered = QTest::qWaitFor(
            [&] {
                while (process.canReadLine()) {
                    answer = process.readLine();
                    if (answer.startsWith("ok:") || answer.startsWith("error:"))
                        return true;
                }
                return false;
            },
            startAndAnswerMs);
        return answered ? answer : QByteArray();
    }

    QProcess process;
    quint16 port = 0;
};
