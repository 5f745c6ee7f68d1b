#pragma once

#include "platform/richtext/FormattedText.h"

#include <QByteArray>

#include <optional>

// Reads RTF as Windows rich-text controls, Word and LibreOffice write it. Lenient: malformed input gives
// whatever text could be recovered, never a crash or a hang.
namespace RtfReader {

// True when the bytes start as an RTF document ("{\rtf", after a UTF-8 byte-order mark and blanks).
bool isRtf(const QByteArray& bytes);

// The document's text and character formats; nullopt when the bytes are not RTF.
// A final paragraph break is the document's own end and is not part of the text.
std::optional<FormattedText> read(const QByteArray& rtf);

} // namespace RtfReader
