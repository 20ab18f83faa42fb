#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class KNotification;

// What a notice is about: its urgency, which earlier notice it replaces and where its default action leads follow
// from this.
enum class NoticeKind
{
    ProtectionDropped,
    ServiceUnavailable,
    ServiceBack,
    PortHeld,
    EnrollmentApproved,
    NetworkBlocked,
    NetworkBlockAhead,
    NetworkOpen,
    StillRunning,
    FeedbackTicket,
};

// Notices through the desktop's notification service, tray or no tray. Each topic (the service, Secure Access, the
// network access...) has one notice on screen at a time: a newer one replaces it rather than piling up.
class DesktopNotices : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotices(QObject* parent = nullptr);

    // A problem the user should act on, as opposed to news that needs nothing from them.
    static bool isProblem(NoticeKind kind);

    void show(NoticeKind kind, const QString& summary, const QString& text, int seconds);

signals:
    // The user chose the notice itself: the window should open where the notice points.
    void opened(NoticeKind kind);

private:
    QHash<int, QPointer<KNotification>> onScreen;
    // What the notice on screen of each topic is about now, for where its default action leads.
    QHash<int, NoticeKind> kindOnScreen;
};
