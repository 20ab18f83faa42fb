#include "otpdesk.h"

#include "simclock.h"

#include <QRandomGenerator>

namespace agentsim {

namespace {

QString key(const QString& email)
{
    return email.trimmed().toLower();
}

// Leading zeros vanish when a client sends the code as a JSON number; compare digit strings without them.
QString normalized(const QString& code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return {};
    for (QChar c : trimmed) {
        if (!c.isDigit())
            return {};
    }
    int first = 0;
    while (first < trimmed.size() - 1 && trimmed.at(first) == QLatin1Char('0'))
        ++first;
    return trimmed.mid(first);
}

} // namespace

int OtpDesk::secondsUntil(qint64 simMs) const
{
    const qint64 left = simMs - m_clock.nowMs();
    return left <= 0 ? 0 : int((left + 999) / 1000);
}

bool OtpDesk::blocked(const Session& session) const
{
    return session.blockedUntil >= 0 && session.blockedUntil > m_clock.nowMs();
}

OtpDesk::Issue OtpDesk::issue(const QString& email)
{
    Session& session = m_sessions[key(email)];
    Issue out;
    if (blocked(session)) {
        out.result = Issue::AttemptsBlocked;
        out.blockedSecs = secondsUntil(session.blockedUntil);
        return out;
    }
    if (session.issuedAt >= 0) {
        const int wait = secondsUntil(session.issuedAt + qint64(m_policy.resendWaitSecs) * 1000);
        if (wait > 0) {
            out.result = Issue::ResendBlocked;
            out.resendWaitSecs = wait;
            return out;
        }
    }
    // Six digits, a leading zero among them now and then, as mailed codes are: the window must get those through.
    session.code = m_policy.code.isEmpty() ? QStringLiteral("%1").arg(QRandomGenerator::global()->bounded(0, 1000000),
                                                                      6, 10, QLatin1Char('0'))
                                           : m_policy.code;
    session.issuedAt = m_clock.nowMs();
    out.code = session.code;
    out.resendWaitSecs = m_policy.resendWaitSecs;
    out.validitySecs = m_policy.validitySecs;
    return out;
}

OtpDesk::Verdict OtpDesk::verify(const QString& email, const QString& typed)
{
    Session& session = m_sessions[key(email)];
    Verdict out;
    if (blocked(session)) {
        out.result = Verdict::Blocked;
        out.blockedSecs = secondsUntil(session.blockedUntil);
        return out;
    }
    const bool valid = session.issuedAt >= 0 &&
                       m_clock.nowMs() < session.issuedAt + qint64(m_policy.validitySecs) * 1000 &&
                       !normalized(typed).isEmpty() && normalized(typed) == normalized(session.code);
    if (valid) {
        m_sessions.remove(key(email));
        out.result = Verdict::Accepted;
        return out;
    }
    if (++session.failures >= m_policy.maxAttempts) {
        session.failures = 0;
        session.blockedUntil = m_clock.nowMs() + qint64(m_policy.blockSecs) * 1000;
        out.result = Verdict::NowBlocked;
        out.blockedSecs = m_policy.blockSecs;
    }
    return out;
}

QString OtpDesk::pendingCode(const QString& email) const
{
    return m_sessions.value(key(email)).code;
}

} // namespace agentsim
