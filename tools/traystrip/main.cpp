// Draws the tray icon of every state, at the sizes panels use on ordinary and dense screens, on a light and a dark
// panel, with the tool tip beside it; and the tray's menu. For the README: the tray itself cannot be shot on a
// virtual X server, which has none.
#include "app/screenlook.h"
#include "app/startup.h"
#include "status/statuswords.h"
#include "status/traystatus.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>

namespace {

Status statusOf(AppState state, Attention attention = Attention::None, Progress progress = Progress::None)
{
    Status status;
    status.state = state;
    status.attention = attention;
    status.progress = progress;
    status.gateway = QStringLiteral("Frankfurt 1");
    return status;
}

void drawStrip(const QString& file)
{
    const QList<Status> states{statusOf(AppState::On),
                               statusOf(AppState::Connecting, Attention::None, Progress::Connecting),
                               statusOf(AppState::SecureAccessOff),
                               statusOf(AppState::NeedsAttention, Attention::ComplianceFindings),
                               statusOf(AppState::SignInNeeded),
                               statusOf(AppState::ApprovalPending),
                               statusOf(AppState::NotEnrolled),
                               statusOf(AppState::AgentUnavailable),
                               statusOf(AppState::PortHeldByOther)};
    const QList<int> sizes{16, 22, 24, 32, 44, 48};
    const int rowHeight = 56;
    const int panelWidth = 330;
    QImage strip(2 * panelWidth + 420, rowHeight * states.size() + 30, QImage::Format_ARGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setFont(QFont(QStringLiteral("Ubuntu"), 10));
    painter.drawText(QRect(0, 0, panelWidth, 28), Qt::AlignCenter, QStringLiteral("light panel: 16 22 24 32 44 48 px"));
    painter.drawText(QRect(panelWidth, 0, panelWidth, 28), Qt::AlignCenter, QStringLiteral("dark panel"));
    painter.drawText(QRect(2 * panelWidth + 10, 0, 400, 28), Qt::AlignVCenter, QStringLiteral("tool tip"));
    for (int row = 0; row < states.size(); ++row) {
        const Status& status = states[row];
        const int top = 30 + row * rowHeight;
        const QIcon icon = TrayStatus::iconFor(TrayStatus::badgeFor(status.state));
        for (int panel = 0; panel < 2; ++panel) {
            painter.fillRect(panel * panelWidth, top, panelWidth, rowHeight,
                             panel ? QColor(0x2B2B2B) : QColor(0xF0F0F0));
            int x = panel * panelWidth + 10;
            for (int size : sizes) {
                painter.drawPixmap(x, top + (rowHeight - size) / 2, icon.pixmap(size, size));
                x += size + 8;
            }
        }
        painter.drawText(QRect(2 * panelWidth + 10, top, 410, rowHeight), Qt::AlignVCenter,
                         StatusWords::toolTip(status));
    }
    painter.end();
    strip.save(file);
}

void drawMenu(const QString& file)
{
    StatusModel model;
    model.setLink(LinkStatus::Up);
    AgentInfo snapshot;
    snapshot.activationState = 1;
    snapshot.dataAvailable = true;
    snapshot.secconn.enabled = true;
    snapshot.secconn.status = 2;
    snapshot.secconn.pagName = QStringLiteral("Frankfurt 1");
    model.setSnapshot(snapshot);
    TrayStatus tray(&model, nullptr);
    tray.menu()->adjustSize();
    tray.menu()->grab().save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initVexaResources();
    ScreenLook::useBundledFont();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    drawStrip(folder + QStringLiteral("/tray-states.png"));
    drawMenu(folder + QStringLiteral("/tray-menu.png"));
    return 0;
}
