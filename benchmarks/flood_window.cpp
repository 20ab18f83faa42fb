// A flood of agent snapshots over loopback into the real window: a generator thread plays the agent on a free
// loopback port and, once the window has subscribed, sends N full snapshots whose secure-connection status alternates
// between connected and not connected, as fast as the socket takes them. The window reads them through its own
// transport and shows each one, as it would from the agent. Printed: the messages per second the window processed,
// next to the rate at which the same lines can merely be parsed in this process, and whether the screen shows the
// last snapshot (headline, switch, session rows, tray state) once the flood is over.
//   flood_window [--messages N]        (scripts/measure-flood runs it under a virtual X server)
#include "agent/vexaintf.h"
#include "app/startup.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/secconnstatus.h"
#include "status/traystatus.h"
#include "support/supportlog.h"

#include <KStatusNotifierItem>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// The full snapshot of the tests' fixture, pushed as the agent pushes a change, with nothing that needs attention:
// so the tray follows the switch between on and off as well.
QJsonObject snapshotWithStatus(int status)
{
    QFile file(QStringLiteral(VEXAUI_SNAPSHOT_FIXTURE));
    file.open(QIODevice::ReadOnly);
    QJsonObject message = QJsonDocument::fromJson(file.readAll()).object();
    message.insert(QStringLiteral("type"), 0);
    QJsonObject agentinfo = message.value(QLatin1String("agentinfo")).toObject();
    agentinfo.insert(QStringLiteral("ui_alerts"), QJsonObject{{QStringLiteral("agent_isolated"), false}});
    QJsonObject features = agentinfo.value(QLatin1String("features")).toObject();
    features.insert(QStringLiteral("dpminfo"), QJsonObject{{QStringLiteral("notify_violation"), false}});
    QJsonObject secconn = features.value(QLatin1String("secconn")).toObject();
    secconn.insert(QStringLiteral("status"), status);
    secconn.insert(QStringLiteral("status_user_control_disabled"), false);
    features.insert(QStringLiteral("secconn"), secconn);
    agentinfo.insert(QStringLiteral("features"), features);
    message.insert(QStringLiteral("agentinfo"), agentinfo);
    return message;
}

// Plays the agent: accepts the window's connection, waits for its subscription and sends the whole flood. Plain
// blocking sockets on a thread of its own, so that the generator never waits for the window's event loop.
class Generator
{
public:
    explicit Generator(QByteArray flood) : bytes(std::move(flood))
    {
        listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener, 1) != 0 ||
            ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            std::perror("flood_window: listen");
            std::exit(2);
        }
        boundPort = ntohs(address.sin_port);
        worker = std::thread([this] { serve(); });
    }

    ~Generator()
    {
        ::shutdown(listener, SHUT_RDWR);
        if (client >= 0)
            ::shutdown(client, SHUT_RDWR);
        worker.join();
        ::close(listener);
        if (client >= 0)
            ::close(client);
    }

    quint16 port() const { return boundPort; }

private:
    void serve()
    {
        client = ::accept(listener, nullptr, nullptr);
        if (client < 0)
            return;
        char byte = 0;
        // The subscription comes first; the flood starts once it is in.
        while (::read(client, &byte, 1) == 1 && byte != '\n') {
        }
        for (qsizetype sent = 0; sent < bytes.size();) {
            const ssize_t written = ::send(client, bytes.constData() + sent, size_t(bytes.size() - sent), 0);
            if (written <= 0)
                return;
            sent += written;
        }
        // Held open until the window is done, so that a closed link does not change what it shows.
        while (::read(client, &byte, 1) == 1) {
        }
    }

    const QByteArray bytes;
    int listener = -1;
    std::atomic<int> client{-1};
    quint16 boundPort = 0;
    std::thread worker;
};

double parseRate(const QByteArray lines[2], int count)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        const QJsonDocument document = QJsonDocument::fromJson(lines[i % 2]);
        if (!document.isObject())
            std::abort();
    }
    return count / (clock.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int messages = 20000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--messages") == 0)
            messages = qMax(2, atoi(argv[i + 1]));
    }
    initVexaResources();

    // Connected and not connected in turn; the last one sent is what the screen must show.
    const int statuses[2] = {SecconnStatus::connected, SecconnStatus::notConnected};
    const QByteArray lines[2] = {QJsonDocument(snapshotWithStatus(statuses[0])).toJson(QJsonDocument::Compact) + '\n',
                                 QJsonDocument(snapshotWithStatus(statuses[1])).toJson(QJsonDocument::Compact) + '\n'};
    QByteArray flood;
    flood.reserve(lines[0].size() * messages + messages);
    for (int i = 0; i < messages; ++i)
        flood += lines[i % 2];
    const int lastStatus = statuses[(messages - 1) % 2];

    Generator generator(flood);
    vexaintf link(generator.port());
    vexaintf::setInstance(&link);
    // As the program wires it: every message is kept, redacted, for the support report.
    SupportLog::instance()->watch(&link);
    MainWindow window;
    window.show();

    QElapsedTimer clock;
    int processed = 0;
    double seconds = 0;
    QObject::connect(&link, &vexaintf::agentConnected, &window, [&] { clock.start(); });
    // After the window's own connection: a message counts once the window has shown it.
    QObject::connect(&link, &vexaintf::sendVexaEvent, &window, [&] {
        if (++processed == messages) {
            seconds = clock.nsecsElapsed() / 1e9;
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        }
    });
    QTimer::singleShot(60000, &app, [&] {
        std::fprintf(stderr, "flood_window: only %d of %d messages arrived within 60 s\n", processed, messages);
        app.exit(1);
    });
    link.start();
    if (app.exec() != 0)
        return 1;
    // Whatever is left for the event loop (layout, paint) belongs to the screen the check looks at.
    QCoreApplication::processEvents();

    const bool connected = lastStatus == SecconnStatus::connected;
    const QString headline = window.findChild<QLabel*>(QStringLiteral("connStatus"))->text();
    const QString expected = connected ? MainWindow::tr("You're connected!") : MainWindow::tr("You're not connected");
    const bool switchRight =
        window.findChild<QSlider*>(QStringLiteral("toggleButton"))->sliderPosition() == (connected ? 1 : 0);
    // Not connected hides the tunnel's rows on the settings page; connected shows them.
    const bool rowsRight = window.findChild<QLabel*>(QStringLiteral("assignedIP"))->isVisibleTo(&window) == connected;
    const QString tip = window.findChild<TrayStatus*>()->item()->toolTipSubTitle();
    const bool trayRight = tip.contains(connected ? QStringLiteral("Frankfurt") : QStringLiteral("Secure Access off"));
    const bool screenRight = headline == expected && switchRight && rowsRight && trayRight;

    const double windowRate = processed / seconds;
    const double parsed = parseRate(lines, messages);
    std::printf("%d alternating full snapshots (%d bytes each) over loopback in %.3f s\n", messages,
                int(lines[0].size()), seconds);
    std::printf("window:      %8.0f messages/s\n", windowRate);
    std::printf("parse alone: %8.0f messages/s (in this process, same lines)\n", parsed);
    std::printf("the window takes %.2f times the parse\n", parsed / windowRate);
    std::printf("screen shows the last snapshot (%s): %s\n", connected ? "connected" : "not connected",
                screenRight ? "yes" : "NO");
    if (!screenRight)
        std::printf("  headline \"%s\", switch %s, session rows %s, tray tip \"%s\"\n", qPrintable(headline),
                    switchRight ? "right" : "wrong", rowsRight ? "right" : "wrong", qPrintable(tip));
    return screenRight ? 0 : 1;
}
