#pragma once

#include "scenario.h"

#include <QHash>
#include <QString>

namespace agentsim {

class SimClock;

// One-time passwords "mailed" per email address: issue with a resend wait, expiry, and a block after too many
// wrong attempts. All times are simulated; the durations reported back are whole seconds, rounded up.
class OtpDesk
{
public:
    OtpDesk(const SimClock& clock, const OtpPolicy& policy) : m_clock(clock), m_policy(policy) {}

    struct Issue
    {
        enum Result
        {
            Sent,
            ResendBlocked,
            AttemptsBlocked
        } result = Sent;
        QString code;           // when sent
        int resendWaitSecs = 0; // Sent: the full wait; ResendBlocked: what is left of it
        int validitySecs = 0;
        int blockedSecs = 0;
    };
    Issue issue(const QString& email);

    struct Verdict
    {
        enum Result
        {
            Accepted,
            Wrong,      // wrong, expired, or never issued
            NowBlocked, // this wrong attempt used up the last one
            Blocked     // attempts are blocked already
        } result = Wrong;
        int blockedSecs = 0;
    };
    // `typed` is compared as a number, so "012345", "12345" and 12345 all match an issued 012345.
    Verdict verify(const QString& email, const QString& typed);

    QString pendingCode(const QString& email) const;
    void clear() { m_sessions.clear(); }

private:
    struct Session
    {
        QString code;
        qint64 issuedAt = -1;
        int failures = 0;
        qint64 blockedUntil = -1;
    };

    int secondsUntil(qint64 simMs) const;
    bool blocked(const Session& session) const;

    const SimClock& m_clock;
    OtpPolicy m_policy;
    QHash<QString, Session> m_sessions;
};

} // namespace agentsim
