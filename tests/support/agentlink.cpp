#include "tests/support/agentlink.h"

AgentLink::AgentLink(bool agentRunning) : link(agent.port())
{
    if (!agentRunning)
        agent.stopListening();
    link.start();
    if (agentRunning) {
        agent.waitForClient();
        agent.nextLine(); // the subscription
    }
    vexaintf::setInstance(&link);
}

AgentLink::~AgentLink()
{
    vexaintf::setInstance(nullptr);
}
