#include "reader/speech/TextCodec.h"

#include "platform/core/Ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

namespace {

std::optional<Encoding> byteOrderMark(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE"))
        return Encoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return Encoding::Utf16BE;
    return std::nullopt;
}

QStringConverter::Encoding qtEncoding(Encoding e) {
    switch (e) {
    case Encoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case Encoding::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

Decoded read(const QByteArray& bytes) {
    if (const std::optional<Encoding> bom = byteOrderMark(bytes)) {
        QStringDecoder decoder(qtEncoding(*bom));
        return {decoder.decode(bytes), *bom};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {text, Encoding::Utf8};
    return {Ansi::decode(bytes), Encoding::Gb18030};
}

QString decode(const QByteArray& bytes) {
    return read(bytes).text;
}

QByteArray encode(const QString& text, Encoding encoding) {
    if (encoding == Encoding::Gb18030)
        return Ansi::encode(text);
    QStringEncoder encoder(qtEncoding(encoding), encoding == Encoding::Utf8
                                                     ? QStringConverter::Flag::Default
                                                     : QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

bool looksLikeText(const QByteArray& bytes) {
    const std::optional<Encoding> bom = byteOrderMark(bytes);
    return (bom && *bom != Encoding::Utf8Bom) || !bytes.contains('\0');
}

} // namespace TextCodec
