#include "stdinreader.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace agentsim {

StdinReader::StdinReader(QObject* parent) : QObject(parent)
{
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) {
        QTimer::singleShot(0, this, &StdinReader::closed);
        return;
    }
    // Started with "&" from an interactive shell, a read from the terminal would stop the whole simulator
    // (SIGTTIN). Ignored, the read fails with EIO instead, and the console waits until it is in the foreground.
    std::signal(SIGTTIN, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StdinReader::readAvailable);
}

void StdinReader::readAvailable()
{
    char chunk[4096];
    const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count < 0 && errno == EIO) {
        m_notifier->setEnabled(false);
        QTimer::singleShot(500, this, [this] { m_notifier->setEnabled(true); });
        return;
    }
    if (count <= 0) {
        finish();
        return;
    }
    for (const QByteArray& line : m_buffer.feed(QByteArray(chunk, int(count))).lines)
        emit lineRead(QString::fromUtf8(line));
}

void StdinReader::finish()
{
    m_notifier->setEnabled(false);
    // A last command without its line break still counts.
    for (const QByteArray& line : m_buffer.feed(QByteArrayLiteral("\n")).lines) {
        if (!line.isEmpty())
            emit lineRead(QString::fromUtf8(line));
    }
    emit closed();
}

} // namespace agentsim
