#pragma once

#include <QLockFile>
#include <QString>

// Marks the one running instance of the program with a lock file in the user's runtime folder. A lock
// whose owner is gone, cannot be read, or names another host is stale and is taken over.
class InstanceLock {
public:
    enum class Outcome {
        Acquired,
        HeldByRunningInstance,
        // Something other than a file (a folder) is at the lock's path.
        NotAFile,
        // The lock cannot be made at all (no runtime folder): the program runs rather than refuse the user.
        Unavailable,
    };

    explicit InstanceLock(const QString& path = defaultPath());

    [[nodiscard]] Outcome acquire();

    QString path() const { return lockPath; }
    static QString defaultPath();

private:
    bool ownerIsGone() const;

    QString lockPath;
    QLockFile lock;
};
