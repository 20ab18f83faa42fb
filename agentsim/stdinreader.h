#pragma once

#include "linebuffer.h"

#include <QObject>

class QSocketNotifier;

namespace agentsim {

// Reads console lines from standard input without blocking the event loop. At end of input (or when standard
// input is /dev/null or closed) it simply stops: the simulator keeps serving.
class StdinReader : public QObject
{
    Q_OBJECT

public:
    explicit StdinReader(QObject* parent = nullptr);

signals:
    void lineRead(const QString& line);
    void closed();

private:
    void readAvailable();
    void finish();

    QSocketNotifier* m_notifier = nullptr;
    LineBuffer m_buffer{64 * 1024};
};

} // namespace agentsim
