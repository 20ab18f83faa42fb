#include "app/runguard.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {
constexpr char showRequestFlag = 's';
constexpr int segmentSize = 8;
} // namespace

QString RunGuard::doorbellNameFor(const QString& key)
{
    // In the user's own runtime folder where there is one, so that no other user can squat the name first.
    const QString name = QStringLiteral("vexaui-") + RunGuard::generateKeyHash(key, QStringLiteral("_rvBellSalt"));
    const QString runtime = runtimeFolder();
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

QString RunGuard::runtimeFolder(const QString& sessionFolders)
{
    // A shell outside the login session (su, ssh without a session, cron) has no XDG_RUNTIME_DIR, and Qt would make
    // up a folder in /tmp where no window listens. The session's own folder is where the window it started is.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QFileInfo session(sessionFolders + QLatin1Char('/') + QString::number(::getuid()));
        if (session.isDir() && session.ownerId() == ::getuid())
            return session.filePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString RunGuard::generateKeyHash(const QString& key, const QString& salt)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(key.toUtf8());
    hash.addData(salt.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

RunGuard::RunGuard(const QString& key)
    : key(key), lockName(generateKeyHash(key, QStringLiteral("_rvLockSalt"))),
      segmentName(generateKeyHash(key, QStringLiteral("_rvShmSaltXyz"))), doorbellName(doorbellNameFor(key)),
      segment(segmentName), lockSemaphore(lockName, 1)
{
    // A segment left behind by an owner that crashed is still attachable on Unix; attaching and detaching once
    // removes it when nobody else holds it, so a crash does not lock the user out.
    lockSemaphore.acquire();
    {
        QSharedMemory leftover(segmentName);
        leftover.attach();
    }
    lockSemaphore.release();
}

RunGuard::~RunGuard()
{
    release();
}

bool RunGuard::tryToRun()
{
    if (!segment.isAttached()) {
        lockSemaphore.acquire();
        if (segment.attach()) {
            segment.lock();
            static_cast<char*>(segment.data())[0] = showRequestFlag;
            segment.unlock();
            segment.detach();
            lockSemaphore.release();
            InstanceDoorbell::ring(doorbellName);
            return false;
        }
        lockSemaphore.release();
    }

    lockSemaphore.acquire();
    const bool created = segment.create(segmentSize);
    lockSemaphore.release();
    if (created) {
        // Without a doorbell the instance still runs; a later start then only leaves its flag.
        ownerDoorbell.listen(doorbellName);
        return true;
    }

    lockSemaphore.acquire();
    if (segment.isAttached())
        segment.detach();
    lockSemaphore.release();
    return false;
}

bool RunGuard::takeShowRequest()
{
    if (!segment.isAttached())
        return false;
    segment.lock();
    char* flag = static_cast<char*>(segment.data());
    const bool requested = flag[0] == showRequestFlag;
    if (requested)
        flag[0] = 0;
    segment.unlock();
    return requested;
}

void RunGuard::release()
{
    ownerDoorbell.close();
    lockSemaphore.acquire();
    if (segment.isAttached())
        segment.detach();
    lockSemaphore.release();
}
