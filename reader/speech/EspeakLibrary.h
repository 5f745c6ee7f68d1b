#pragma once

#include "reader/speech/SynthesisProtocol.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The espeak-ng library of this process. Its state is per process and some of it outlives a
// synthesis, so callers serialise their calls.
namespace EspeakLibrary {

// Receives each step of a synthesis: the step's events, then its audio. False stops the synthesis.
using Sink = std::function<bool(const std::vector<EngineEvent>& events, const std::int16_t* samples,
                                std::size_t count)>;

// The library's sample rate, or 0 when it cannot start; it starts on the first call.
int initialize();
// Speaks the request into the sink, on the calling thread.
void speak(const SynthesisRequest& request, const Sink& sink);

} // namespace EspeakLibrary
