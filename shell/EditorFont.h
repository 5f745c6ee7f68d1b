#pragma once

#include <QString>

// The editor's default font family.
namespace EditorFont {
inline QString family() {
    return QStringLiteral("宋体");
}
} // namespace EditorFont
