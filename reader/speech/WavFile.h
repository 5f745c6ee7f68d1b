#pragma once

#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// A PCM WAV file (8 or 16 bit, any rate and channel count) read in blocks and mixed down to
// mono, so that playing a long file holds only the block at hand.
class WavFile {
public:
    // True when the bytes start like a RIFF WAVE file.
    static bool looksLikeWav(const QByteArray& head);
    // The file, or null with `error` saying why it cannot be played.
    static std::unique_ptr<WavFile> open(const QString& path, QString& error);

    int sampleRate() const { return rate; }
    // Appends up to `frames` mono samples to `out`.
    void read(std::size_t frames, std::vector<std::int16_t>& out);
    bool atEnd() const { return left <= 0; }

private:
    WavFile() = default;

    QFile file;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    qint64 left = 0; // data bytes not yet read
    QByteArray buffer;
};
