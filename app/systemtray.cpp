#include "app/systemtray.h"

#include <QSystemTrayIcon>

namespace SystemTray {

namespace {
std::optional<bool>& availableOverride()
{
    static std::optional<bool> available;
    return available;
}

MessageRecorder& recorder()
{
    static MessageRecorder messages;
    return messages;
}
} // namespace

bool isAvailable()
{
    return availableOverride().value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void showMessage(QSystemTrayIcon& icon, const QString& title, const QString& text, int milliseconds)
{
    if (recorder()) {
        recorder()(title, text, milliseconds);
        return;
    }
    icon.showMessage(title, text, QSystemTrayIcon::NoIcon, milliseconds);
}

void setAvailable(std::optional<bool> available)
{
    availableOverride() = available;
}

void setMessageRecorder(MessageRecorder messages)
{
    recorder() = std::move(messages);
}

} // namespace SystemTray
