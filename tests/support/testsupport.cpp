#include "tests/support/testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QJsonDocument>
#include <QMessageBox>
#include <QTest>

FakeAgent::FakeAgent(quint16 listenPort, QObject* parent) : QObject(parent)
{
    server.listen(QHostAddress::LocalHost, listenPort);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        client = server.nextPendingConnection();
        received.clear();
        consumed = 0;
        answered = 0;
        connect(client, &QTcpSocket::readyRead, this, [this] {
            received += client->readAll();
            answerNewLines();
        });
    });
}

void FakeAgent::answerNewLines()
{
    if (!responder) {
        answered = received.lastIndexOf('\n') + 1;
        return;
    }
    for (int end = received.indexOf('\n', answered); end >= 0; end = received.indexOf('\n', answered)) {
        const QByteArray line = received.mid(answered, end + 1 - answered);
        answered = end + 1;
        const QByteArray answer = responder(line);
        if (!answer.isEmpty() && client)
            client->write(answer);
    }
}

bool FakeAgent::waitForClient(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !client.isNull(); }, timeoutMs);
}

QByteArray FakeAgent::nextLine(int timeoutMs)
{
    if (!QTest::qWaitFor([this] { return received.indexOf('\n', consumed) >= 0; }, timeoutMs))
        return {};
    const int end = received.indexOf('\n', consumed) + 1;
    const QByteArray line = received.mid(consumed, end - consumed);
    consumed = end;
    return line;
}

void FakeAgent::send(const QByteArray& bytes)
{
    client->write(bytes);
    client->flush();
}

void FakeAgent::dropClient()
{
    if (client) {
        client->disconnectFromHost();
        client = nullptr;
    }
}

QByteArray agentLine(const char* json)
{
    return QByteArray(json) + '\n';
}

QJsonObject loadFixture(const char* name)
{
    QFile file(QStringLiteral(VEXAUI_FIXTURES_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return QJsonDocument::fromJson(file.readAll()).object();
}

quint16 closedLoopbackPort()
{
    FakeAgent agent;
    const quint16 port = agent.port();
    agent.stopListening();
    return port;
}

QAbstractButton* buttonNamed(const QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}
