#pragma once

#include <QString>

// Opens a web address that came from the agent link. The local port can be taken by any process while the agent is
// down, so only http and https go to the desktop's handler; file paths and other schemes are ignored.
bool openWebLinkFromAgent(const QString& address);
