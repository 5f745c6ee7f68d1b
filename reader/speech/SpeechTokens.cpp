#include "reader/speech/SpeechTokens.h"

bool VoiceToken::isMandarin() const {
    for (const QString& language : languages) {
        const QString l = language.toLower();
        if (l == u"cmn" || l.startsWith(u"cmn-") || l == u"zh-cmn" || l.startsWith(u"zh-cmn-"))
            return true;
    }
    return false;
}
