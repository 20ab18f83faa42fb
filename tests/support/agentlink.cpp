#include "tests/support/agentlink.h"

#include <QTest>

AgentLink::AgentLink(bool agentRunning) : link(agent.port())
{
    if (!agentRunning)
        agent.stopListening();
    link.start();
    if (agentRunning) {
        agent.waitForClient();
        agent.nextLine(); // the subscription
    } else {
        // The refusal arrives through the event loop; screens built afterwards find the link known to be down.
        if (!QTest::qWaitFor([this] { return !link.isStarting(); }))
            qWarning("AgentLink: the first connection attempt did not end");
    }
    vexaintf::setInstance(&link);
}

AgentLink::~AgentLink()
{
    vexaintf::setInstance(nullptr);
}
