#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLocalSocket;

// The way a later start wakes the running instance of the same user: a local socket that the owner of the
// single-instance slot listens on. A connection is the whole message; it costs the idle owner nothing, where
// looking at the shared flag ten times a second woke it all day.
class InstanceDoorbell : public QObject
{
    Q_OBJECT
public:
    explicit InstanceDoorbell(QObject* parent = nullptr);

    // Only the owner of the slot listens, so a socket already under that name is a crashed owner's leftover.
    bool listen(const QString& name);
    void close() { server.close(); }
    bool isListening() const { return server.isListening(); }

    // Connects to the owner and goes again; false when nobody listens (an owner of another build, or none).
    static bool ring(const QString& name, int timeoutMs = 1000);

    // A visitor that writes one line is asking something; the answer goes back on the same connection, and only
    // to a program of the same user. Each answerer knows its own requests and returns nothing for the others; they
    // are asked in the order they came. Without an answerer every visitor is only a ring.
    using Answerer = std::function<QByteArray(const QByteArray& request)>;
    void answerRequests(Answerer answerer) { requestAnswerers.push_back(std::move(answerer)); }
    // Asks the owner, if it is of the same user; empty when nobody answers (none listens, or an owner that only
    // counts rings). `reached` tells whether an owner of the same user took the question at all, so that one that
    // stays silent (a busy or frozen window) is not mistaken for none.
    static QByteArray ask(const QString& name, const QByteArray& request, int timeoutMs = 10000,
                          bool* reached = nullptr);

signals:
    void rung();

private:
    void answer();
    void serve(QLocalSocket* visitor);

    QLocalServer server;
    std::vector<Answerer> requestAnswerers;
};
