#pragma once

#include "simagent.h"

namespace agentsim {

class JsonView;

// What an enrolled device asks for besides enrollment: feedback, gateway listing and preference, compliance
// findings and peer devices.
class Services
{
public:
    explicit Services(SimAgent& agent);

    Reply handle(int type, const JsonView& request);

private:
    Reply feedback(const JsonView& request);
    Reply pagList();
    Reply pagPreference(const JsonView& request);
    Reply violations();
    Reply peers();
    // A console-forced or scenario-planned refusal for `kind`, or nothing when the request may go ahead.
    std::optional<int> refusal(const QString& kind, bool planned);

    SimAgent& m_agent;
    int m_nextTicket;
};

} // namespace agentsim
