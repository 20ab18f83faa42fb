#pragma once

#include "agent/records.h"

#include <QJsonObject>

// Reads the snapshot every agent message carries. The agent repeats its state many times a second, and comparing
// the JSON is cheaper than reading it: a snapshot equal to the one before is not read again.
class SnapshotReader
{
public:
    const AgentInfo& read(const QJsonObject& message);

private:
    QJsonObject lastJson;
    AgentInfo lastInfo;
    bool hasRead = false;
};
