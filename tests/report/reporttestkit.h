#pragma once

#include "agent/tcpsocket.h"
#include "support/supportlog.h"
#include "support/supportreport.h"

#include <KZip>
#include <QBuffer>
#include <QMap>

// A fresh support log in place of the program's for the life of the test.
class ScopedSupportLog
{
public:
    ScopedSupportLog() { SupportLog::setInstance(&log); }
    ~ScopedSupportLog() { SupportLog::setInstance(nullptr); }
    ScopedSupportLog(const ScopedSupportLog&) = delete;
    ScopedSupportLog& operator=(const ScopedSupportLog&) = delete;

    // Every byte the log keeps.
    QByteArray keptBytes() const
    {
        const SupportLog::Contents kept = log.contents();
        return kept.history.join(QLatin1Char('\n')).toUtf8() + kept.messages.join() + kept.requests.join() +
               kept.warnings.join() + kept.snapshot;
    }

    SupportLog log;
};

// The files of a zip archive as KArchive reads them back; empty when it does not open.
inline QMap<QString, QByteArray> readArchive(const QByteArray& archive)
{
    QBuffer buffer;
    buffer.setData(archive);
    KZip zip(&buffer);
    QMap<QString, QByteArray> files;
    if (!zip.open(QIODevice::ReadOnly))
        return files;
    for (const QString& name : zip.directory()->entries()) {
        if (const KArchiveFile* file = zip.directory()->file(name))
            files.insert(name, file->data());
    }
    return files;
}

// The name in the archive's first local header: a zip's entries are read in the order they were written.
inline QByteArray firstEntryName(const QByteArray& archive)
{
    if (archive.size() < 30 || !archive.startsWith("PK\x03\x04"))
        return QByteArray();
    const int nameLength = quint8(archive[26]) | quint8(archive[27]) << 8;
    return archive.mid(30, nameLength);
}
