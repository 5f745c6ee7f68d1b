#pragma once

#include <QColor>

// Platform colour values are blue-green-red: 0xFF0000 is blue, 255 is red.
inline QColor bgrToQColor(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int qColorToBgr(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}
