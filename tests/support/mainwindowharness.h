#pragma once

#include "mainwindow/mainwindow.h"
#include "tests/support/agentlink.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSlider>
#include <QStackedWidget>
#include <memory>

// The main window wired to a fake agent over a real loopback link. Messages can be handed to the link as the line it
// would read (everything that listens to the link hears them) or sent as bytes through the socket.
class MainWindowHarness : public AgentLink
{
public:
    explicit MainWindowHarness(bool agentRunning = true);
    ~MainWindowHarness();

    void deliver(const QJsonObject& message)
    {
        link.event_notify(QJsonDocument(message).toJson(QJsonDocument::Compact));
    }
    int page() const { return window->findChild<QStackedWidget*>(QStringLiteral("screenStack"))->currentIndex(); }
    void showPage(int page)
    {
        window->findChild<QStackedWidget*>(QStringLiteral("screenStack"))->setCurrentIndex(page);
    }
    QString text(const char* labelName) const;
    QSlider* toggle() const { return window->findChild<QSlider*>(QStringLiteral("toggleButton")); }
    QWidget* widget(const char* name) const { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
    std::unique_ptr<MainWindow> window;
};

// A message: the base snapshot (activated, data available, secure access offered and not connected), with the
// given type and the dotted paths set to the given values, e.g. {{"agentinfo.features.secconn.status", 2}}.
QJsonObject agentMessage(int type, const QList<QPair<QString, QJsonValue>>& changes = {});
// Sets one dotted path inside a JSON object, creating the objects on the way.
void setJsonPath(QJsonObject& object, const QString& dottedPath, const QJsonValue& value);
// Fires every pending named single shot at once instead of waiting for it.
int fireTimers(QObject* owner, const QString& name, Qt::FindChildOptions options = Qt::FindChildrenRecursively);
