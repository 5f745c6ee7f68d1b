#pragma once

#include "reader/speech/SpeechTokens.h"

#include <QList>
#include <QString>

#include <vector>

// Where markup switches the voice.
struct VoiceMark {
    int position = 0; // UTF-16 offset of the text after the tag
    int voiceIndex = -1;
};

// A marked-up text as the engine gets it: only the elements we translate (voice, rate, volume,
// pitch, silence, emphasis, bookmarks, in both the SAPI and the SSML spelling), rebuilt from
// checked values; every other element, comment or declaration is dropped and its text kept.
struct EngineText {
    QString text;
    // For every code point of `text`, the UTF-16 offset in the original text it comes from; then
    // the original's length.
    std::vector<int> sourceAt;
    std::vector<VoiceMark> voiceMarks;
};

namespace SpeechMarkup {

// Plain text: the engine reads it as it is.
EngineText plain(const QString& text);
// `current` is the index in `voices` of the voice the text starts in; a voice element naming no
// voice of `voices` changes nothing.
EngineText translate(const QString& text, const QList<VoiceToken>& voices, int current);

} // namespace SpeechMarkup
