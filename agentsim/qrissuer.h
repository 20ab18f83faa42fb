#pragma once

#include <QSet>
#include <QString>

namespace agentsim {

class SimClock;

// Enrollment codes for the QR method. One code is current at a time; regenerating retires it. A code counts as
// scanned once the scan delay has passed since it was issued (or when told so), which is when an activation
// carrying it can succeed.
class QrIssuer
{
public:
    QrIssuer(const SimClock& clock, const QString& baseUrl, qint64 scanDelayMs);

    QString current(); // issues one when there is none
    QString regenerate();
    void reset();

    enum Match
    {
        Current,
        Retired,
        Unknown
    };
    // Backslashes are ignored on both sides: clients strip them from the code they were given.
    Match match(const QString& code) const;
    bool scanned() const;
    void markScanned() { m_scanned = true; }
    const QString& currentCode() const { return m_current; }

    // The code as sent: optionally with a backslash before every "/", as agents that escape twice do.
    static QString wireForm(const QString& code, bool backslashes);

private:
    static QString stripped(const QString& code);

    const SimClock& m_clock;
    QString m_baseUrl;
    qint64 m_scanDelayMs;
    QString m_current;
    qint64 m_issuedAt = 0;
    bool m_scanned = false;
    QSet<QString> m_retired;
};

} // namespace agentsim
