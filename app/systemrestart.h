#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Restarting the machine, behind one seam so that tests never do it for real.
namespace SystemRestart {

struct Command
{
    QString program;
    QStringList arguments;
};

// Windows restarts at once with shutdown /r /t 0; elsewhere systemd's reboot is the usual equivalent.
Command command();

// Starts the command detached; false when it could not be started.
bool start(const Command& restart);

using Launcher = std::function<bool(const Command&)>;
// Replaces the real launcher (tests); an empty launcher restores it.
void setLauncher(Launcher launcher);

} // namespace SystemRestart
