#pragma once

#include "agentstate.h"
#include "catalog.h"
#include "connectionwalker.h"
#include "otpdesk.h"
#include "outcomeplan.h"
#include "qrissuer.h"
#include "scenario.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

namespace agentsim {

class Enrollment;
class Services;
class SimClock;
class UserAuth;

// Request and answer types of the local agent protocol.
namespace Req {
enum : int
{
    Subscribe = 1,
    Activate = 2,
    ActivationStatus = 3,
    Deactivate = 4,
    UserRegister = 5,
    UserDeregister = 6,
    UserActivate = 7,
    SecureConnection = 8,
    Feedback = 9,
    PagList = 10,
    PagPreference = 11,
    ViolationList = 12,
    QrInfo = 13,
    PeerList = 14,
    RebootCancelled = 15
};
}
namespace Msg {
enum : int
{
    StateUpdate = 0, // an unsolicited snapshot: no reaction beyond the snapshot itself
    ActivationResult = 1,
    StatusResult = 2,
    DeactivationResult = 3,
    UserRegistration = 4,
    SignOutResult = 5,
    UserActivation = 6,
    FeedbackResult = 7,
    BrowserAuth = 8,
    PagListing = 9,
    PagPreference = 10,
    Notice = 11,
    ViolationListing = 12,
    QrInfo = 13,
    PeerListing = 14
};
}

// Per-connection facts that a request may need or set.
struct RequestContext
{
    int clientId = 0;
    QString userName;
    bool subscribed = false;
};

struct Reply
{
    QList<QJsonObject> messages; // for the requester, in this order
    QString badInput;            // set: the request was refused unread and nothing is answered
    QString note;                // why a valid request changed nothing (logged)
};

// The simulated agent: its state, and what it answers to each request. Pure logic: no sockets here.
// Messages to the requester are returned; everything else leaves through the signals.
class SimAgent : public QObject
{
    Q_OBJECT

public:
    SimAgent(const Scenario& scenario, const SimClock& clock, QObject* parent = nullptr);
    ~SimAgent() override;

    // Starts what the scenario lets happen on its own: data arriving, approval, timeline events are the console's.
    void start();

    Reply handle(const QJsonObject& request, RequestContext& context);

    QJsonObject snapshot() const;
    // A complete message: "type", "agentinfo" and, when given, "response".
    QJsonObject message(int type, const QJsonObject& response = {}) const;
    static QJsonObject response(int code, const QJsonObject& payload = {});
    // A reply holding one message of `type` whose response carries `code` and `payload`.
    Reply answer(int type, int code, const QJsonObject& payload = {}, const QString& note = {}) const;
    quint64 revision() const { return m_revision; }

    // Building blocks for the request handlers and the console.
    AgentState& state() { return m_state; }
    const Scenario& scenario() const { return m_scenario; }
    const SimClock& clock() const { return m_clock; }
    Catalog& catalog() { return m_catalog; }
    OutcomePlan& outcomes() { return m_outcomes; }
    OtpDesk& otp() { return m_otp; }
    QrIssuer& qr() { return m_qr; }
    ConnectionWalker& walker() { return *m_walker; }
    Enrollment& enrollment() { return *m_enrollment; }
    UserAuth& users() { return *m_users; }

    // Call after every change of the state: clients that have not seen it get a fresh snapshot.
    void changed();
    // An unsolicited message for every subscribed client.
    void broadcast(int type, const QJsonObject& response);
    void note(const QString& text, const QJsonObject& details = {});

    // The enterprise profile applied on activation; `devName` empty means the host name.
    void becomeActivated(const QString& devName, const QString& email);
    // Back to a fresh, not activated device (after deactivation or a refused approval).
    void becomeUnenrolled();
    const Gateway* pickGateway() const;
    static QString hostName();

signals:
    void stateChanged();
    void unsolicited(const QJsonObject& message);
    void noted(const QString& text, const QJsonObject& details);

private:
    Reply handleSecureConnection(const class JsonView& request);

    Scenario m_scenario;
    const SimClock& m_clock;
    AgentState m_state;
    Catalog m_catalog;
    OutcomePlan m_outcomes;
    OtpDesk m_otp;
    QrIssuer m_qr;
    ConnectionWalker* m_walker;
    std::unique_ptr<Enrollment> m_enrollment;
    std::unique_ptr<UserAuth> m_users;
    std::unique_ptr<Services> m_services;
    quint64 m_revision = 1;
};

} // namespace agentsim
