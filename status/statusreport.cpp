#include "status/statusreport.h"

#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/instancedoorbell.h"
#include "status/statusmodel.h"
#include "status/statuswords.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStackedWidget>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <iterator>

namespace {

const QByteArray statusRequest = QByteArrayLiteral("status");
// Long enough for a window that is merely busy; a frozen one is reported as such, not as gone.
constexpr int answerTimeoutMs = 5000;

// Names for scripts: stable words in English, whatever language the window speaks.
QString stateName(AppState state)
{
    switch (state) {
    case AppState::AgentUnavailable:
        return QStringLiteral("agent-unavailable");
    case AppState::PortHeldByOther:
        return QStringLiteral("port-held-by-other");
    case AppState::NotEnrolled:
        return QStringLiteral("not-enrolled");
    case AppState::ApprovalPending:
        return QStringLiteral("approval-pending");
    case AppState::SignInNeeded:
        return QStringLiteral("sign-in-needed");
    case AppState::SecureAccessOff:
        return QStringLiteral("off");
    case AppState::Connecting:
        return QStringLiteral("connecting");
    case AppState::On:
        return QStringLiteral("on");
    case AppState::NeedsAttention:
        return QStringLiteral("needs-attention");
    }
    return QString();
}

QString linkName(LinkStatus link)
{
    switch (link) {
    case LinkStatus::Starting:
        return QStringLiteral("starting");
    case LinkStatus::Up:
        return QStringLiteral("up");
    case LinkStatus::Down:
        return QStringLiteral("down");
    case LinkStatus::Refused:
        return QStringLiteral("refused");
    }
    return QString();
}

QString protectionName(Protection protection)
{
    switch (protection) {
    case Protection::Unknown:
        return QStringLiteral("unknown");
    case Protection::Off:
        return QStringLiteral("off");
    case Protection::Connecting:
        return QStringLiteral("connecting");
    case Protection::On:
        return QStringLiteral("on");
    }
    return QString();
}

// The window's pages in the order of its stack.
const char* const pageNames[] = {"home", "enrollment", "service-code", "approval-pending", "settings", "email"};

QJsonArray waitsInProgress()
{
    QJsonArray waits;
    for (const AnswerWait* wait : AnswerWait::running()) {
        // What is left of the wait's deadline, -1 when none runs: a wait that cannot end shows at once, not only
        // once it has outlived the deadline it should have had.
        const auto* deadline = wait->findChild<const QTimer*>(QStringLiteral("answerDeadline"));
        waits.append(QJsonObject{{QStringLiteral("kind"), wait->kind()},
                                 {QStringLiteral("ageMs"), wait->ageMs()},
                                 {QStringLiteral("deadlineMs"), deadline ? deadline->remainingTime() : -1}});
    }
    return waits;
}

} // namespace

StatusReport::StatusReport(QWidget& window, vexaintf& agent)
    : QObject(&window), model(window.findChild<StatusModel*>()),
      screens(window.findChild<QStackedWidget*>(QStringLiteral("screenStack")))
{
    // Every agent message carries the whole snapshot, so its arrival is the snapshot's time.
    connect(&agent, &vexaintf::sendVexaEvent, this, [this] { lastSnapshotMs = QDateTime::currentMSecsSinceEpoch(); });
}

QString StatusReport::screenInFront() const
{
    if (!screens)
        return QString();
    const int page = screens->currentIndex();
    return page >= 0 && page < int(std::size(pageNames)) ? QLatin1String(pageNames[page]) : QString::number(page);
}

QJsonObject StatusReport::toJson() const
{
    if (!model)
        return {};
    const Status& status = model->current();
    QJsonObject out{
        {QStringLiteral("state"), stateName(status.state)},
        {QStringLiteral("words"), StatusWords::state(status)},
        {QStringLiteral("detail"), StatusWords::detail(status)},
        {QStringLiteral("protection"), protectionName(status.protection)},
        {QStringLiteral("gateway"), status.gateway},
        {QStringLiteral("enrolled"), status.enrolled},
        {QStringLiteral("screen"), screenInFront()},
        {QStringLiteral("switch"),
         QJsonObject{{QStringLiteral("usable"), status.switchUsable}, {QStringLiteral("on"), status.switchOn}}},
        {QStringLiteral("waits"), waitsInProgress()},
        {QStringLiteral("link"), linkName(model->link())},
        {QStringLiteral("lastSnapshot"),
         lastSnapshotMs
             ? QJsonValue(QDateTime::fromMSecsSinceEpoch(lastSnapshotMs, Qt::UTC).toString(Qt::ISODateWithMs))
             : QJsonValue()},
    };
    if (const QWidget* dialog = QApplication::activeModalWidget())
        out.insert(QStringLiteral("dialog"), dialog->objectName());
    return out;
}

QString StatusReport::line(const QJsonObject& status)
{
    const QString words = status.value(QLatin1String("words")).toString();
    const QString detail = status.value(QLatin1String("detail")).toString();
    return detail.isEmpty() ? words : words + QStringLiteral(" · ") + detail;
}

void answerStatusRequests(InstanceDoorbell& doorbell, const StatusReport& report)
{
    const QPointer<const StatusReport> alive(&report);
    doorbell.answerRequests([alive](const QByteArray& request) {
        if (request != statusRequest || !alive)
            return QByteArray();
        return QJsonDocument(alive->toJson()).toJson(QJsonDocument::Compact) + '\n';
    });
}

int printStatusFromTerminal(const QString& doorbellName, bool json)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool reached = false;
    QElapsedTimer asking;
    asking.start();
    const QByteArray answer = InstanceDoorbell::ask(doorbellName, statusRequest, answerTimeoutMs, &reached);
    const QJsonObject status = QJsonDocument::fromJson(answer).object();
    // An owner that closes at once (a build that only counts rings) has nothing to say; one that keeps the question
    // open past the timeout is there but stuck.
    if (status.isEmpty() && reached && asking.hasExpired(answerTimeoutMs - 100)) {
        err << QCoreApplication::translate("CommandLine", "The window of this user did not answer within %1 s.")
                   .arg(answerTimeoutMs / 1000)
            << Qt::endl;
        return 4;
    }
    if (status.isEmpty()) {
        err << QCoreApplication::translate("CommandLine", "No window of this user is running.") << Qt::endl;
        return 3;
    }
    out << (json ? QString::fromUtf8(QJsonDocument(status).toJson(QJsonDocument::Compact)) : StatusReport::line(status))
        << Qt::endl;
    return 0;
}
