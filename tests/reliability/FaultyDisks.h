#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <thread>

struct fuse;

// A small tmpfs mounted over a temporary folder, to be filled up so that the next write meets a full
// disk. Mounting needs root; `error` says why it is not mounted otherwise.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return isMounted; }
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    std::string error;

    // Writes a file that takes every free block left.
    void fill() const;

private:
    QTemporaryDir dir;
    bool isMounted = false;
};

// A read-only FUSE file system whose files read fine up to a point and fail with EIO past it, as a
// damaged disk or a dropped network share does.
class FailingReads {
public:
    struct File {
        QByteArray bytes;
        qint64 readable = 0; // bytes before the first failing read
    };

    explicit FailingReads(QMap<QString, File> files);
    ~FailingReads();
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;

    bool mounted() const { return session != nullptr; }
    QString file(const QString& name) const { return dir.filePath(name); }
    std::string error;

    const QMap<QString, File> files;

private:
    QTemporaryDir dir;
    fuse* session = nullptr;
    std::thread loop;
};
