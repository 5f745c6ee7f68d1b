#pragma once

#include "reader/speech/SpeechTokens.h"

#include <QList>
#include <QString>

#include <vector>

// Where markup switches the voice: `<voice name=".." xml:lang="..">` and its closing tag.
struct VoiceMark {
    int position = 0; // UTF-16 offset of the text after the tag
    int voiceIndex = -1;
};

namespace VoiceMarks {

// The voice changes of a marked-up text, with `current` the voice it starts in; an element whose
// voice is not among `voices` changes nothing.
std::vector<VoiceMark> find(const QString& text, const QList<VoiceToken>& voices, int current);

} // namespace VoiceMarks
