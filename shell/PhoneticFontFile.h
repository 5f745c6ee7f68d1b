#pragma once

#include <QString>

// Makes the phonetic font of the program folder available to this program and, through a copy in
// the user's font folder, to the browser and word processor the program hands files to.
namespace PhoneticFontFile {

// False when the font file is missing or unreadable; the program then runs without it.
bool install();

QString userFontPath();

} // namespace PhoneticFontFile
