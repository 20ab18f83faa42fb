// Holds or tries the single-instance slot for a key, so tests can play two real processes against each other.
//   runguard_probe hold KEY  -> prints "owner" or "refused"; while owning, prints "show" for each show request it is
//   woken for runguard_probe try KEY   -> prints "owner" or "refused" and exits
#include "app/runguard.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    QTextStream out(stdout);
    RunGuard guard(args.at(2));
    const bool owner = guard.tryToRun();
    out << (owner ? "owner" : "refused") << Qt::endl;
    if (args.at(1) != QLatin1String("hold") || !owner)
        return 0;
    QObject::connect(guard.doorbell(), &InstanceDoorbell::rung, &app, [&] {
        if (guard.takeShowRequest())
            out << "show" << Qt::endl;
    });
    return app.exec();
}
