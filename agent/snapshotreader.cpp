#include "agent/snapshotreader.h"

#include "agent/messageparser.h"

const AgentInfo& SnapshotReader::read(const QJsonObject& message)
{
    const QJsonObject json = message.value(QLatin1String("agentinfo")).toObject();
    if (!hasRead || json != lastJson) {
        lastInfo = parseAgentInfo(message);
        lastJson = json;
        hasRead = true;
    }
    return lastInfo;
}
