#pragma once

#include "simagent.h"

namespace agentsim {

class JsonView;

// The user of an enrolled device: sign-in by email and OTP, directory (AD) sign-in, and sign-out.
class UserAuth
{
public:
    explicit UserAuth(SimAgent& agent) : m_agent(agent) {}

    Reply handle(int type, const JsonView& request, const RequestContext& context);
    // Console: the agent signs the user out by itself.
    QString signOutNow();

private:
    Reply registerUser(const JsonView& request, const RequestContext& context);
    Reply activateUser(const JsonView& request);
    Reply deregister(const JsonView& request);
    Reply startDirectorySignIn(const QString& userName);

    SimAgent& m_agent;
    quint64 m_directoryRound = 0;
};

} // namespace agentsim
