#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// The byte pipe to the local agent: connects to its loopback port, retries every few seconds while the agent is
// unreachable, and hands up the incoming stream one complete line at a time. Connecting never holds up the event
// loop: an attempt runs in the background and is given up when it has not succeeded within a few seconds.
class tcpsocket : public QObject
{
    Q_OBJECT
public:
    static constexpr int retryDelayMs = 5000;
    static constexpr int connectTimeoutMs = 5000;
    // Agent snapshots with long compliance lists can reach megabytes; anything beyond this is not a message.
    static constexpr int defaultMaxLineLength = 16 * 1024 * 1024;

    // The agent's port for this build's edition.
    static quint16 agentPort();

    explicit tcpsocket(quint16 port = agentPort(), QObject* parent = nullptr);

    void write(const QByteArray& bytes);
    void write(const char* bytes);

    // Lines longer than this (without their "\n") are dropped whole; tests shrink it.
    void setMaxLineLength(int bytes) { maxLineLength = bytes; }
    // The pending reconnection, so tests can see it and need not wait for it.
    QTimer* reconnectTimer() { return &retryTimer; }
    // The running attempt's time limit (a child named "connectTimeout"), so tests need not wait for it either.
    QTimer* connectTimeoutTimer() { return &connectTimer; }

signals:
    void event_notify(QByteArray line);
    // A line over the length limit was dropped: whatever waited for the agent's answer will not get it.
    void lineDiscarded();
    void connectedToBackend();
    // An attempt ended without a link (refused, timed out, or an untrusted listener); the next one is scheduled.
    void connectFailed();
    void disconnected();
    // A program of another user listened on the agent's port; the link stays down and is tried again later.
    // The owner is -1 when the kernel's tables do not show one.
    void untrustedListener(qint64 ownerUid);

public slots:
    // Starts an attempt and returns at once; the outcome arrives as connectedToBackend() or connectFailed().
    // Nothing happens while an attempt runs or the link is up.
    void Connect();
    void connected_callback();
    void disconnected_callback();
    void bytesWritten_callback(qint64 bytes);
    void readyRead_callback();
    void connectionError_Handler(QAbstractSocket::SocketError error);

private:
    void abandonAttempt();
    void refuse(qint64 ownerUid);
    void resetLineBuffer();

    QTcpSocket socket;
    QTimer retryTimer;
    QTimer connectTimer;
    const quint16 port;
    int maxLineLength = defaultMaxLineLength;
    QByteArray partialLine;
    bool discardingLine = false;
    QList<QByteArray> completeLines;
    bool refusing = false;
};
