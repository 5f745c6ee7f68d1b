#pragma once

#include <QString>

namespace PhoneticFont {
// Family of the font that draws the letter code as IPA symbols.
inline QString family() {
    return QStringLiteral("Fonvella");
}
} // namespace PhoneticFont
