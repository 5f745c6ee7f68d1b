#include "tests/reliability/FaultyDisks.h"

#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <QFile>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

FullDisk::FullDisk() {
    if (!dir.isValid()) {
        error = "no temporary folder";
        return;
    }
    if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=256k,mode=0755") != 0) {
        error = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
        return;
    }
    isMounted = true;
}

FullDisk::~FullDisk() {
    if (isMounted)
        ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

void FullDisk::fill() const {
    QFile filler(file(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
}

namespace {

const FailingReads& self() {
    return *static_cast<const FailingReads*>(fuse_get_context()->private_data);
}

const FailingReads::File* find(const char* path) {
    const auto& files = self().files;
    const auto it = files.constFind(QString::fromUtf8(path + 1));
    return it == files.constEnd() ? nullptr : &*it;
}

int getattr(const char* path, struct stat* st, fuse_file_info*) {
    std::memset(st, 0, sizeof *st);
    if (std::strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
        return 0;
    }
    const FailingReads::File* f = find(path);
    if (!f)
        return -ENOENT;
    st->st_mode = S_IFREG | 0444;
    st->st_nlink = 1;
    st->st_size = f->bytes.size();
    return 0;
}

int open(const char* path, fuse_file_info* fi) {
    if (!find(path))
        return -ENOENT;
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EACCES;
    // Every read reaches this file system, none is served from the page cache.
    fi->direct_io = 1;
    return 0;
}

int read(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info*) {
    const FailingReads::File* f = find(path);
    if (!f)
        return -ENOENT;
    if (offset >= f->readable)
        return -EIO;
    const qint64 n = std::min<qint64>(qint64(size), std::min<qint64>(f->readable, f->bytes.size()) - offset);
    std::memcpy(buffer, f->bytes.constData() + offset, size_t(n));
    return int(n);
}

} // namespace

FailingReads::FailingReads(QMap<QString, File> files) : files(std::move(files)) {
    static const fuse_operations operations = [] {
        fuse_operations ops{};
        ops.getattr = getattr;
        ops.open = open;
        ops.read = read;
        return ops;
    }();
    char name[] = "failing-reads";
    char* argv[] = {name, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    fuse* created = fuse_new(&args, &operations, sizeof operations, this);
    if (!created) {
        error = "fuse_new failed";
        return;
    }
    if (fuse_mount(created, QFile::encodeName(dir.path()).constData()) != 0) {
        error = "fuse_mount failed (needs /dev/fuse and root)";
        fuse_destroy(created);
        return;
    }
    session = created;
    loop = std::thread([created] { fuse_loop(created); });
}

FailingReads::~FailingReads() {
    if (!session)
        return;
    // Unmounting ends the kernel's connection, which wakes the loop from its wait for a request.
    fuse_exit(session);
    fuse_unmount(session);
    loop.join();
    fuse_destroy(session);
}
