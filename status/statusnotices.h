#pragma once

#include "status/statusmodel.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QTimer;

// Tells the user, once per change, what changed without their doing: protection dropping, the application service
// gone for a while and back, the device approved. Each kind is said at most once in 30 seconds, so a flapping link
// or tunnel does not bury the desktop in balloons.
class StatusNotices : public QObject
{
    Q_OBJECT
public:
    enum class Kind
    {
        ProtectionDropped,
        ServiceUnavailable,
        ServiceBack,
        EnrollmentApproved,
    };

    static constexpr int unavailableNoticeDelayMs = 10000;
    static constexpr qint64 sameKindIntervalMs = 30000;

    explicit StatusNotices(StatusModel* model, QObject* parent = nullptr);

    // Tests: a clock of their own in milliseconds, instead of the monotonic one.
    void setClock(std::function<qint64()> clock);

signals:
    void notice(const QString& text);

private:
    void statusChanged(const Status& previous, const Status& now);
    void tell(Kind kind, const QString& text);

    StatusModel* model;
    std::function<qint64()> now;
    QHash<int, qint64> lastTold;
    QPointer<QTimer> unavailableTimer;
    bool unavailableTold = false;
};
