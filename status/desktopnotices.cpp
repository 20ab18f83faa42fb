#include "status/desktopnotices.h"

#include "app/startup.h"
#include "app/systemtray.h"

#include <KNotification>

namespace {

enum class Topic
{
    Service,
    Protection,
    Enrollment,
    NetworkAccess,
    Feedback,
    Window,
};

Topic topicOf(NoticeKind kind)
{
    switch (kind) {
    case NoticeKind::ServiceUnavailable:
    case NoticeKind::ServiceBack:
    case NoticeKind::PortHeld:
        return Topic::Service;
    case NoticeKind::ProtectionDropped:
        return Topic::Protection;
    case NoticeKind::EnrollmentApproved:
        return Topic::Enrollment;
    case NoticeKind::NetworkBlocked:
    case NoticeKind::NetworkBlockAhead:
    case NoticeKind::NetworkOpen:
        return Topic::NetworkAccess;
    case NoticeKind::FeedbackTicket:
        return Topic::Feedback;
    case NoticeKind::StillRunning:
        break;
    }
    return Topic::Window;
}

KNotification::Urgency urgencyOf(NoticeKind kind)
{
    switch (kind) {
    case NoticeKind::NetworkBlocked:
        // Nothing on the network works until the user acts: the notice stays until they have seen it.
        return KNotification::CriticalUrgency;
    case NoticeKind::ProtectionDropped:
    case NoticeKind::ServiceUnavailable:
    case NoticeKind::PortHeld:
    case NoticeKind::NetworkBlockAhead:
        return KNotification::NormalUrgency;
    case NoticeKind::ServiceBack:
    case NoticeKind::EnrollmentApproved:
    case NoticeKind::NetworkOpen:
    case NoticeKind::StillRunning:
    case NoticeKind::FeedbackTicket:
        break;
    }
    return KNotification::LowUrgency;
}

// The events of resources/desktop/vexaui.notifyrc.
QString eventOf(NoticeKind kind)
{
    return DesktopNotices::isProblem(kind) ? QStringLiteral("problem") : QStringLiteral("news");
}

} // namespace

DesktopNotices::DesktopNotices(QObject* parent) : QObject(parent) {}

bool DesktopNotices::isProblem(NoticeKind kind)
{
    return urgencyOf(kind) != KNotification::LowUrgency;
}

void DesktopNotices::show(NoticeKind kind, const QString& summary, const QString& text, int seconds)
{
    if (SystemTray::recordMessage(summary, text, seconds * 1000))
        return;
    const int topic = static_cast<int>(topicOf(kind));
    kindOnScreen.insert(topic, kind);
    QPointer<KNotification>& shown = onScreen[topic];
    const bool replacing = !shown.isNull();
    if (!replacing) {
        shown = new KNotification(eventOf(kind), KNotification::CloseOnTimeout, this);
        shown->setComponentName(QStringLiteral("vexaui"));
        shown->setIconName(applicationId());
        shown->setDefaultAction(tr("Open"));
        // Only this notice's own choice reaches here: the library matches the service's answers by notice id.
        connect(shown, &KNotification::defaultActivated, this,
                [this, topic] { emit opened(kindOnScreen.value(topic)); });
    }
    shown->setEventId(eventOf(kind));
    shown->setTitle(summary);
    // Servers that read markup in the body would render the agent's words (a gateway, an address) as markup.
    shown->setText(text.toHtmlEscaped());
    shown->setUrgency(urgencyOf(kind));
    if (replacing)
        shown->update();
    else
        shown->sendEvent();
}
