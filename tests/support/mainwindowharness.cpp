#include "tests/support/mainwindowharness.h"

#include <QTest>
#include <QTimer>

MainWindowHarness::MainWindowHarness(bool agentRunning)
    : AgentLink(agentRunning), window(std::make_unique<MainWindow>())
{}

MainWindowHarness::~MainWindowHarness() = default;

QString MainWindowHarness::text(const char* labelName) const
{
    return window->findChild<QLabel*>(QString::fromLatin1(labelName))->text();
}

void setJsonPath(QJsonObject& object, const QString& dottedPath, const QJsonValue& value)
{
    const int dot = dottedPath.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        object.insert(dottedPath, value);
        return;
    }
    const QString head = dottedPath.left(dot);
    QJsonObject child = object.value(head).toObject();
    setJsonPath(child, dottedPath.mid(dot + 1), value);
    object.insert(head, child);
}

QJsonObject agentMessage(int type, const QList<QPair<QString, QJsonValue>>& changes)
{
    QJsonObject message = loadFixture("base_snapshot.json");
    message.insert(QStringLiteral("type"), type);
    for (const auto& change : changes)
        setJsonPath(message, change.first, change.second);
    return message;
}

int fireTimers(QObject* owner, const QString& name, Qt::FindChildOptions options)
{
    const QList<QTimer*> timers = owner->findChildren<QTimer*>(name, options);
    for (QTimer* timer : timers)
        timer->start(0);
    QTest::qWait(5);
    return timers.size();
}
