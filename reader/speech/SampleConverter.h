#pragma once

#include "reader/speech/AudioFormats.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

struct soxr;

// Turns 16-bit mono samples at the engine's rate into bytes of an output format: resampled,
// spread over the channels, 8-bit unsigned or 16-bit signed little-endian. Keeps the resampler's
// state between calls, so a stream converts in pieces.
class SampleConverter {
public:
    SampleConverter(int inputRate, const AudioFormat& output);
    ~SampleConverter();
    SampleConverter(const SampleConverter&) = delete;
    SampleConverter& operator=(const SampleConverter&) = delete;

    void convert(const std::int16_t* samples, std::size_t count, QByteArray& out);
    // Drains what the resampler still holds at the end of the stream.
    void finish(QByteArray& out);

private:
    void append(const std::int16_t* samples, std::size_t count, QByteArray& out) const;

    AudioFormat format;
    double ratio;
    soxr* resampler = nullptr;
    std::vector<std::int16_t> scratch;
};
