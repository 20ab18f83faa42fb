#pragma once

#include <QDBusConnection>
#include <QObject>

// Tells when the machine wakes from suspend, as logind announces it on the system bus. Whatever the agent said
// before the sleep may be hours old by then.
class ResumeWatch : public QObject
{
    Q_OBJECT
public:
    // The bus logind speaks on; tests hand in a private one.
    explicit ResumeWatch(const QDBusConnection& bus, QObject* parent = nullptr);

signals:
    void resumed();

private slots:
    void prepareForSleep(bool sleeping);
};
