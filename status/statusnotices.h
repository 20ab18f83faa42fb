#pragma once

#include "status/desktopnotices.h"
#include "status/statusmodel.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QTimer;

// Tells the user, once per change, what changed without their doing: protection dropping, the application service
// gone for a while and back, the device approved. Each kind is said at most once in 30 seconds, so a flapping link
// or tunnel does not bury the desktop in notices; what comes within those seconds waits for their end instead of
// being lost, and only the latest word of its topic is said then.
class StatusNotices : public QObject
{
    Q_OBJECT
public:
    static constexpr int unavailableNoticeDelayMs = 10000;
    static constexpr qint64 sameKindIntervalMs = 30000;

    explicit StatusNotices(StatusModel* model, QObject* parent = nullptr);

    // Tests: a clock of their own in milliseconds, instead of the monotonic one.
    void setClock(std::function<qint64()> clock);

signals:
    void notice(NoticeKind kind, const QString& text);

private:
    struct Held
    {
        NoticeKind kind = NoticeKind::ProtectionDropped;
        QString text;
    };

    void statusChanged(const Status& previous, const Status& now);
    void outageLasted();
    void tell(NoticeKind kind, const QString& text);
    void tellHeld(int topic);

    StatusModel* model;
    std::function<qint64()> now;
    // When each kind was last told, and which kind of each topic the user heard last.
    QHash<int, qint64> lastTold;
    QHash<int, NoticeKind> lastKindOf;
    // Per topic, the latest notice that came too soon after its kind's last, and the timer for its turn.
    QHash<int, Held> held;
    QHash<int, QPointer<QTimer>> holdTimers;
    QPointer<QTimer> unavailableTimer;
    bool unavailableTold = false;
};
