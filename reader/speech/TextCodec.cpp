#include "reader/speech/TextCodec.h"

#include "platform/core/TextEncoding.h"

namespace TextCodec {

QString decode(const QByteArray& bytes) {
    return TextEncoding::decode(bytes).text;
}

} // namespace TextCodec
