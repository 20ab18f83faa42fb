// Cuts arbitrary bytes into arbitrary chunks and sends them to the transport over a real loopback connection. However
// the stream is cut, the lines handed up must be exactly its complete lines, each with its "\n", minus the ones
// longer than the limit. The first bytes of an input choose the limit and the chunk sizes.
// Run: build-fuzz/fuzz/fuzz_line_framing CORPUS_DIR fuzz/corpus/fuzz_line_framing tests/fixtures
#include "agent/tcpsocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

namespace {

struct Link
{
    QTcpServer server;
    std::unique_ptr<tcpsocket> transport;
    QTcpSocket* agent = nullptr;
    QList<QByteArray> lines;

    Link()
    {
        server.listen(QHostAddress::LocalHost);
        transport = std::make_unique<tcpsocket>(server.serverPort());
        QObject::connect(transport.get(), &tcpsocket::event_notify,
                         [this](const QByteArray& line) { lines.append(line); });
        bool up = false;
        const QMetaObject::Connection watch =
            QObject::connect(transport.get(), &tcpsocket::connectedToBackend, [&up] { up = true; });
        transport->Connect();
        const QDeadlineTimer deadline(5000);
        while (!(up && server.hasPendingConnections()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        QObject::disconnect(watch);
        if (!up || !server.hasPendingConnections())
            std::abort();
        agent = server.nextPendingConnection();
    }
};

Link& link()
{
    static int argc = 1;
    static char name[] = "fuzz_line_framing";
    static char* argv[] = {name, nullptr};
    // Both live until exit(), which ends every fuzzing run, and are never torn down.
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    static Link* link = new Link;
    Q_UNUSED(app);
    return *link;
}

QList<QByteArray> completeLines(const QByteArray& stream, int maxLineLength)
{
    QList<QByteArray> lines;
    int start = 0;
    for (int newline = stream.indexOf('\n'); newline >= 0; newline = stream.indexOf('\n', start)) {
        if (newline - start <= maxLineLength)
            lines.append(stream.mid(start, newline - start + 1));
        start = newline + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Link& l = link();
    FuzzedDataProvider input(data, size);
    const int maxLineLength = input.ConsumeIntegralInRange<int>(0, 300);
    l.transport->setMaxLineLength(maxLineLength);
    l.lines.clear();

    QByteArray stream;
    while (input.remaining_bytes() > 0) {
        const std::string chunk = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 600));
        stream.append(chunk.data(), static_cast<int>(chunk.size()));
        l.agent->write(chunk.data(), static_cast<qint64>(chunk.size()));
        l.agent->flush();
        // Each chunk is read on its own, as separate TCP segments would be.
        QCoreApplication::processEvents();
    }
    // The closing "\n" leaves the transport clean for the next input, whatever this one left half-read. The empty line
    // after it, short enough for any limit, marks the end: once it is handed up, every byte before it has been read.
    // Waiting only for the expected count was not enough: a too-long tail still in flight then reached the next input.
    stream.append('\n');
    l.agent->write("\n\n");
    l.agent->flush();

    QList<QByteArray> expected = completeLines(stream, maxLineLength);
    expected.append(QByteArrayLiteral("\n"));
    while (l.lines.size() < expected.size())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    if (l.lines != expected) {
        std::fprintf(stderr, "framing: %d lines handed up, %d expected (limit %d)\n", int(l.lines.size()),
                     int(expected.size()), maxLineLength);
        std::abort();
    }
    return 0;
}
