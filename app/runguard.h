#pragma once

#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

// One running instance per user. The owner holds a tiny shared segment; a later start finds it, leaves a show
// request in its first byte and ends, and the owner's poll brings its window forward.
class RunGuard
{
public:
    explicit RunGuard(const QString& key);
    ~RunGuard();
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

    bool tryToRun();
    bool takeShowRequest();
    void release();

    static QString generateKeyHash(const QString& key, const QString& salt);

private:
    const QString key;
    const QString lockName;
    const QString segmentName;
    QSharedMemory segment;
    QSystemSemaphore lockSemaphore;
};
