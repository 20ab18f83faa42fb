#pragma once

#include <QTime>
#include <QtGlobal>

// The one-second countdowns of the email and OTP screens keep their remaining time as a clock time.
namespace Countdown {

constexpr int tickMs = 1000;
inline const QTime zero(0, 0);

// A clock time counts the duration down, so it wraps at 24 hours. A negative duration from the agent means no wait
// at all rather than a wait of almost a day.
inline QTime from(qint64 seconds)
{
    constexpr qint64 secondsPerDay = 86400;
    return seconds > 0 ? zero.addSecs(int(seconds % secondsPerDay)) : zero;
}

} // namespace Countdown
