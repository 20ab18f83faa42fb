#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class InstanceDoorbell;
class QStackedWidget;
class QWidget;
class StatusModel;
class vexaintf;

// What `vexaui --status` learns from the running window: the state as the window shows it, the screen in front,
// the switch, the waits in progress, the link and when the agent last spoke. The doorbell is served on the GUI
// thread on purpose: a window too busy to answer there is exactly what the question is meant to find out, so the
// answer is only read off values the window already holds, never worked out again.
class StatusReport : public QObject
{
    Q_OBJECT
public:
    StatusReport(QWidget& window, vexaintf& agent);

    QJsonObject toJson() const;

    // The one readable line for a terminal: "Secure Access on · Frankfurt 1".
    static QString line(const QJsonObject& status);

private:
    QString screenInFront() const;

    QPointer<StatusModel> model;
    QPointer<QStackedWidget> screens;
    qint64 lastSnapshotMs = 0;
};

// Lets a later `vexaui --status` ask this window through its doorbell.
void answerStatusRequests(InstanceDoorbell& doorbell, const StatusReport& report);

// `vexaui --status [--json]`: asks the running window of this user and prints its answer. Exit 3 when no window of
// this user runs, 4 when one took the question but did not answer in time.
int printStatusFromTerminal(const QString& doorbellName, bool json);
