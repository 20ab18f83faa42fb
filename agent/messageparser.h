#pragma once

#include "agent/records.h"

#include <QByteArray>
#include <QJsonObject>
#include <optional>

// Readers of the agent's messages. Missing keys and values of the wrong JSON type read as 0, false or an empty
// string; integers that are not whole numbers within 32 bits read as 0.

// The snapshot under "agentinfo"; a message without one reads as a device that is not activated.
AgentInfo parseAgentInfo(const QJsonObject& message);

// The reply payload under "response", with its listings; the QR code loses every backslash.
Response parseResponse(const QJsonObject& message);

// The JSON object one line from the agent carries; nothing when the line is not a JSON object. Bytes that are not
// UTF-8 read as U+FFFD, and a NUL byte ends the line.
std::optional<QJsonObject> messageObjectFromLine(const QByteArray& line);
