#include "status/traystatus.h"

#include "app/brandprofile.h"
#include "app/systemtray.h"
#include "status/statuswords.h"

#include <KStatusNotifierItem>
#include <QAction>
#include <QHash>
#include <QMenu>

namespace {

QString badgeName(TrayStatus::Badge badge)
{
    switch (badge) {
    case TrayStatus::Badge::Check:
        return QStringLiteral("check");
    case TrayStatus::Badge::Slash:
        return QStringLiteral("slash");
    case TrayStatus::Badge::Dots:
        return QStringLiteral("dots");
    case TrayStatus::Badge::Exclamation:
        return QStringLiteral("exclamation");
    case TrayStatus::Badge::Cross:
        return QStringLiteral("cross");
    }
    return QString();
}

} // namespace

TrayStatus::TrayStatus(StatusModel* statusModel, QObject* parent)
    : QObject(parent), model(statusModel), trayItem(new KStatusNotifierItem(QStringLiteral("vexaui"), this))
{
    SystemTray::watchHosts();
    trayItem->setCategory(KStatusNotifierItem::ApplicationStatus);
    trayItem->setTitle(brand().displayName);
    // The library's own Restore and Quit would duplicate ours, and its Quit ends the program without asking us.
    trayItem->setStandardActionsEnabled(false);

    auto* contextMenu = new QMenu;
    contextMenu->setObjectName(QStringLiteral("trayMenu"));
    // Not every desktop shows tool tips: the state in words heads the menu as well.
    statusLine = contextMenu->addAction(QString());
    statusLine->setObjectName(QStringLiteral("trayStatusLine"));
    statusLine->setEnabled(false);
    contextMenu->addSeparator();
    contextMenu->addAction(tr("&Open"), this, &TrayStatus::openRequested)->setObjectName(QStringLiteral("trayOpen"));
    secureAccessAction = contextMenu->addAction(tr("Secure &Access"));
    secureAccessAction->setObjectName(QStringLiteral("traySecureAccess"));
    secureAccessAction->setCheckable(true);
    // The item shows the switch's side; choosing it asks for the other side, as moving the switch does.
    connect(secureAccessAction, &QAction::triggered, this,
            [this] { emit secureAccessRequested(!model->current().switchOn); });
    settingsAction = contextMenu->addAction(tr("&Settings"), this, &TrayStatus::settingsRequested);
    settingsAction->setObjectName(QStringLiteral("traySettings"));
    contextMenu->addAction(tr("Save support &report…"), this, &TrayStatus::supportReportRequested)
        ->setObjectName(QStringLiteral("traySupportReport"));
    contextMenu->addSeparator();
    contextMenu->addAction(tr("&Quit"), this, &TrayStatus::quitRequested)->setObjectName(QStringLiteral("trayQuit"));
    trayItem->setContextMenu(contextMenu);

    connect(trayItem, &KStatusNotifierItem::activateRequested, this, [this] {
        // The library lowers a call for attention on any click; the problem is not over because it was clicked.
        showAttention(model->current());
        emit clicked();
    });
    connect(model, &StatusModel::changed, this, [this](const Status&, const Status& now) { show(now); });
    show(model->current());
}

QMenu* TrayStatus::menu() const
{
    return trayItem->contextMenu();
}

TrayStatus::Badge TrayStatus::badgeFor(AppState state)
{
    switch (state) {
    case AppState::On:
        return Badge::Check;
    case AppState::SecureAccessOff:
    case AppState::NotEnrolled:
        return Badge::Slash;
    case AppState::Connecting:
    case AppState::ApprovalPending:
        return Badge::Dots;
    case AppState::NeedsAttention:
    case AppState::SignInNeeded:
        return Badge::Exclamation;
    case AppState::AgentUnavailable:
    case AppState::PortHeldByOther:
        break;
    }
    return Badge::Cross;
}

bool TrayStatus::needsAttention(AppState state)
{
    return state == AppState::NeedsAttention || state == AppState::PortHeldByOther;
}

QIcon TrayStatus::iconFor(Badge badge)
{
    // One icon per badge for the whole run: states change often, the pictures never do.
    static QHash<QString, QIcon> icons;
    const QString base = brand().logoIconPath.section(QLatin1Char('/'), 0, -2) + QStringLiteral("/tray-") +
                         badgeName(badge) + QLatin1Char('-');
    QIcon& icon = icons[base];
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64})
            icon.addFile(base + QString::number(size) + QStringLiteral(".png"));
    }
    return icon;
}

void TrayStatus::show(const Status& status)
{
    const Badge badge = badgeFor(status.state);
    // Every picture sent is a copy of each size over the bus, and a redraw in every host.
    if (shownBadge != badge) {
        shownBadge = badge;
        trayItem->setIconByPixmap(iconFor(badge));
        trayItem->setAttentionIconByPixmap(iconFor(badge));
    }
    const QString summary = StatusWords::summary(status);
    trayItem->setToolTip(QIcon(), brand().displayName, summary);
    statusLine->setText(summary);
    showAttention(status);
    secureAccessAction->setEnabled(status.switchUsable);
    secureAccessAction->setChecked(status.switchOn);
    // While the agent cannot be heard, the settings stay where the last word of the agent left them.
    const Status& known = status.agentUnheard() && model->lastKnown() ? *model->lastKnown() : status;
    settingsAction->setEnabled(known.enrolled || known.state == AppState::ApprovalPending);
}

void TrayStatus::showAttention(const Status& status)
{
    trayItem->setStatus(needsAttention(status.state) ? KStatusNotifierItem::NeedsAttention
                                                     : KStatusNotifierItem::Active);
}
