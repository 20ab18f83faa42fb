#pragma once

#include <QJsonObject>
#include <QString>

class QIODevice;

namespace agentsim {

// One JSON object per line for everything that crosses the wire or happens inside the simulator, so that tests
// and people can replay a session. Every entry carries "ts" (UTC, milliseconds) and "kind".
class EventLog
{
public:
    explicit EventLog(QIODevice* device = nullptr) : m_device(device) {}

    void setDevice(QIODevice* device) { m_device = device; }
    void write(const QString& kind, QJsonObject fields = {}) const;

private:
    QIODevice* m_device;
};

} // namespace agentsim
