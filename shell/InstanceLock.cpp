#include "shell/InstanceLock.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <limits>

InstanceLock::InstanceLock(const QString& path) : lockPath(path), lock(path) {
    // A running instance holds its lock for the whole session, so age alone must not make the lock
    // stale (0 would switch stale detection off altogether); a dead owner does.
    lock.setStaleLockTime(std::numeric_limits<int>::max());
}

bool InstanceLock::ownerIsGone() const {
    // QLockFile itself judges only a readable lock of this host; an empty or garbled one (a crash
    // while it was written, a full disk) or one copied from another machine would otherwise count as
    // held until its age passes the stale time.
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock.getLockInfo(&pid, &host, &app))
        return true;
    return !host.isEmpty() && host != QSysInfo::machineHostName();
}

InstanceLock::Outcome InstanceLock::acquire() {
    const QFileInfo info(lockPath);
    if (info.exists() && !info.isFile())
        return Outcome::NotAFile;
    if (lock.tryLock(0))
        return Outcome::Acquired;
    if (lock.error() != QLockFile::LockFailedError)
        return Outcome::Unavailable;
    if (ownerIsGone() && lock.removeStaleLockFile() && lock.tryLock(0))
        return Outcome::Acquired;
    return Outcome::HeldByRunningInstance;
}

QString InstanceLock::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/phonexa.lock");
}
