#include "platform/core/Ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Ansi {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

} // namespace Ansi
