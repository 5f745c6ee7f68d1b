#pragma once

// Included into every test source by the build, so that failures and test names read as text.

#include <QString>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

// GoogleTest prints a QString (and so a QStringList) as its text in quotes, not as bytes.
void PrintTo(const QString& text, std::ostream* out);

// The name of a parameterized case: its index, then the description with every run of characters
// other than ASCII letters and digits made one underscore. Stable from run to run and unique.
std::string caseName(std::size_t index, std::string_view description);
