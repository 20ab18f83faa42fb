#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <deque>

// A log that forgets its oldest entries: it never holds more than `maxCount` entries nor more than `maxBytes` bytes
// of them, as measured by byteSize(entry). A single entry larger than the whole budget is the caller's to shorten.
template <typename T> class BoundedRing
{
public:
    BoundedRing(int maxCount, qint64 maxBytes) : maxCount(maxCount), maxBytes(maxBytes) {}

    void push(T entry)
    {
        bytes += byteSize(entry);
        entries.push_back(std::move(entry));
        trim();
    }
    void replaceLast(T entry)
    {
        bytes += byteSize(entry) - byteSize(entries.back());
        entries.back() = std::move(entry);
        trim();
    }
    void dropLast()
    {
        bytes -= byteSize(entries.back());
        entries.pop_back();
    }
    void clear()
    {
        entries.clear();
        bytes = 0;
        forgotten = 0;
    }

    const T* last() const { return entries.empty() ? nullptr : &entries.back(); }
    const std::deque<T>& all() const { return entries; }
    int count() const { return int(entries.size()); }
    qint64 size() const { return bytes; }
    // Entries pushed out to make room since the last clear().
    qint64 dropped() const { return forgotten; }
    int countLimit() const { return maxCount; }
    qint64 byteLimit() const { return maxBytes; }

private:
    void trim()
    {
        while (!entries.empty() && (int(entries.size()) > maxCount || bytes > maxBytes)) {
            bytes -= byteSize(entries.front());
            entries.pop_front();
            ++forgotten;
        }
    }

    const int maxCount;
    const qint64 maxBytes;
    std::deque<T> entries;
    qint64 bytes = 0;
    qint64 forgotten = 0;
};

inline qint64 byteSize(const QByteArray& entry)
{
    return entry.size();
}
