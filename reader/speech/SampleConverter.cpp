#include "reader/speech/SampleConverter.h"

#include <soxr.h>

#include <QtEndian>

SampleConverter::SampleConverter(int inputRate, const AudioFormat& output)
    : format(output), ratio(double(output.sampleRate) / inputRate) {
    if (inputRate == output.sampleRate)
        return;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_LQ, 0);
    soxr_error_t error = nullptr;
    resampler = soxr_create(inputRate, output.sampleRate, 1, &error, &io, &quality, nullptr);
    if (error)
        resampler = nullptr;
}

SampleConverter::~SampleConverter() {
    if (resampler)
        soxr_delete(resampler);
}

void SampleConverter::convert(const std::int16_t* samples, std::size_t count, QByteArray& out) {
    if (!resampler) {
        append(samples, count, out);
        return;
    }
    std::size_t done = 0;
    while (done < count) {
        scratch.resize(std::size_t((count - done) * ratio) + 64);
        std::size_t used = 0;
        std::size_t produced = 0;
        soxr_process(resampler, samples + done, count - done, &used, scratch.data(), scratch.size(),
                     &produced);
        append(scratch.data(), produced, out);
        done += used;
        if (used == 0 && produced == 0)
            break;
    }
}

void SampleConverter::finish(QByteArray& out) {
    if (!resampler)
        return;
    scratch.resize(4096);
    for (;;) {
        std::size_t produced = 0;
        soxr_process(resampler, nullptr, 0, nullptr, scratch.data(), scratch.size(), &produced);
        if (produced == 0)
            break;
        append(scratch.data(), produced, out);
    }
}

void SampleConverter::append(const std::int16_t* samples, std::size_t count, QByteArray& out) const {
    const qsizetype start = out.size();
    out.resize(start + qsizetype(count) * format.bytesPerFrame());
    char* p = out.data() + start;
    if (format.bitsPerSample == 8) {
        for (std::size_t i = 0; i < count; ++i) {
            const char byte = char((int(samples[i]) + 32768) >> 8);
            for (int c = 0; c < format.channels; ++c)
                *p++ = byte;
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        for (int c = 0; c < format.channels; ++c) {
            qToLittleEndian<std::int16_t>(samples[i], p);
            p += 2;
        }
    }
}
