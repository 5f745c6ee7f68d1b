#include "shell/InstanceLock.h"

#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& path) : lock(path) {
    // A running instance holds its lock for the whole session: only a dead owner makes it stale.
    lock.setStaleLockTime(0);
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
