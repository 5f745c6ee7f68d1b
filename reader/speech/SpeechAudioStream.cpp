#include "reader/speech/SpeechAudioStream.h"

bool SpeechAudioStream::setFormatType(int formatType) {
    if (!AudioFormats::find(formatType))
        return false;
    type = formatType;
    return true;
}
