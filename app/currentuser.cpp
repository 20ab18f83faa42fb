#include "app/currentuser.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
QString& storedUserName()
{
    static QString name;
    return name;
}
} // namespace

QString currentUserName()
{
    return storedUserName();
}

void setCurrentUserName(const QString& name)
{
    storedUserName() = name;
}

QString systemUserName()
{
    const QString fromUsername = QString::fromUtf8(qgetenv("USERNAME"));
#ifdef Q_OS_WIN
    return fromUsername;
#else
    if (!fromUsername.isEmpty())
        return fromUsername;
    const QString fromUser = QString::fromUtf8(qgetenv("USER"));
    if (!fromUser.isEmpty())
        return fromUser;
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromUtf8(entry->pw_name);
    return {};
#endif
}
