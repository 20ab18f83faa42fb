#include "status/resumewatch.h"

ResumeWatch::ResumeWatch(const QDBusConnection& bus, QObject* parent) : QObject(parent)
{
    // QtDBus connects bus signals by name only. Without a system bus (a container) there is no resume to hear.
    QDBusConnection(bus).connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                                 QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                                 this, SLOT(prepareForSleep(bool)));
}

void ResumeWatch::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
