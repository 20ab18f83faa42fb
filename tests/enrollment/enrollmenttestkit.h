#pragma once

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

// A fake agent and the program's interface linked to it over loopback, installed as the interface that screens use.
// Build it before the screen under test, since screens wire their requests to the interface in their constructors.
class AgentLink
{
public:
    AgentLink() : link(agent.port())
    {
        link.start();
        agent.waitForClient();
        agent.nextLine(); // the subscription
        vexaintf::setInstance(&link);
    }
    ~AgentLink() { vexaintf::setInstance(nullptr); }
    AgentLink(const AgentLink&) = delete;
    AgentLink& operator=(const AgentLink&) = delete;

    // The interface believes the link is gone while the socket stays open, so anything a screen still wrote would
    // reach the fake agent and show up in nextRequest().
    void drop() { link.disconnected(); }
    void restore()
    {
        link.connected();
        agent.nextLine(); // the new subscription
    }
    // The next request line the agent received, or empty when none comes.
    QByteArray nextRequest(int timeoutMs = 300) { return agent.nextLine(timeoutMs); }

    FakeAgent agent;
    vexaintf link;
};

// Runs a test under the shipped brand with another enrollment method.
class ActivationTypeScope
{
public:
    explicit ActivationTypeScope(int activationType) : scope(withType(activationType)) {}

private:
    static BrandProfile withType(int activationType)
    {
        BrandProfile profile = brand();
        profile.activationType = activationType;
        return profile;
    }
    ScopedBrandProfile scope;
};

template <typename T = QWidget> T* child(const QObject* screen, const char* name)
{
    return screen->findChild<T*>(QString::fromLatin1(name));
}

inline QString labelText(const QObject* screen, const char* name)
{
    return child<QLabel>(screen, name)->text();
}

inline QTimer* directTimer(const QObject* owner, const char* name)
{
    return owner->findChild<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Fires pending named single shots at once instead of waiting seconds for them.
inline int fireTimersNow(QObject* owner, const char* name)
{
    const QList<QTimer*> timers = owner->findChildren<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    for (QTimer* timer : timers)
        timer->start(0);
    QTest::qWait(5);
    return timers.size();
}

inline const QString agentUnavailable = QStringLiteral("Unable to connect with application service");
