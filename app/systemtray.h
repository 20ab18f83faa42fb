#pragma once

#include <QString>
#include <functional>
#include <optional>

// The desktop's tray, behind one seam: tests decide whether there is one, and see the notices that would reach the
// desktop instead of depending on its notification service.
namespace SystemTray {

// A tray to hide the window in: a StatusNotifierItem host, or the classic tray. Follows hosts that come and go.
bool isAvailable();
// Starts following StatusNotifierItem hosts on the session bus; the answer arrives a moment later.
void watchHosts();

// Tests: a tray that exists or not; an empty value asks the desktop again.
void setAvailable(std::optional<bool> available);

using MessageRecorder = std::function<void(const QString& title, const QString& text, int milliseconds)>;
// Tests: notices go to the recorder instead of the desktop; an empty recorder restores the desktop.
void setMessageRecorder(MessageRecorder recorder);
// Hands the notice to the recorder when a test has set one; false when it should go to the desktop.
bool recordMessage(const QString& title, const QString& text, int milliseconds);

} // namespace SystemTray
