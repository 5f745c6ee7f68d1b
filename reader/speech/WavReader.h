#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

// The samples of a PCM WAV file (8 or 16 bit, any rate and channel count), mixed down to mono.
struct WavSamples {
    int sampleRate = 0;
    std::vector<std::int16_t> mono;
};

namespace WavReader {

// True when the bytes start like a RIFF WAVE file.
bool looksLikeWav(const QByteArray& bytes);
// Empty when the bytes are no PCM WAV file this reader understands.
std::optional<WavSamples> read(const QByteArray& bytes);

} // namespace WavReader
