#pragma once

#include <QLockFile>
#include <QString>

// Marks the one running instance of the program with a lock file in the user's runtime folder. A lock
// left by a crashed instance is stale (its process is gone) and is taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path = defaultPath());

    // False only when another running process holds the lock. When the lock cannot be made at all
    // (no runtime folder), the program runs rather than refuse the user.
    bool acquire();

    static QString defaultPath();

private:
    QLockFile lock;
};
