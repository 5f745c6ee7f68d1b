#include "reader/speech/EspeakLibrary.h"

#include <espeak-ng/speak_lib.h>

#include <cstring>

namespace {

// The callback runs on the thread that called espeak_Synth.
thread_local const EspeakLibrary::Sink* activeSink = nullptr;

int synthCallback(short* wav, int count, espeak_EVENT* events) {
    if (!activeSink)
        return 1;
    std::vector<EngineEvent> step;
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        EngineEvent ev;
        switch (e->type) {
        case espeakEVENT_WORD:
            ev.kind = EngineEvent::Kind::Word;
            break;
        case espeakEVENT_SENTENCE:
            ev.kind = EngineEvent::Kind::Sentence;
            break;
        case espeakEVENT_PHONEME:
            ev.kind = EngineEvent::Kind::Phoneme;
            ev.phoneme = QByteArray(e->id.string, qsizetype(strnlen(e->id.string, sizeof e->id.string)));
            break;
        default:
            continue;
        }
        ev.audioMs = e->audio_position;
        ev.textPosition = e->text_position;
        ev.length = e->length;
        if (ev.kind != EngineEvent::Kind::Phoneme)
            ev.number = e->id.number;
        step.push_back(std::move(ev));
    }
    const bool more = (*activeSink)(step, wav, wav && count > 0 ? std::size_t(count) : 0);
    return more ? 0 : 1;
}

} // namespace

namespace EspeakLibrary {

int initialize() {
    static const int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr,
                                        espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        if (r <= 0)
            return 0;
        espeak_SetSynthCallback(synthCallback);
        return r;
    }();
    return rate;
}

void speak(const SynthesisRequest& request, const Sink& sink) {
    espeak_SetVoiceByName(request.voiceId.toUtf8().constData());
    espeak_SetParameter(espeakRATE, request.wordsPerMinute, 0);
    espeak_SetParameter(espeakWORDGAP, request.wordGap, 0);
    espeak_SetParameter(espeakVOLUME, request.volume, 0);
    espeak_SetParameter(espeakPUNCTUATION, request.speakPunctuation ? espeakPUNCT_ALL : espeakPUNCT_NONE, 0);
    const unsigned flags = espeakCHARS_UTF8 | espeakENDPAUSE | (request.markup ? espeakSSML : 0u);
    activeSink = &sink;
    espeak_Synth(request.utf8.constData(), std::size_t(request.utf8.size()) + 1,
                 request.fromSentence > 1 ? unsigned(request.fromSentence) : 0u, POS_SENTENCE, 0, flags,
                 nullptr, nullptr);
    activeSink = nullptr;
}

} // namespace EspeakLibrary
