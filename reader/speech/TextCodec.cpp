#include "reader/speech/TextCodec.h"

#include "platform/core/TextEncoding.h"

namespace TextCodec {

QString decode(const QByteArray& bytes) {
    return TextEncoding::decode(bytes).text;
}

bool looksLikeText(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || !bytes.contains('\0');
}

} // namespace TextCodec
