#pragma once

#include <QByteArray>
#include <QString>

// The encodings a text file is read in, so that it can be written back in the same one.
namespace TextEncoding {

enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Ansi };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Ansi;
};

// A UTF-8, UTF-16LE or UTF-16BE byte-order mark decides; else UTF-8 when the bytes are valid UTF-8,
// else the ANSI code page. The mark is not part of the text.
Decoded decode(const QByteArray& bytes);

// The text in `encoding`, with its byte-order mark where it had one.
QByteArray encode(const QString& text, Encoding encoding);

} // namespace TextEncoding
