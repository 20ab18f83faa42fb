#include "linebuffer.h"

namespace agentsim {

LineBuffer::LineBuffer(qsizetype maxLine) : m_maxLine(maxLine) {}

LineBuffer::Result LineBuffer::feed(const QByteArray& bytes)
{
    Result result;
    m_buffer.append(bytes);
    qsizetype start = 0;
    for (;;) {
        const qsizetype newline = m_buffer.indexOf('\n', qMax(start, m_scanned));
        if (newline < 0)
            break;
        if (m_discarding) {
            m_discarding = false;
        } else if (newline - start > m_maxLine) {
            ++result.overlong;
        } else {
            QByteArray line = m_buffer.mid(start, newline - start);
            if (line.endsWith('\r'))
                line.chop(1);
            result.lines.append(line);
        }
        start = newline + 1;
        m_scanned = start;
    }
    m_buffer.remove(0, start);
    m_scanned = m_buffer.size();
    if (m_discarding) {
        m_buffer.clear();
        m_scanned = 0;
    } else if (m_buffer.size() > m_maxLine) {
        ++result.overlong;
        m_discarding = true;
        m_buffer.clear();
        m_scanned = 0;
    }
    return result;
}

} // namespace agentsim
