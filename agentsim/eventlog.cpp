#include "eventlog.h"

#include <QDateTime>
#include <QFileDevice>
#include <QIODevice>
#include <QJsonDocument>

namespace agentsim {

void EventLog::write(const QString& kind, QJsonObject fields) const
{
    if (!m_device)
        return;
    fields.insert(QStringLiteral("ts"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    fields.insert(QStringLiteral("kind"), kind);
    m_device->write(QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n');
    // Unbuffered files matter when the simulator is killed at the end of a test: nothing may be lost.
    if (auto* file = qobject_cast<QFileDevice*>(m_device))
        file->flush();
}

} // namespace agentsim
