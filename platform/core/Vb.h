#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The few BASIC runtime behaviours that the program's file formats and captions depend on.
namespace Vb {

// Trim of blanks (U+0020) only, on both sides; tabs and line breaks stay.
QString trim(const QString& s);
QStringView trim(QStringView s);

// Lenient number parse: leading blanks skipped, the longest numeric prefix taken
// (sign, digits, one decimal point, an exponent), 0 when there is none.
double val(const QString& s);

// Round to the nearest integer, halves to even, as the runtime's integer conversions do.
std::int64_t roundHalfEven(double v);

// Conversion to a signed 16-bit integer with halves to even; empty when out of range.
std::optional<std::int16_t> toInt16(double v);

// Text to Boolean: "True"/"False" in any letter case, or a number (non-zero is true), blanks around
// allowed. Empty when the text is neither (the runtime's type mismatch).
std::optional<bool> toBool(const QString& s);

// The progress pattern "##.##%": the ratio times 100 with at most two decimals, no leading zeros,
// the decimal point always shown ("50.%", "12.35%", ".%").
QString formatPercent(double ratio);

// Replace every occurrence of `from` by `to`, comparing code units exactly, left to right without
// overlap, one pass. An empty `from` leaves the text as it is.
QString replaceAll(const QString& text, const QString& from, const QString& to);

} // namespace Vb
