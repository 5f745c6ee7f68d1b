#include "reader/speech/SpFileStream.h"

#include <QSaveFile>
#include <QtEndian>

namespace {
constexpr int kHeaderBytes = 44;

void put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
} // namespace

SpFileStream::SpFileStream() = default;
SpFileStream::~SpFileStream() = default;

QByteArray SpFileStream::header(quint32 bytes) const {
    QByteArray h;
    h.reserve(kHeaderBytes);
    h.append("RIFF", 4);
    put32(h, 36 + bytes + (bytes & 1));
    h.append("WAVEfmt ", 8);
    put32(h, 16);
    put16(h, 1);
    put16(h, quint16(openFormat.channels));
    put32(h, quint32(openFormat.sampleRate));
    put32(h, quint32(openFormat.bytesPerSecond()));
    put16(h, quint16(openFormat.bytesPerFrame()));
    put16(h, quint16(openFormat.bitsPerSample));
    h.append("data", 4);
    put32(h, bytes);
    return h;
}

bool SpFileStream::Open(const QString& fileName, int mode) {
    if (mode != SSFMCreateForWrite || file || fileName.isEmpty())
        return false;
    auto target = std::make_unique<QSaveFile>(fileName);
    if (!target->open(QIODevice::WriteOnly))
        return false;
    openFormat = format();
    dataBytes = 0;
    failed = false;
    setFailure({});
    file = std::move(target);
    write({});
    return !failed;
}

void SpFileStream::write(const QByteArray& bytes) {
    if (!file || failed)
        return;
    if (dataBytes == 0 && file->pos() == 0 && file->write(header(0)) != kHeaderBytes)
        failed = true;
    if (!bytes.isEmpty() && file->write(bytes) != bytes.size())
        failed = true;
    dataBytes += bytes.size();
}

bool SpFileStream::Close() {
    if (!file)
        return false;
    std::unique_ptr<QSaveFile> closing = std::move(file);
    // A chunk of odd size is padded to an even one; RIFF sizes are 32-bit.
    if ((dataBytes & 1) && closing->write("", 1) != 1)
        failed = true;
    if (failed || !failure().isEmpty() || dataBytes > 0xFFFFFFFFLL - 36 || !closing->seek(0) ||
        closing->write(header(quint32(dataBytes))) != kHeaderBytes) {
        closing->cancelWriting();
        return false;
    }
    return closing->commit();
}
