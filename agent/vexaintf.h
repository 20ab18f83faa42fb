#pragma once

#include "agent/records.h"

#include <QJsonObject>
#include <QObject>
#include <optional>

class tcpsocket;

// The one way to the local agent: each request slot writes one JSON line; each line from the agent comes back as
// sendVexaEvent. Requests are fire-and-forget; answers arrive later as independent messages.
class vexaintf : public QObject
{
    Q_OBJECT
public:
    // The program's interface, created and connected on first use and kept for the whole run.
    static vexaintf* instance();
    // Tests point the program at an interface of their own (or back at the real one with nullptr).
    static void setInstance(vexaintf* replacement);

    // An interface on the given loopback port; start() begins the first connection attempt and returns at once.
    explicit vexaintf(quint16 port, QObject* parent = nullptr);
    void start();

    bool isConnected() const { return link == LinkState::Up; }
    // True until the first attempt has ended: the link is not up, but not known to be down either.
    bool isStarting() const { return link == LinkState::Starting; }
    tcpsocket* socket() const { return transport; }

signals:
    void sendVexaEvent(QJsonObject message);
    // The same message with the line it came in, just before sendVexaEvent: for whatever keeps lines as they came.
    void messageLineReceived(const QByteArray& line, const QJsonObject& message);
    void agentDisconnected();
    void agentConnected();
    // The program on the agent's port belongs to another user and was not trusted; the link stays down (retried
    // later). The text says so, for the status line.
    void agentRefused(QString statusText);
    // Each request as it goes out, for the support log (which redacts it before keeping anything).
    void requestSent(const QJsonObject& request);

public slots:
    void activate(ActivationReq request);
    void userregister(QString email);
    void useractivate(QString email, QString otp);
    void deactivate(QString password);
    void feedback(QString title, QString description);
    void event_notify(QByteArray line);
    void togglesecurechannelstatus(bool status);
    void userDeregistration();
    void disconnected();
    void connected();
    void verifyActivationStatus();
    void getPAGList();
    void setPrefPag(PAG pag);
    void getViolationList();
    void getPeerList();
    void generateQR(bool regenerate);
    void rebootCancelled();

private:
    enum class LinkState
    {
        Starting,
        Up,
        Down
    };

    void attemptFailed();
    void reportUntrustedListener(qint64 ownerUid);
    void sendRequest(int type);
    void sendRequest(int type, const QString& payloadKey, const QJsonValue& payload);
    void writeLine(const QJsonObject& request);

    tcpsocket* transport;
    LinkState link = LinkState::Starting;
    // The last line and the message it carried, so that an agent repeating itself is not parsed again.
    QByteArray lastLine;
    std::optional<QJsonObject> lastMessage;
};
