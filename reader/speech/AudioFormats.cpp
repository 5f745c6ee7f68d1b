#include "reader/speech/AudioFormats.h"

namespace {

struct RateName {
    int rate;
    const char* label;
};

constexpr std::array<RateName, 9> kRates = {{{8000, "8kHz"},
                                             {11025, "11kHz"},
                                             {12000, "12kHz"},
                                             {16000, "16kHz"},
                                             {22050, "22kHz"},
                                             {24000, "24kHz"},
                                             {32000, "32kHz"},
                                             {44100, "44kHz"},
                                             {48000, "48kHz"}}};

const char* rateLabel(int rate) {
    for (const RateName& r : kRates) {
        if (r.rate == rate)
            return r.label;
    }
    return "";
}

std::array<AudioFormat, AudioFormats::kCount> buildFormats() {
    std::array<AudioFormat, AudioFormats::kCount> formats{};
    int i = 0;
    for (const RateName& r : kRates) {
        for (int bits : {8, 16}) {
            for (int channels : {1, 2}) {
                formats[i] = {AudioFormats::kFirst + i, r.rate, channels, bits};
                ++i;
            }
        }
    }
    return formats;
}

} // namespace

QString AudioFormat::name() const {
    return QStringLiteral("SAFT") + QLatin1StringView(rateLabel(sampleRate)) +
           QString::number(bitsPerSample) + QStringLiteral("Bit") +
           (channels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo"));
}

namespace AudioFormats {

const std::array<AudioFormat, kCount>& all() {
    static const std::array<AudioFormat, kCount> formats = buildFormats();
    return formats;
}

std::optional<AudioFormat> find(int type) {
    if (type < kFirst || type > kLast)
        return std::nullopt;
    return all()[type - kFirst];
}

} // namespace AudioFormats
