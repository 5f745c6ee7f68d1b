#pragma once

#include "platform/richtext/FormattedText.h"

#include <QByteArray>

// Writes RTF in the form Windows rich-text controls write: ANSI code page 936, one font-table entry per
// font, Chinese font names as GB18030 escapes, non-ASCII text as \uN with a GB18030 fallback.
namespace RtfWriter {

// A run without a font name or size is in the base font; the base font is always entry \f0.
QByteArray write(const FormattedText& runs, const QString& baseFontName, double baseFontSize);

// A font name as the font table spells it: ASCII as it is, every other character as \'hh escapes of its
// GB18030 bytes.
QByteArray fontTableName(const QString& name);

} // namespace RtfWriter
