#pragma once

#include "agent/vexaintf.h"
#include "tests/support/testsupport.h"

// A fake agent and the program's interface linked to it over loopback, installed as the interface that screens use.
// Build it before the screen under test, since screens wire their requests to the interface in their constructors.
class AgentLink
{
public:
    explicit AgentLink(bool agentRunning = true);
    ~AgentLink();
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
