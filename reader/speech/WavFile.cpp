#include "reader/speech/WavFile.h"

#include <QtEndian>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kExtensible = 0xFFFE;

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

bool WavFile::looksLikeWav(const QByteArray& head) {
    return head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

std::unique_ptr<WavFile> WavFile::open(const QString& path, QString& error) {
    std::unique_ptr<WavFile> wav(new WavFile);
    wav->file.setFileName(path);
    if (!wav->file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法打开文件");
        return nullptr;
    }
    const qint64 size = wav->file.size();
    if (size == 0) {
        error = QStringLiteral("文件是空的");
        return nullptr;
    }
    if (!looksLikeWav(wav->file.read(12))) {
        error = QStringLiteral("这不是WAV声音文件");
        return nullptr;
    }
    const QString incomplete = QStringLiteral("WAV文件不完整");
    bool haveFormat = false;
    for (;;) {
        const QByteArray chunk = wav->file.read(8);
        if (chunk.size() < 8) {
            error = incomplete;
            return nullptr;
        }
        const qint64 chunkSize = le32(chunk.constData() + 4);
        const qint64 at = wav->file.pos();
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = wav->file.read(qMin<qint64>(chunkSize, 40));
            if (fmt.size() < 16 || fmt.size() < qMin<qint64>(chunkSize, 40)) {
                error = incomplete;
                return nullptr;
            }
            quint16 tag = le16(fmt.constData());
            if (tag == kExtensible && fmt.size() >= 26)
                tag = le16(fmt.constData() + 24);
            wav->channels = le16(fmt.constData() + 2);
            wav->rate = int(le32(fmt.constData() + 4));
            wav->bits = le16(fmt.constData() + 14);
            if (tag != kPcm || (wav->bits != 8 && wav->bits != 16)) {
                error = QStringLiteral("不支持这种WAV编码（只能播放8位或16位PCM）");
                return nullptr;
            }
            if (wav->channels < 1 || wav->rate < 1000 || wav->rate > 384000) {
                error = QStringLiteral("WAV文件的格式有误");
                return nullptr;
            }
            haveFormat = true;
        } else if (chunk.startsWith("data")) {
            if (!haveFormat) {
                error = QStringLiteral("WAV文件的格式有误");
                return nullptr;
            }
            const qint64 frameBytes = qint64(wav->channels) * wav->bits / 8;
            if (chunkSize < frameBytes) {
                error = QStringLiteral("WAV文件里没有声音");
                return nullptr;
            }
            if (at + chunkSize > size) {
                error = incomplete;
                return nullptr;
            }
            wav->left = chunkSize - chunkSize % frameBytes;
            return wav;
        }
        if (!wav->file.seek(at + chunkSize + (chunkSize & 1))) {
            error = incomplete;
            return nullptr;
        }
    }
}

void WavFile::read(std::size_t frames, std::vector<std::int16_t>& out) {
    const int frameBytes = channels * bits / 8;
    const qint64 want = qMin<qint64>(qint64(frames) * frameBytes, left);
    buffer.resize(want);
    const qint64 got = want > 0 ? file.read(buffer.data(), want) : 0;
    // A file that shrank while it played ends where its bytes end.
    left = got < want ? 0 : left - got;
    const qint64 n = qMax<qint64>(got, 0) / frameBytes;
    out.reserve(out.size() + std::size_t(n));
    for (qint64 f = 0; f < n; ++f) {
        const char* frame = buffer.constData() + f * frameBytes;
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
            sum += bits == 8 ? (int(quint8(frame[c])) - 128) << 8
                             : int(qFromLittleEndian<std::int16_t>(frame + 2 * c));
        }
        out.push_back(std::int16_t(sum / channels));
    }
}
