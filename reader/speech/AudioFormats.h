#pragma once

#include <QString>

#include <array>
#include <optional>

// The audio formats SAFT8kHz8BitMono (4) to SAFT48kHz16BitStereo (39), in their enumeration order.
struct AudioFormat {
    int type = 0;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    int bytesPerSecond() const { return sampleRate * bytesPerFrame(); }
    QString name() const;
};

namespace AudioFormats {

inline constexpr int kFirst = 4;
inline constexpr int kLast = 39;
inline constexpr int kCount = kLast - kFirst + 1;
inline constexpr int k22kHz16BitMono = 22;

const std::array<AudioFormat, kCount>& all();
std::optional<AudioFormat> find(int type);

} // namespace AudioFormats
