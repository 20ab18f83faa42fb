#pragma once

#include "simagent.h"

namespace agentsim {

class JsonView;

// Enrollment of the device: activation by code, by QR code or by email and OTP, the administrator's approval,
// the activation-status query, QR code issue, and deactivation.
class Enrollment
{
public:
    explicit Enrollment(SimAgent& agent) : m_agent(agent) {}

    void start();
    Reply handle(int type, const JsonView& request);

    // Console: the administrator's decision on a pending activation, and the phone scanning the QR code.
    QString approve();
    QString deny();
    QString scan();

private:
    Reply activate(const JsonView& request);
    Reply byCode(const QString& code, const QString& name);
    Reply byQr(const QString& code, const QString& serviceId);
    Reply byEmail(const QString& email, const QString& name, const QString& otp, bool hasOtp);
    // Applies an activation outcome: 14 activates, 20 waits for approval, anything else refuses.
    Reply decide(int code, const QString& devName, const QString& email);
    Reply status();
    Reply deactivate(const JsonView& request);
    Reply qrInfo(const JsonView& request);
    Reply result(int code, const QJsonObject& payload = {}, const QString& note = {}) const;
    int nameProblem(const QString& name) const;
    bool domainAllowed(const QString& email) const;
    void scheduleApproval();

    SimAgent& m_agent;
    QString m_pendingDevName;
    QString m_pendingEmail;
    quint64 m_approvalRound = 0;
};

bool looksLikeEmail(const QString& email);

} // namespace agentsim
