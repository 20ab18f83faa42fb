#include "enrollment.h"

#include "codes.h"
#include "jsonview.h"
#include "simclock.h"

#include <QRegularExpression>

namespace agentsim {

bool looksLikeEmail(const QString& email)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._%+'-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    return pattern.match(email.trimmed()).hasMatch();
}

void Enrollment::start()
{
    if (m_agent.state().activationState == 2)
        scheduleApproval();
}

Reply Enrollment::handle(int type, const JsonView& request)
{
    switch (type) {
    case Req::Activate:
        return activate(request);
    case Req::ActivationStatus:
        return status();
    case Req::Deactivate:
        return deactivate(request);
    default:
        return qrInfo(request);
    }
}

Reply Enrollment::result(int code, const QJsonObject& payload, const QString& note) const
{
    return m_agent.answer(Msg::ActivationResult, code, payload, note);
}

Reply Enrollment::activate(const JsonView& request)
{
    const JsonView req = request.object(QStringLiteral("activation_req"));
    const int method = int(req.integer(QStringLiteral("act_type"), JsonView::Required, 0, 0, 2));
    QString code, name, serviceId, email, otp;
    bool hasOtp = false;
    if (method == 0) {
        const JsonView m = req.object(QStringLiteral("act_code"));
        code = m.string(QStringLiteral("code"));
        name = m.string(QStringLiteral("name"));
    } else if (method == 1) {
        const JsonView m = req.object(QStringLiteral("act_qr"));
        code = m.string(QStringLiteral("code"));
        serviceId = m.string(QStringLiteral("svc_id"));
    } else {
        const JsonView m = req.object(QStringLiteral("act_email"));
        email = m.string(QStringLiteral("email"));
        name = m.string(QStringLiteral("name"));
        hasOtp = m.has(QStringLiteral("otp"));
        if (hasOtp)
            otp = QString::number(m.integer(QStringLiteral("otp"), JsonView::Required, 0, 0, INT_MAX));
    }
    if (!request.ok())
        return {};

    if (const auto forced = m_agent.outcomes().takeForced(QStringLiteral("activate")))
        return decide(*forced, name.trimmed(), email.trimmed());
    const int state = m_agent.state().activationState;
    if (state == 1)
        return result(Code::ActivationAccepted, {}, QStringLiteral("already activated"));
    if (state == 2)
        return result(Code::AdminApprovalPending, {}, QStringLiteral("still waiting for approval"));
    if (method == 0)
        return byCode(code, name.trimmed());
    if (method == 1)
        return byQr(code, serviceId);
    return byEmail(email.trimmed(), name.trimmed(), otp, hasOtp);
}

int Enrollment::nameProblem(const QString& name) const
{
    static const QRegularExpression allowed(QStringLiteral("^[\\w .'-]{0,63}$"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    if (!allowed.match(name).hasMatch())
        return Code::InvalidName;
    if (m_agent.scenario().takenDeviceNames.contains(name.toLower()))
        return Code::DuplicateDeviceName;
    return 0;
}

bool Enrollment::domainAllowed(const QString& email) const
{
    const QStringList& domains = m_agent.scenario().emailDomains;
    return domains.isEmpty() || domains.contains(email.section(QLatin1Char('@'), -1).toLower());
}

Reply Enrollment::byCode(const QString& code, const QString& name)
{
    const auto& codes = m_agent.scenario().activationCodes;
    const auto it = codes.constFind(code.trimmed().toUpper());
    if (it == codes.constEnd())
        return result(Code::InvalidActivationCode, {}, QStringLiteral("unknown activation code"));
    int outcome = it.value();
    if (outcome == Code::ActivationAccepted || outcome == Code::AdminApprovalPending) {
        if (const int problem = nameProblem(name))
            return result(problem);
        outcome = m_agent.outcomes().takePlanned(QStringLiteral("activate")).value_or(outcome);
    }
    return decide(outcome, name, {});
}

Reply Enrollment::byQr(const QString& code, const QString& serviceId)
{
    switch (m_agent.qr().match(code)) {
    case QrIssuer::Unknown:
        return result(Code::InvalidActivationCode, {}, QStringLiteral("this QR code was never issued"));
    case QrIssuer::Retired:
        return result(Code::ActivationCodeExpired, {}, QStringLiteral("this QR code was replaced by a newer one"));
    case QrIssuer::Current:
        break;
    }
    if (!m_agent.qr().scanned())
        return result(Code::ActivateQrThroughCode, {}, QStringLiteral("the QR code has not been scanned yet"));
    const int outcome =
        m_agent.outcomes().takePlanned(QStringLiteral("activate")).value_or(int(Code::ActivationAccepted));
    Reply reply = decide(outcome, {}, {});
    if (!serviceId.isEmpty())
        reply.note = QStringLiteral("service ID ") + serviceId;
    return reply;
}

Reply Enrollment::byEmail(const QString& email, const QString& name, const QString& otp, bool hasOtp)
{
    if (!looksLikeEmail(email))
        return result(Code::InvalidEmail);
    if (!domainAllowed(email))
        return result(Code::ActivationNotAllowed, {}, QStringLiteral("the email domain is not the enterprise's"));
    if (const int problem = nameProblem(name))
        return result(problem);

    OtpDesk& desk = m_agent.otp();
    if (!hasOtp) {
        const OtpDesk::Issue issue = desk.issue(email);
        switch (issue.result) {
        case OtpDesk::Issue::Sent:
            m_agent.note(QStringLiteral("OTP for %1: %2").arg(email, issue.code));
            return result(Code::OtpSent, {{QStringLiteral("activation_resp"),
                                           QJsonObject{{QStringLiteral("next_atttempt_unix"), issue.resendWaitSecs},
                                                       {QStringLiteral("otp_validity"), issue.validitySecs}}}});
        case OtpDesk::Issue::ResendBlocked:
            return result(Code::OtpResendBlocked,
                          {{QStringLiteral("activation_resp"),
                            QJsonObject{{QStringLiteral("next_atttempt_unix"), issue.resendWaitSecs},
                                        {QStringLiteral("otp_validity"), 0}}}});
        case OtpDesk::Issue::AttemptsBlocked:
            return result(Code::OtpAttemptsBlocked,
                          {{QStringLiteral("user_activation_resp"),
                            QJsonObject{{QStringLiteral("next_attempt_unix"), issue.blockedSecs}}}});
        }
    }
    const OtpDesk::Verdict verdict = desk.verify(email, otp);
    if (verdict.result == OtpDesk::Verdict::Wrong)
        return result(Code::InvalidOtp);
    if (verdict.result != OtpDesk::Verdict::Accepted)
        return result(Code::OtpAttemptsBlocked,
                      {{QStringLiteral("user_activation_resp"),
                        QJsonObject{{QStringLiteral("next_attempt_unix"), verdict.blockedSecs}}}});
    const int outcome =
        m_agent.outcomes().takePlanned(QStringLiteral("activate")).value_or(int(Code::ActivationAccepted));
    return decide(outcome, name, email);
}

Reply Enrollment::decide(int code, const QString& devName, const QString& email)
{
    if (code == Code::ActivationAccepted) {
        m_agent.becomeActivated(devName, email);
        return result(code);
    }
    if (code == Code::AdminApprovalPending) {
        m_pendingDevName = devName;
        m_pendingEmail = email;
        AgentState& state = m_agent.state();
        state.activationState = 2;
        state.entName = m_agent.scenario().entName;
        m_agent.note(QStringLiteral("activation waits for the administrator (console: approve or deny)"));
        m_agent.changed();
        scheduleApproval();
        return result(code);
    }
    return result(code, {}, QStringLiteral("activation refused"));
}

void Enrollment::scheduleApproval()
{
    const qint64 delay = m_agent.scenario().approvalDelayMs;
    if (delay <= 0)
        return;
    const quint64 round = ++m_approvalRound;
    m_agent.clock().after(delay, &m_agent, [this, round] {
        if (round == m_approvalRound && m_agent.state().activationState == 2)
            approve();
    });
}

QString Enrollment::approve()
{
    if (m_agent.state().activationState != 2)
        return QStringLiteral("error: no activation is waiting for approval");
    ++m_approvalRound;
    m_agent.note(QStringLiteral("the administrator approved the activation"));
    m_agent.becomeActivated(m_pendingDevName, m_pendingEmail);
    return QStringLiteral("ok: activation approved");
}

QString Enrollment::deny()
{
    if (m_agent.state().activationState != 2)
        return QStringLiteral("error: no activation is waiting for approval");
    ++m_approvalRound;
    m_agent.note(QStringLiteral("the administrator refused the activation"));
    m_agent.becomeUnenrolled();
    return QStringLiteral("ok: activation refused");
}

QString Enrollment::scan()
{
    if (m_agent.qr().currentCode().isEmpty())
        return QStringLiteral("error: no QR code has been issued");
    m_agent.qr().markScanned();
    return QStringLiteral("ok: QR code scanned; the next activation with it succeeds");
}

Reply Enrollment::status()
{
    if (const auto forced = m_agent.outcomes().takeForced(QStringLiteral("status")))
        return m_agent.answer(Msg::StatusResult, *forced);
    const int state = m_agent.state().activationState;
    if (state == 0)
        return m_agent.answer(Msg::StatusResult, Code::AgentNotActivated);
    const int natural = state == 2 ? int(Code::AdminApprovalPending) : int(Code::ActivationAccepted);
    return m_agent.answer(Msg::StatusResult,
                          m_agent.outcomes().takePlanned(QStringLiteral("status")).value_or(natural));
}

Reply Enrollment::deactivate(const JsonView& request)
{
    const QString password = request.object(QStringLiteral("deactivation_req")).string(QStringLiteral("password"));
    if (!request.ok())
        return {};
    auto answer = [this](int code, const QString& note = {}) {
        return m_agent.answer(Msg::DeactivationResult, code, {}, note);
    };
    const auto forced = m_agent.outcomes().takeForced(QStringLiteral("deactivate"));
    if (forced && *forced != Code::Success)
        return answer(*forced, QStringLiteral("forced from the console"));
    const AgentState& state = m_agent.state();
    if (state.activationState == 0)
        return answer(Code::AgentNotActivated);
    if (state.activationState == 1 && !forced) {
        if (state.deactCfg == 3)
            return answer(Code::DeactivationNotAllowed);
        if (state.deactCfg == 2 && password.isEmpty())
            return answer(Code::PasswordRequired);
        if (state.deactCfg == 2 && password != m_agent.scenario().deactivationPassword)
            return answer(Code::WrongPassword);
        const int planned = m_agent.outcomes().takePlanned(QStringLiteral("deactivate")).value_or(0);
        if (planned != Code::Success)
            return answer(planned);
    }
    ++m_approvalRound;
    m_agent.becomeUnenrolled();
    return answer(Code::Success);
}

Reply Enrollment::qrInfo(const JsonView& request)
{
    const bool regenerate = request.object(QStringLiteral("act_qr_info_req"))
                                .boolean(QStringLiteral("regenerate_code"), JsonView::Optional);
    if (!request.ok())
        return {};
    if (m_agent.state().activationState != 0)
        return m_agent.answer(Msg::QrInfo, Code::Success, {}, QStringLiteral("no QR code: the device is enrolled"));
    QrIssuer& qr = m_agent.qr();
    const QString previous = qr.currentCode();
    const QString code = regenerate ? qr.regenerate() : qr.current();
    // Whoever runs the simulator plays the phone: the console says how, once for each new code.
    if (code != previous && !qr.scanned())
        m_agent.note(QStringLiteral("QR code issued: type scan to play the phone scanning it "
                                    "(it counts as scanned by itself %1 s after it was issued)")
                         .arg(QString::number(double(m_agent.scenario().qrScanDelayMs) / 1000)));
    return m_agent.answer(
        Msg::QrInfo, Code::Success,
        {{QStringLiteral("act_qr_info"),
          QJsonObject{{QStringLiteral("code"), QrIssuer::wireForm(code, m_agent.scenario().qrBackslashes)}}}},
        QStringLiteral("QR code ") + code);
}

} // namespace agentsim
