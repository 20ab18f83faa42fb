#pragma once

#include <QElapsedTimer>
#include <QtGlobal>
#include <functional>

class QObject;

namespace agentsim {

// Simulated time runs `speed` times faster than the wall clock, so that tests walk through multi-second
// scenarios in milliseconds while every duration that crosses the wire keeps its nominal value.
class SimClock
{
public:
    explicit SimClock(double speed = 1.0);

    double speed() const { return m_speed; }
    // Simulated milliseconds since the clock was created.
    qint64 nowMs() const;
    // Runs fn once, simMs simulated milliseconds from now, unless context is destroyed first.
    void after(qint64 simMs, QObject* context, std::function<void()> fn) const;
    static qint64 wallSecs();

private:
    double m_speed;
    QElapsedTimer m_elapsed;
};

} // namespace agentsim
