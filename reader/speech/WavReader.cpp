#include "reader/speech/WavReader.h"

#include <QtEndian>

namespace WavReader {

namespace {
quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
} // namespace

bool looksLikeWav(const QByteArray& bytes) {
    return bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

std::optional<WavSamples> read(const QByteArray& bytes) {
    if (!looksLikeWav(bytes))
        return std::nullopt;
    int channels = 0;
    int bits = 0;
    int rate = 0;
    const char* data = nullptr;
    qint64 dataSize = 0;
    qint64 pos = 12;
    while (pos + 8 <= bytes.size()) {
        const char* chunk = bytes.constData() + pos;
        const qint64 size = le32(chunk + 4);
        const qint64 available = qMin<qint64>(size, bytes.size() - pos - 8);
        if (chunk[0] == 'f' && chunk[1] == 'm' && chunk[2] == 't' && chunk[3] == ' ' && available >= 16) {
            if (le16(chunk + 8) != 1)
                return std::nullopt;
            channels = le16(chunk + 10);
            rate = int(le32(chunk + 12));
            bits = le16(chunk + 22);
        } else if (chunk[0] == 'd' && chunk[1] == 'a' && chunk[2] == 't' && chunk[3] == 'a') {
            data = chunk + 8;
            dataSize = available;
            break;
        }
        pos += 8 + size + (size & 1);
    }
    if (!data || channels < 1 || rate < 1000 || rate > 384000 || (bits != 8 && bits != 16))
        return std::nullopt;
    const int frameBytes = channels * bits / 8;
    const qint64 frames = dataSize / frameBytes;
    WavSamples out;
    out.sampleRate = rate;
    out.mono.resize(std::size_t(frames));
    for (qint64 f = 0; f < frames; ++f) {
        const char* frame = data + f * frameBytes;
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
            sum += bits == 8 ? (int(quint8(frame[c])) - 128) << 8
                             : int(qFromLittleEndian<std::int16_t>(frame + 2 * c));
        }
        out.mono[std::size_t(f)] = std::int16_t(sum / channels);
    }
    return out;
}

} // namespace WavReader
