#include "reader/speech/TextCodec.h"

#include "platform/core/Ansi.h"

#include <QStringDecoder>

namespace TextCodec {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Ansi::decode(bytes);
}

} // namespace TextCodec
