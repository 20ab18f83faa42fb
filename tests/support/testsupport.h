#pragma once

#include "app/brandprofile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

class QAbstractButton;
class QMessageBox;

// A fake agent on an ephemeral loopback port: it records the lines the interface writes and sends whatever a test
// tells it to, byte for byte, so framing and request bytes are checked over a real socket.
class FakeAgent : public QObject
{
    Q_OBJECT
public:
    explicit FakeAgent(quint16 listenPort = 0, QObject* parent = nullptr);
    bool isListening() const { return server.isListening(); }
    quint16 port() const { return server.serverPort(); }

    bool waitForClient(int timeoutMs = 5000);
    // The next complete line written by the client, "\n" included; empty on time-out.
    QByteArray nextLine(int timeoutMs = 5000);
    QByteArray bytesReceived() const { return received; }
    void send(const QByteArray& bytes);
    void dropClient();
    void stopListening() { server.close(); }

    // Answers every complete line the client writes from now on, as an agent would; an empty answer sends nothing.
    // The lines stay readable through nextLine().
    using Responder = std::function<QByteArray(const QByteArray& line)>;
    void setResponder(Responder answer) { responder = std::move(answer); }

private:
    void answerNewLines();

    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray received;
    int consumed = 0;
    int answered = 0;
    Responder responder;
};

// A compact JSON line as the agent would send it.
QByteArray agentLine(const char* json);

// A JSON message kept as a file in tests/fixtures.
QJsonObject loadFixture(const char* name);

// The box's button that reads `text` without its mnemonic; null when it has none.
QAbstractButton* buttonNamed(const QMessageBox& box, const QString& text);

// The port of a loopback listener that has closed again: connecting to it is refused at once.
quint16 closedLoopbackPort();

// Runs a test under the shipped brand with another enrollment method.
class ActivationTypeScope
{
public:
    explicit ActivationTypeScope(int activationType) : scope(withType(activationType)) {}

private:
    static BrandProfile withType(int activationType)
    {
        BrandProfile profile = brand();
        profile.activationType = activationType;
        return profile;
    }
    ScopedBrandProfile scope;
};
