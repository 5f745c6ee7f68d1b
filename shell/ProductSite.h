#pragma once

#include <QString>

// The product's web site.
namespace ProductSite {
inline QString home() {
    return QStringLiteral("https://www.example.com/");
}
inline QString page(const QString& path) {
    return home() + path;
}
inline QString contact() {
    return QStringLiteral("support@example.com");
}
} // namespace ProductSite
