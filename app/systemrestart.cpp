#include "app/systemrestart.h"

#include <QProcess>

namespace SystemRestart {

namespace {
Launcher& replacement()
{
    static Launcher launcher;
    return launcher;
}
} // namespace

Command command()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("shutdown"), {QStringLiteral("/r"), QStringLiteral("/t"), QStringLiteral("0")}};
#else
    return {QStringLiteral("systemctl"), {QStringLiteral("reboot")}};
#endif
}

void start(const Command& restart, QObject* context, std::function<void()> failed)
{
    if (replacement()) {
        if (!replacement()(restart))
            failed();
        return;
    }
    // Run as a child rather than detached: only its exit status tells whether the system accepted the restart.
    auto* process = new QProcess(context);
    QObject::connect(process, &QProcess::errorOccurred, context, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash also ends in finished()
        process->deleteLater();
        failed();
    });
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), context,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                     });
    process->start(restart.program, restart.arguments);
}

void setLauncher(Launcher launcher)
{
    replacement() = std::move(launcher);
}

} // namespace SystemRestart
