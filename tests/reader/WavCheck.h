#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// What a test needs to know of a PCM WAV file: its header and a summary of its samples
// (amplitudes scaled to -1..1).
struct WavInfo {
    bool valid = false;
    int sampleRate = 0;
    int channels = 0;
    int bits = 0;
    int byteRate = 0;
    int blockAlign = 0;
    bool sizesAgree = false;
    qint64 frames = 0;
    double peak = 0;
    double mean = 0;
    bool channelsEqual = true;

    double seconds() const { return sampleRate ? double(frames) / sampleRate : 0; }
};

// The 44-byte header of a WAV file whose format chunk says `tag`, `bits` and `channels`, declaring
// `dataBytes` bytes of data.
inline QByteArray wavHeader(quint16 tag, int bits, int channels, quint32 dataBytes, int rate = 22050) {
    QByteArray b;
    const auto put32 = [&](quint32 v) {
        char raw[4];
        qToLittleEndian(v, raw);
        b.append(raw, 4);
    };
    const auto put16 = [&](quint16 v) {
        char raw[2];
        qToLittleEndian(v, raw);
        b.append(raw, 2);
    };
    b.append("RIFF");
    put32(36 + dataBytes);
    b.append("WAVEfmt ");
    put32(16);
    put16(tag);
    put16(quint16(channels));
    put32(quint32(rate));
    put32(quint32(rate * channels * bits / 8));
    put16(quint16(channels * bits / 8));
    put16(quint16(bits));
    b.append("data");
    put32(dataBytes);
    return b;
}

inline WavInfo parseWav(const QByteArray& b) {
    WavInfo w;
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data")
        return w;
    const char* p = b.constData();
    w.channels = qFromLittleEndian<quint16>(p + 22);
    w.sampleRate = int(qFromLittleEndian<quint32>(p + 24));
    w.byteRate = int(qFromLittleEndian<quint32>(p + 28));
    w.blockAlign = qFromLittleEndian<quint16>(p + 32);
    w.bits = qFromLittleEndian<quint16>(p + 34);
    const qint64 data = qFromLittleEndian<quint32>(p + 40);
    const qint64 riff = qFromLittleEndian<quint32>(p + 4);
    w.sizesAgree = riff == b.size() - 8 && (data == b.size() - 44 || data + 1 == b.size() - 44);
    if (w.blockAlign == 0)
        return w;
    w.frames = data / w.blockAlign;
    double sum = 0;
    for (qint64 f = 0; f < w.frames; ++f) {
        double first = 0;
        for (int c = 0; c < w.channels; ++c) {
            const char* s = p + 44 + f * w.blockAlign + c * (w.bits / 8);
            const double v =
                w.bits == 8 ? (int(quint8(*s)) - 128) / 128.0 : qFromLittleEndian<qint16>(s) / 32768.0;
            if (c == 0)
                first = v;
            else if (v != first)
                w.channelsEqual = false;
        }
        w.peak = std::max(w.peak, std::abs(first));
        sum += first;
    }
    w.mean = w.frames ? sum / w.frames : 0;
    w.valid = true;
    return w;
}
