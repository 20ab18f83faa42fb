#pragma once

#include <QString>

// The user this interface runs for: part of the single-instance key and of the agent subscription.
// Set once at start-up.
QString currentUserName();
void setCurrentUserName(const QString& name);

// The account name of the session when none is given on the command line. Windows sets USERNAME; elsewhere it is
// usually unset, so USER and then the login name stand in.
QString systemUserName();
