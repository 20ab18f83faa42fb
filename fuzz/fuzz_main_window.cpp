// Feeds agent lines into the whole window: the interface's decoding, the snapshot and response parsers, MainWindow's
// processing and every screen it hands a message to, the settings listings (types 9, 12, 14) included.
// An input is a stream of lines, played in order, so one input can walk the window through several states; the line
// "-" drops the agent link, "+" brings it back and "*" opens the window from the tray, so that it lays out and paints
// what the lines around it put on screen; after each input the window goes back to the tray, as a window left open
// would make every later input pay for a full paint. The input's length picks one of four windows, one per brand,
// which between them cover every enrollment method and edition. Timers the window starts fire at the end of each
// input instead of seconds later. The windows live for the whole run, like the real one.
// Run: build-fuzz/fuzz/fuzz_main_window -dict=fuzz/agent_message.dict CORPUS_DIR fuzz/corpus/fuzz_main_window
#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/modaldialog.h"
#include "app/startup.h"
#include "app/systemrestart.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>
#include <array>
#include <memory>

// Takes the web addresses the window would hand to the desktop, which would start a browser per input.
class UrlSink : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

namespace {

struct BrandWindow
{
    BrandProfile profile;
    std::unique_ptr<vexaintf> link;
    std::unique_ptr<MainWindow> window;
};

quint16 closedLoopbackPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

int nextAnswer = QMessageBox::Cancel;

std::array<BrandWindow, 4>& windows()
{
    static std::array<BrandWindow, 4>* all = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 1;
        static char name[] = "fuzz_main_window";
        static char* argv[] = {name, nullptr};
        // Never destroyed, like the windows: the fuzzer ends with exit(), and a QApplication torn down under live
        // windows crashes on the way out.
        new QApplication(argc, argv);
        initVexaResources();
        auto* sink = new UrlSink;
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), sink, "open");
        ModalDialog::setAnswerer([](QDialog&) { return nextAnswer; });
        SystemRestart::setLauncher([](const SystemRestart::Command&) { return true; });

        auto* created = new std::array<BrandWindow, 4>;
        const char* brands[] = {"novalume", "lumidor", "kivora", "dovrin"};
        const quint16 port = closedLoopbackPort();
        for (int i = 0; i < 4; ++i) {
            BrandWindow& w = (*created)[i];
            w.profile = brandProfileNamed(QString::fromLatin1(brands[i]));
            ScopedBrandProfile scope(w.profile);
            w.link = std::make_unique<vexaintf>(port);
            w.link->start();
            vexaintf::setInstance(w.link.get());
            w.window = std::make_unique<MainWindow>();
        }
        return created;
    }();
    return *all;
}

// What would happen seconds or minutes later happens now: status texts clear, activations are retried.
void fireSingleShots(QObject* owner)
{
    for (QTimer* timer : owner->findChildren<QTimer*>()) {
        if (timer->isSingleShot() && timer->isActive())
            timer->start(0);
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BrandWindow& w = windows()[size % 4];
    ScopedBrandProfile scope(w.profile);
    vexaintf::setInstance(w.link.get());
    nextAnswer = size % 3 == 0 ? QMessageBox::Ok : QMessageBox::Cancel;

    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<int>(size));
    for (const QByteArray& line : input.split('\n')) {
        if (line == "-")
            w.link->disconnected();
        else if (line == "+")
            w.link->connected();
        else if (line == "*")
            w.window->bringToFront();
        else if (!line.isEmpty())
            w.link->event_notify(line + '\n');
    }
    fireSingleShots(w.window.get());
    w.window->hide();
    return 0;
}

#include "fuzz_main_window.moc"
