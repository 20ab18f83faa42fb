#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

// Restarting the machine, behind one seam so that tests never do it for real.
namespace SystemRestart {

struct Command
{
    QString program;
    QStringList arguments;
};

// Windows restarts at once with shutdown /r /t 0; elsewhere systemd's reboot is the usual equivalent.
Command command();

// Runs the command. `failed` is called (in `context`) when it could not be started or ended in failure, e.g. when
// the system's policy refused the restart; on success the machine goes down and nothing more is heard.
void start(const Command& restart, QObject* context, std::function<void()> failed);

using Launcher = std::function<bool(const Command&)>;
// Replaces the real command (tests): the launcher answers whether the restart got under way. An empty launcher
// restores the real one.
void setLauncher(Launcher launcher);

} // namespace SystemRestart
