#pragma once

#include <QString>

class QUrl;
class QWidget;

// Opens a web address that came from the agent link. The local port can be taken by any process while the agent is
// down, so only http and https go to the desktop's handler; file paths and other schemes are ignored. With a
// `parent`, an address no handler opened is shown to be copied (see openLink).
bool openWebLinkFromAgent(const QString& address, QWidget* parent = nullptr);

// Opens the address in the desktop's handler. A desktop without one (no browser installed, a bare window manager)
// would otherwise do nothing visible: a box then shows the address (a folder's path), selectable, with a button that
// copies it.
void openLink(const QUrl& url, QWidget* parent);
