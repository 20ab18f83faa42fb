// Feeds arbitrary bytes to everything that reads agent messages: the decoding of a line into its JSON object and
// both parsers. A line must decode as after the repair of its bytes; any difference stops the run.
// Run: build/fuzz/fuzz_agent_message -max_len=65536 tests/fixtures
#include "agent/messageparser.h"

#include <QJsonDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QJsonDocument repaired = QJsonDocument::fromJson(QString::fromUtf8(line).toUtf8());
    const std::optional<QJsonObject> decoded = messageObjectFromLine(line);
    if (decoded.has_value() != repaired.isObject())
        __builtin_trap();
    if (!decoded)
        return 0;
    if (*decoded != repaired.object())
        __builtin_trap();
    const AgentInfo info = parseAgentInfo(*decoded);
    const Response response = parseResponse(*decoded);
    return info.activationState == 42 && response.code == 42 ? 1 : 0;
}
