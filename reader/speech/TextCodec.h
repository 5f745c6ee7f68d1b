#pragma once

#include <QByteArray>
#include <QString>

// Text files: UTF-16 or UTF-8 with a byte-order mark, UTF-8 when their bytes are valid UTF-8,
// else GB18030.
namespace TextCodec {

enum class Encoding { Gb18030, Utf8, Utf8Bom, Utf16LE, Utf16BE };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Gb18030;
};

Decoded read(const QByteArray& bytes);
QString decode(const QByteArray& bytes);
// In the encoding a file was read in, with its byte-order mark if it had one.
QByteArray encode(const QString& text, Encoding encoding);
// False for bytes with NUL characters that no UTF-16 byte-order mark explains.
bool looksLikeText(const QByteArray& bytes);

} // namespace TextCodec
