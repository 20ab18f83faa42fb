#pragma once

#include "app/instancedoorbell.h"

#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

// One running instance per user. The owner holds a tiny shared segment; a later start finds it, leaves a show
// request in its first byte (other builds of the program look there), rings the owner's doorbell and ends, and the
// owner takes the request and brings its window forward.
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

    // Rings while this instance owns the slot; the receiver then takes the request with takeShowRequest().
    InstanceDoorbell* doorbell() { return &ownerDoorbell; }

    static QString generateKeyHash(const QString& key, const QString& salt);
    // Where the owner of the slot for this key listens.
    static QString doorbellNameFor(const QString& key);
    // The user's runtime folder: XDG_RUNTIME_DIR, or without it the login session's folder when the user has one.
    static QString runtimeFolder(const QString& sessionFolders = QStringLiteral("/run/user"));

private:
    const QString key;
    const QString lockName;
    const QString segmentName;
    const QString doorbellName;
    QSharedMemory segment;
    QSystemSemaphore lockSemaphore;
    InstanceDoorbell ownerDoorbell;
};
