// Feeds arbitrary bytes to everything that reads agent messages: the JSON decoding of a line and both parsers.
// Run: build/fuzz/fuzz_agent_message -max_len=65536 tests/fixtures
#include "agent/messageparser.h"

#include <QJsonDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QJsonDocument document = QJsonDocument::fromJson(QString::fromUtf8(line).toUtf8());
    if (!document.isObject())
        return 0;
    const AgentInfo info = parseAgentInfo(document.object());
    const Response response = parseResponse(document.object());
    return info.activationState == 42 && response.code == 42 ? 1 : 0;
}
