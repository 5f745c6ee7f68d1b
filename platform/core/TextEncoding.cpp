#include "platform/core/TextEncoding.h"

#include "platform/core/Ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextEncoding {

namespace {

QString decodeAs(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

Decoded decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {decodeAs(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3)), Encoding::Utf8Bom};
    if (bytes.startsWith("\xFF\xFE"))
        return {decodeAs(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2)), Encoding::Utf16Le};
    if (bytes.startsWith("\xFE\xFF"))
        return {decodeAs(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2)), Encoding::Utf16Be};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {Ansi::decode(bytes), Encoding::Ansi};
    return {std::move(text), Encoding::Utf8};
}

QByteArray encode(const QString& text, Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        QStringEncoder encoder(encoding == Encoding::Utf16Le ? QStringConverter::Utf16LE
                                                             : QStringConverter::Utf16BE,
                               QStringEncoder::Flag::WriteBom);
        return encoder.encode(text);
    }
    case Encoding::Ansi:
        break;
    }
    return Ansi::encode(text);
}

} // namespace TextEncoding
