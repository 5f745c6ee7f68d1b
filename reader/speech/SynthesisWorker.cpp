#include "reader/speech/SynthesisWorker.h"

#include "reader/speech/EspeakLibrary.h"

#include <QFile>

#include <cstdio>

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
    bool written = true;
    const auto write = [&](const QByteArray& frame) {
        written = written && output.write(frame) == frame.size();
        return written;
    };
    EspeakLibrary::speak(
        *request, [&](const std::vector<EngineEvent>& events, const std::int16_t* samples,
                      std::size_t count) { return write(SynthesisFrames::block(events, samples, count)); });
    return write(SynthesisFrames::end()) ? 0 : 1;
}
