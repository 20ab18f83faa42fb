#pragma once

#include <QByteArray>
#include <QList>

namespace agentsim {

// Cuts a byte stream into lines. TCP gives no message boundaries: one read may hold half a line or several
// lines, so bytes are kept until their "\n" arrives. A line longer than the limit is dropped whole (the bytes up
// to its "\n" are discarded as they come) rather than buffered without bound.
class LineBuffer
{
public:
    static constexpr qsizetype DefaultMaxLine = 16 * 1024 * 1024;

    explicit LineBuffer(qsizetype maxLine = DefaultMaxLine);

    struct Result
    {
        QList<QByteArray> lines; // without the "\n" and without a trailing "\r"
        int overlong = 0;        // lines dropped for exceeding the limit
    };

    Result feed(const QByteArray& bytes);
    qsizetype pendingBytes() const { return m_buffer.size(); }
    void setMaxLine(qsizetype maxLine) { m_maxLine = maxLine; }

private:
    QByteArray m_buffer;
    qsizetype m_scanned = 0;
    qsizetype m_maxLine;
    bool m_discarding = false;
};

} // namespace agentsim
