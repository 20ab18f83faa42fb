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

bool start(const Command& restart)
{
    if (replacement())
        return replacement()(restart);
    return QProcess::startDetached(restart.program, restart.arguments);
}

void setLauncher(Launcher launcher)
{
    replacement() = std::move(launcher);
}

} // namespace SystemRestart
