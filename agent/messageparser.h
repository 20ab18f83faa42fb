#pragma once

#include "agent/records.h"

#include <QJsonObject>

// Readers of the agent's messages. Missing keys and values of the wrong JSON type read as 0, false or an empty
// string; integers that are not whole numbers within 32 bits read as 0.

// The snapshot under "agentinfo"; a message without one reads as a device that is not activated.
AgentInfo parseAgentInfo(const QJsonObject& message);

// The reply payload under "response", with its listings; the QR code loses every backslash.
Response parseResponse(const QJsonObject& message);
