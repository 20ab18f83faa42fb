#pragma once

#include "status/statusmodel.h"

#include <QIcon>
#include <QObject>
#include <optional>

class KStatusNotifierItem;
class QAction;
class QMenu;

// The tray item as a status display: a badge on the logo whose shape tells the state without colour, the state in
// words in its tool tip and atop its menu, and a menu for what users reach for from the tray. It speaks the
// StatusNotifierItem protocol, falls back to the classic tray, and finds a host that starts after the program.
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

    static Badge badgeFor(AppState state);
    static QIcon iconFor(Badge badge);
    // A problem lasts: the item asks for attention until it is over.
    static bool needsAttention(AppState state);

    KStatusNotifierItem* item() const { return trayItem; }
    QMenu* menu() const;

signals:
    // A left click on the item.
    void clicked();
    void openRequested();
    void settingsRequested();
    void secureAccessRequested(bool on);
    // Whatever the agent's state: the report is most wanted when the agent is not there.
    void supportReportRequested();
    void quitRequested();

private:
    void show(const Status& status);
    void showAttention(const Status& status);

    StatusModel* model;
    KStatusNotifierItem* trayItem;
    QAction* statusLine;
    QAction* secureAccessAction;
    QAction* settingsAction;
    std::optional<Badge> shownBadge;
};
