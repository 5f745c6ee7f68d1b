#pragma once

#include <QStringView>

// Where annotation writes the transcriptions, as the settings keep it.
namespace Placement {
inline constexpr QStringView Inline = u"dangqian";
inline constexpr QStringView Above = u"up";
inline constexpr QStringView Below = u"down";
inline constexpr QStringView AtEnd = u"self";
inline constexpr QStringView FieldAbove = u"word1";
inline constexpr QStringView FieldBelow = u"word2";
} // namespace Placement
