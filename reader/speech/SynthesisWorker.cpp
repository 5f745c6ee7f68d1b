#include "reader/speech/SynthesisWorker.h"

#include "reader/speech/EspeakLibrary.h"

#include <QFile>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

int runSynthesisWorker() {
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) ||
        !output.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    const std::optional<SynthesisRequest> request = SynthesisRequest::decode(input.readAll());
    if (!request) {
        std::fputs("sayloom-speech: the request is not readable\n", stderr);
        return 2;
    }
    if (EspeakLibrary::initialize() <= 0) {
        std::fputs("sayloom-speech: espeak-ng does not start\n", stderr);
        return 3;
    }
    // A larger pipe and frames of a second's audio keep the two processes from waking each other
    // for every step of the engine.
    constexpr int kPipeBytes = 1 << 20;
    (void)fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kPipeBytes);
    const std::size_t frameSamples = std::size_t(EspeakLibrary::initialize());
    std::vector<EngineEvent> events;
    std::vector<std::int16_t> samples;
    bool written = true;
    const auto write = [&](const QByteArray& frame) {
        written = written && output.write(frame) == frame.size();
        return written;
    };
    const auto flush = [&] {
        const bool ok = write(SynthesisFrames::block(events, samples.data(), samples.size()));
        events.clear();
        samples.clear();
        return ok;
    };
    EspeakLibrary::speak(*request, [&](const std::vector<EngineEvent>& stepEvents,
                                       const std::int16_t* stepSamples, std::size_t count) {
        events.insert(events.end(), stepEvents.begin(), stepEvents.end());
        samples.insert(samples.end(), stepSamples, stepSamples + count);
        return samples.size() < frameSamples || flush();
    });
    return flush() && write(SynthesisFrames::end()) ? 0 : 1;
}
