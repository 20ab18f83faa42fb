#include "qrissuer.h"

#include "simclock.h"

#include <QRandomGenerator>

namespace agentsim {

QrIssuer::QrIssuer(const SimClock& clock, const QString& baseUrl, qint64 scanDelayMs)
    : m_clock(clock), m_baseUrl(baseUrl), m_scanDelayMs(scanDelayMs)
{}

QString QrIssuer::current()
{
    if (m_current.isEmpty())
        return regenerate();
    return m_current;
}

QString QrIssuer::regenerate()
{
    if (!m_current.isEmpty())
        m_retired.insert(stripped(m_current));
    // Crockford base32 without the look-alike letters, in groups of four as enrollment tokens usually are.
    static const char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    QString token;
    for (int i = 0; i < 16; ++i) {
        if (i > 0 && i % 4 == 0)
            token += QLatin1Char('-');
        token += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(32)]);
    }
    m_current = m_baseUrl + token;
    m_issuedAt = m_clock.nowMs();
    m_scanned = false;
    return m_current;
}

void QrIssuer::reset()
{
    if (!m_current.isEmpty())
        m_retired.insert(stripped(m_current));
    m_current.clear();
    m_scanned = false;
}

QrIssuer::Match QrIssuer::match(const QString& code) const
{
    const QString given = stripped(code);
    if (!m_current.isEmpty() && given == stripped(m_current))
        return Current;
    return m_retired.contains(given) ? Retired : Unknown;
}

bool QrIssuer::scanned() const
{
    return m_scanned || m_clock.nowMs() - m_issuedAt >= m_scanDelayMs;
}

QString QrIssuer::wireForm(const QString& code, bool backslashes)
{
    if (!backslashes)
        return code;
    QString out = code;
    return out.replace(QLatin1Char('/'), QStringLiteral("\\/"));
}

QString QrIssuer::stripped(const QString& code)
{
    QString out = code;
    return out.remove(QLatin1Char('\\'));
}

} // namespace agentsim
