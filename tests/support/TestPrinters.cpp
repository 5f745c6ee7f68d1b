#include "tests/support/TestPrinters.h"

#include <cctype>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

std::string caseName(std::size_t index, std::string_view description) {
    std::string name = std::to_string(index);
    bool gap = true;
    for (const char c : description) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (gap)
                name += '_';
            name += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name;
}
