#pragma once

#include <sys/mount.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

// A tmpfs of a few kilobytes mounted on a temporary folder, so that writes there run out of space.
// Mounting needs root (or the capability to mount); ready() says whether it worked, and why not.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, options.constData()) == 0)
            mounted = true;
        else
            failure = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool ready() const { return mounted; }
    std::string whyNot() const { return "cannot mount a tmpfs: " + failure.toStdString(); }
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

private:
    QTemporaryDir dir;
    bool mounted = false;
    QString failure;
};
