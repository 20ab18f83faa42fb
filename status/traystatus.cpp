#include "status/traystatus.h"

#include "app/brandprofile.h"
#include "status/statuswords.h"

#include <QAction>
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
    : QObject(parent), model(statusModel), trayIcon(new QSystemTrayIcon(this)), contextMenu(std::make_unique<QMenu>())
{
    contextMenu->setObjectName(QStringLiteral("trayMenu"));
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
    trayIcon->setContextMenu(contextMenu.get());

    connect(model, &StatusModel::changed, this, [this](const Status&, const Status& now) { show(now); });
    show(model->current());
    trayIcon->setVisible(true);
}

TrayStatus::~TrayStatus() = default;

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

QIcon TrayStatus::iconFor(Badge badge)
{
    // One icon per badge for the whole run: states change often, the pictures never do.
    static QHash<QString, QIcon> icons;
    const QString base = brand().logoIconPath.section(QLatin1Char('/'), 0, -2) + QStringLiteral("/tray-") +
                         badgeName(badge) + QLatin1Char('-');
    QIcon& icon = icons[base];
    if (icon.isNull()) {
        for (int size : {16, 24, 32, 48, 64})
            icon.addFile(base + QString::number(size) + QStringLiteral(".png"));
    }
    return icon;
}

void TrayStatus::show(const Status& status)
{
    trayIcon->setIcon(iconFor(badgeFor(status.state)));
    trayIcon->setToolTip(StatusWords::toolTip(status));
    secureAccessAction->setEnabled(status.switchUsable);
    secureAccessAction->setChecked(status.switchOn);
    // While the agent cannot be heard, the settings stay where the last word of the agent left them.
    const Status& known = status.agentUnheard() && model->lastKnown() ? *model->lastKnown() : status;
    settingsAction->setEnabled(known.enrolled || known.state == AppState::ApprovalPending);
}
