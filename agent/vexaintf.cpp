#include "agent/vexaintf.h"

#include "agent/agentpeercheck.h"
#include "agent/messageparser.h"
#include "agent/tcpsocket.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"

#include <QJsonDocument>

namespace {
vexaintf* replacementInstance = nullptr;
// Snapshots are about a kilobyte; a long listing is not kept once it has been handed on.
constexpr int longestRememberedLine = 64 * 1024;
} // namespace

vexaintf* vexaintf::instance()
{
    if (replacementInstance)
        return replacementInstance;
    static vexaintf* const programInstance = [] {
        auto* created = new vexaintf(tcpsocket::agentPort());
        created->start();
        return created;
    }();
    return programInstance;
}

void vexaintf::setInstance(vexaintf* replacement)
{
    replacementInstance = replacement;
}

vexaintf::vexaintf(quint16 port, QObject* parent) : QObject(parent), transport(new tcpsocket(port, this))
{
    connect(transport, &tcpsocket::event_notify, this, &vexaintf::event_notify);
    connect(transport, &tcpsocket::disconnected, this, &vexaintf::disconnected);
    connect(transport, &tcpsocket::connectedToBackend, this, &vexaintf::connected);
    connect(transport, &tcpsocket::connectFailed, this, &vexaintf::attemptFailed);
    connect(transport, &tcpsocket::untrustedListener, this, &vexaintf::reportUntrustedListener);
}

void vexaintf::start()
{
    transport->Connect();
}

void vexaintf::attemptFailed()
{
    // Only the first failure is news; the retries after it fail against a link already known to be down.
    if (link != LinkState::Starting)
        return;
    link = LinkState::Down;
    emit agentDisconnected();
}

void vexaintf::activate(ActivationReq request)
{
    QJsonObject activation{{QStringLiteral("act_type"), brand().activationType}};
    switch (brand().activationType) {
    case ActivationType::ActivationCode:
        activation.insert(QStringLiteral("act_code"), QJsonObject{{QStringLiteral("code"), request.actCode},
                                                                  {QStringLiteral("name"), request.actCodeName}});
        break;
    case ActivationType::ServiceId:
        activation.insert(QStringLiteral("act_qr"), QJsonObject{{QStringLiteral("code"), request.qrCode},
                                                                {QStringLiteral("svc_id"), request.serviceId}});
        break;
    case ActivationType::Email: {
        QJsonObject email{{QStringLiteral("email"), request.email}, {QStringLiteral("name"), request.emailName}};
        if (request.otp != -1)
            email.insert(QStringLiteral("otp"), request.otp);
        activation.insert(QStringLiteral("act_email"), email);
        break;
    }
    default:
        break;
    }
    sendRequest(2, QStringLiteral("activation_req"), activation);
}

void vexaintf::userregister(QString email)
{
    sendRequest(5, QStringLiteral("user_registration_req"), QJsonObject{{QStringLiteral("email"), email}});
}

void vexaintf::useractivate(QString email, QString otp)
{
    sendRequest(7, QStringLiteral("user_activation_req"),
                QJsonObject{{QStringLiteral("email"), email}, {QStringLiteral("otp"), otp}});
}

void vexaintf::deactivate(QString password)
{
    sendRequest(4, QStringLiteral("deactivation_req"), QJsonObject{{QStringLiteral("password"), password}});
}

void vexaintf::feedback(QString title, QString description)
{
    sendRequest(9, QStringLiteral("feedback"),
                QJsonObject{{QStringLiteral("title"), title}, {QStringLiteral("description"), description}});
}

void vexaintf::event_notify(QByteArray line)
{
    // A busy agent sends its unchanged state again and again: the same bytes are the same message. A line too long to
    // keep leaves nothing behind, which reads like an empty line: no message.
    const std::optional<QJsonObject> message = line == lastLine ? lastMessage : messageObjectFromLine(line);
    const bool kept = line.size() <= longestRememberedLine;
    lastLine = kept ? line : QByteArray();
    lastMessage = kept ? message : std::nullopt;
    if (!message)
        return;
    emit messageLineReceived(line, *message);
    emit sendVexaEvent(*message);
}

void vexaintf::togglesecurechannelstatus(bool status)
{
    sendRequest(8, QStringLiteral("enable_secconn_status"), status);
}

void vexaintf::userDeregistration()
{
    sendRequest(6, QStringLiteral("user_deregistration_req"), QJsonObject());
}

void vexaintf::disconnected()
{
    link = LinkState::Down;
    emit agentDisconnected();
}

void vexaintf::connected()
{
    link = LinkState::Up;
    sendRequest(1, QStringLiteral("subscribe_req"), QJsonObject{{QStringLiteral("username"), currentUserName()}});
    emit agentConnected();
}

void vexaintf::verifyActivationStatus()
{
    sendRequest(3);
}

void vexaintf::getPAGList()
{
    sendRequest(10);
}

void vexaintf::setPrefPag(PAG pag)
{
    sendRequest(11, QStringLiteral("pag_preference"),
                QJsonObject{{QStringLiteral("id"), pag.id}, {QStringLiteral("type"), pag.type}});
}

void vexaintf::getViolationList()
{
    sendRequest(12);
}

void vexaintf::getPeerList()
{
    sendRequest(14);
}

void vexaintf::generateQR(bool regenerate)
{
    QJsonObject request;
    if (regenerate)
        request.insert(QStringLiteral("regenerate_code"), true);
    sendRequest(13, QStringLiteral("act_qr_info_req"), request);
}

void vexaintf::rebootCancelled()
{
    sendRequest(15);
}

void vexaintf::reportUntrustedListener(qint64 ownerUid)
{
    if (ownerUid < 0) {
        emit agentRefused(tr("Connection refused: the owner of the application service port could not be verified"));
        return;
    }
    emit agentRefused(tr("Connection refused: the application service port is held by another user (%1)")
                          .arg(AgentPeerCheck::userName(static_cast<uint>(ownerUid))));
}

void vexaintf::sendRequest(int type)
{
    writeLine(QJsonObject{{QStringLiteral("type"), type}});
}

void vexaintf::sendRequest(int type, const QString& payloadKey, const QJsonValue& payload)
{
    writeLine(QJsonObject{{QStringLiteral("type"), type}, {payloadKey, payload}});
}

void vexaintf::writeLine(const QJsonObject& request)
{
    transport->write(QJsonDocument(request).toJson(QJsonDocument::Compact));
    transport->write("\n");
    emit requestSent(request);
}
