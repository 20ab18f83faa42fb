#include "app/systemtray.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QSystemTrayIcon>

namespace SystemTray {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");

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

// Whether a StatusNotifierItem host is there, kept up to date from the watcher's signals: asking on demand would
// block whoever asks on a bus round trip.
class HostWatch : public QObject
{
    Q_OBJECT
public:
    HostWatch() : services(watcherService, QDBusConnection::sessionBus())
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        connect(&services, &QDBusServiceWatcher::serviceOwnerChanged, this, &HostWatch::ask);
        // QtDBus connects bus signals by name only.
        for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
            bus.connect(watcherService, watcherPath, watcherService, QString::fromLatin1(signal), this, SLOT(ask()));
        ask();
    }

    bool hostRegistered = false;

public slots:
    void ask()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        auto* answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
            const QDBusPendingReply<QDBusVariant> reply = *call;
            hostRegistered = !reply.isError() && reply.value().variant().toBool();
            call->deleteLater();
        });
    }

private:
    QDBusServiceWatcher services;
};

HostWatch*& hostWatch()
{
    static HostWatch* watch = nullptr;
    return watch;
}
} // namespace

bool isAvailable()
{
    if (availableOverride())
        return *availableOverride();
    return (hostWatch() && hostWatch()->hostRegistered) || QSystemTrayIcon::isSystemTrayAvailable();
}

void watchHosts()
{
    if (!hostWatch())
        hostWatch() = new HostWatch;
}

void setAvailable(std::optional<bool> available)
{
    availableOverride() = available;
}

void setMessageRecorder(MessageRecorder messages)
{
    recorder() = std::move(messages);
}

bool recordMessage(const QString& title, const QString& text, int milliseconds)
{
    if (!recorder())
        return false;
    recorder()(title, text, milliseconds);
    return true;
}

} // namespace SystemTray

#include "systemtray.moc"
