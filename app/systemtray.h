#pragma once

#include <QString>
#include <functional>
#include <optional>

class QSystemTrayIcon;

// The desktop's system tray, behind one seam: tests decide whether there is one, and see the balloon messages that
// would pop up instead of depending on the platform.
namespace SystemTray {

bool isAvailable();
void showMessage(QSystemTrayIcon& icon, const QString& title, const QString& text, int milliseconds);

// Tests: a tray that exists or not; an empty value asks the platform again.
void setAvailable(std::optional<bool> available);

using MessageRecorder = std::function<void(const QString& title, const QString& text, int milliseconds)>;
// Tests: messages go to the recorder instead of the tray; an empty recorder restores the tray.
void setMessageRecorder(MessageRecorder recorder);

} // namespace SystemTray
