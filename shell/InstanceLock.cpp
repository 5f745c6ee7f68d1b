#include "shell/InstanceLock.h"

#include <QStandardPaths>

#include <limits>

InstanceLock::InstanceLock(const QString& path) : lock(path) {
    // A running instance holds its lock for the whole session, so age alone must not make the lock
    // stale (0 would switch stale detection off altogether); a dead owner does.
    lock.setStaleLockTime(std::numeric_limits<int>::max());
}

bool InstanceLock::acquire() {
    if (lock.tryLock(0))
        return true;
    return lock.error() != QLockFile::LockFailedError;
}

QString InstanceLock::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/phonexa.lock");
}
