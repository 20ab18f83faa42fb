#include "userauth.h"

#include "codes.h"
#include "enrollment.h"
#include "jsonview.h"
#include "simclock.h"

#include <QUrl>

namespace agentsim {

Reply UserAuth::handle(int type, const JsonView& request, const RequestContext& context)
{
    switch (type) {
    case Req::UserRegister:
        return registerUser(request, context);
    case Req::UserActivate:
        return activateUser(request);
    default:
        return deregister(request);
    }
}

Reply UserAuth::registerUser(const JsonView& request, const RequestContext& context)
{
    const QString email =
        request.object(QStringLiteral("user_registration_req")).string(QStringLiteral("email")).trimmed();
    if (!request.ok())
        return {};
    auto answer = [this](int code, const QJsonObject& payload = {}, const QString& note = {}) {
        return m_agent.answer(Msg::UserRegistration, code, payload, note);
    };
    const auto forced = m_agent.outcomes().takeForced(QStringLiteral("register"));
    if (forced && *forced != Code::OtpSent)
        return answer(*forced, {}, QStringLiteral("forced from the console"));
    if (m_agent.state().activationState != 1)
        return answer(Code::AgentNotActivated);
    if (email.isEmpty())
        return startDirectorySignIn(context.userName);
    if (!looksLikeEmail(email))
        return answer(Code::InvalidEmail);
    const QStringList& domains = m_agent.scenario().emailDomains;
    if (!domains.isEmpty() && !domains.contains(email.section(QLatin1Char('@'), -1).toLower()))
        return answer(Code::UserRegistrationFailure, {}, QStringLiteral("the email domain is not the enterprise's"));
    const int planned = m_agent.outcomes().takePlanned(QStringLiteral("register")).value_or(Code::OtpSent);
    if (planned != Code::OtpSent)
        return answer(planned);

    const OtpDesk::Issue issue = m_agent.otp().issue(email);
    switch (issue.result) {
    case OtpDesk::Issue::Sent:
        m_agent.note(QStringLiteral("OTP for %1: %2").arg(email, issue.code));
        return answer(Code::OtpSent, {{QStringLiteral("user_registration_resp"),
                                       QJsonObject{{QStringLiteral("next_attempt_unix"), issue.resendWaitSecs},
                                                   {QStringLiteral("otp_validity"), issue.validitySecs}}}});
    case OtpDesk::Issue::ResendBlocked:
        return answer(Code::OtpResendBlocked, {{QStringLiteral("user_registration_resp"),
                                                QJsonObject{{QStringLiteral("next_attempt_unix"), issue.resendWaitSecs},
                                                            {QStringLiteral("otp_validity"), 0}}}});
    case OtpDesk::Issue::AttemptsBlocked:
        break;
    }
    return answer(Code::OtpAttemptsBlocked, {{QStringLiteral("user_activation_resp"),
                                              QJsonObject{{QStringLiteral("next_attempt_unix"), issue.blockedSecs}}}});
}

Reply UserAuth::startDirectorySignIn(const QString& userName)
{
    AgentState& state = m_agent.state();
    if (state.userIdMethod < 2 || state.userIdMethod > 5)
        return m_agent.answer(Msg::UserRegistration, Code::UserRegistrationFailure, {},
                              QStringLiteral("directory sign-in is not configured for this enterprise"));
    const Scenario& scenario = m_agent.scenario();
    QString user = userName.trimmed().toLower();
    user.replace(QLatin1Char(' '), QLatin1Char('.'));
    if (user.isEmpty())
        user = QStringLiteral("user");
    const QString domain =
        scenario.emailDomains.isEmpty() ? QStringLiteral("example.com") : scenario.emailDomains.first();

    state.adAuthState = 1;
    m_agent.note(QStringLiteral("directory sign-in started for ") + user);
    m_agent.changed();
    const quint64 round = ++m_directoryRound;
    if (!scenario.browserUrl.isEmpty()) {
        QUrl url(scenario.browserUrl);
        QString query = url.query();
        query += (query.isEmpty() ? QString() : QStringLiteral("&")) + QStringLiteral("login_hint=") +
                 QString::fromLatin1(QUrl::toPercentEncoding(user + QLatin1Char('@') + domain));
        url.setQuery(query);
        const QString link = url.toString();
        // After the answer to the request, as the agent asks the identity provider only once it has accepted.
        m_agent.clock().after(0, &m_agent, [this, link] {
            m_agent.broadcast(
                Msg::BrowserAuth,
                SimAgent::response(Code::BrowserLaunch, {{QStringLiteral("authentication_resp"),
                                                          QJsonObject{{QStringLiteral("browser_launch_url"), link}}}}));
        });
    }
    m_agent.clock().after(scenario.adDelayMs, &m_agent, [this, round, user, domain] {
        AgentState& s = m_agent.state();
        if (round != m_directoryRound || s.adAuthState != 1)
            return;
        s.adAuthState = m_agent.scenario().adResult;
        if (s.adAuthState == 3)
            s.email = user + QLatin1Char('@') + domain;
        m_agent.note(s.adAuthState == 3 ? QStringLiteral("directory sign-in succeeded")
                                        : QStringLiteral("directory sign-in failed"));
        m_agent.changed();
    });
    return m_agent.answer(Msg::UserRegistration, Code::Success);
}

Reply UserAuth::activateUser(const JsonView& request)
{
    const JsonView req = request.object(QStringLiteral("user_activation_req"));
    const QString email = req.string(QStringLiteral("email")).trimmed();
    const QString otp = req.string(QStringLiteral("otp"));
    if (!request.ok())
        return {};
    auto answer = [this](int code, const QJsonObject& payload = {}, const QString& note = {}) {
        return m_agent.answer(Msg::UserActivation, code, payload, note);
    };
    const auto forced = m_agent.outcomes().takeForced(QStringLiteral("verify"));
    if (forced && *forced != Code::Activated)
        return answer(*forced, {}, QStringLiteral("forced from the console"));
    if (m_agent.state().activationState != 1)
        return answer(Code::AgentNotActivated);

    const OtpDesk::Verdict verdict = m_agent.otp().verify(email, otp);
    if (verdict.result == OtpDesk::Verdict::Wrong)
        return answer(Code::InvalidOtp);
    if (verdict.result != OtpDesk::Verdict::Accepted)
        return answer(Code::OtpAttemptsBlocked,
                      {{QStringLiteral("user_activation_resp"),
                        QJsonObject{{QStringLiteral("next_attempt_unix"), verdict.blockedSecs}}}});
    const int planned = m_agent.outcomes().takePlanned(QStringLiteral("verify")).value_or(Code::Activated);
    if (planned != Code::Activated)
        return answer(planned);
    m_agent.state().email = email;
    m_agent.note(QStringLiteral("user signed in: ") + email);
    m_agent.changed();
    return answer(Code::Activated);
}

Reply UserAuth::deregister(const JsonView& request)
{
    request.object(QStringLiteral("user_deregistration_req"));
    if (!request.ok())
        return {};
    auto answer = [this](int code, const QString& note = {}) {
        return m_agent.answer(Msg::SignOutResult, code, {}, note);
    };
    const auto forced = m_agent.outcomes().takeForced(QStringLiteral("signout"));
    if (forced && *forced != Code::Success)
        return answer(*forced, QStringLiteral("forced from the console"));
    if (m_agent.state().activationState != 1)
        return answer(Code::AgentNotActivated);
    const int planned = m_agent.outcomes().takePlanned(QStringLiteral("signout")).value_or(Code::Success);
    if (planned != Code::Success)
        return answer(planned);
    signOutNow();
    return answer(Code::Success);
}

QString UserAuth::signOutNow()
{
    AgentState& state = m_agent.state();
    if (state.email.isEmpty() && state.adAuthState == 0)
        return QStringLiteral("ok: nobody was signed in");
    ++m_directoryRound;
    const QString who = state.email;
    state.email.clear();
    state.adAuthState = 0;
    // Where the enterprise ties the tunnel to the signed-in user, it ends with the session.
    if (state.userIdMethod == 1)
        m_agent.walker().switchOff();
    m_agent.note(QStringLiteral("user signed out: ") + who);
    m_agent.changed();
    return QStringLiteral("ok: signed out ") + who;
}

} // namespace agentsim
