#pragma once

#include "status/statusmodel.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

class QAction;
class QMenu;

// The tray icon as a status display: a badge on the logo whose shape tells the state without colour, the state in
// words in its tool tip, and a menu for what users reach for from the tray.
class TrayStatus : public QObject
{
    Q_OBJECT
public:
    // The badge drawn on the logo for a state.
    enum class Badge
    {
        Check,
        Slash,
        Dots,
        Exclamation,
        Cross,
    };

    TrayStatus(StatusModel* model, QObject* parent);
    ~TrayStatus() override;

    static Badge badgeFor(AppState state);
    static QIcon iconFor(Badge badge);

    QSystemTrayIcon* icon() const { return trayIcon; }
    QMenu* menu() const { return contextMenu.get(); }

signals:
    void openRequested();
    void settingsRequested();
    void secureAccessRequested(bool on);
    // Whatever the agent's state: the report is most wanted when the agent is not there.
    void supportReportRequested();
    void quitRequested();

private:
    void show(const Status& status);

    StatusModel* model;
    QSystemTrayIcon* trayIcon;
    std::unique_ptr<QMenu> contextMenu;
    QAction* secureAccessAction;
    QAction* settingsAction;
};
