#include "simclock.h"

#include <QDateTime>
#include <QTimer>
#include <climits>
#include <cmath>

namespace agentsim {

SimClock::SimClock(double speed) : m_speed(speed > 0 ? speed : 1.0)
{
    m_elapsed.start();
}

qint64 SimClock::nowMs() const
{
    return qint64(std::floor(double(m_elapsed.nsecsElapsed()) / 1e6 * m_speed));
}

void SimClock::after(qint64 simMs, QObject* context, std::function<void()> fn) const
{
    const double realMs = std::ceil(double(qMax<qint64>(0, simMs)) / m_speed);
    QTimer::singleShot(int(qMin<double>(realMs, INT_MAX)), context, std::move(fn));
}

qint64 SimClock::wallSecs()
{
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace agentsim
