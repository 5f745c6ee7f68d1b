#pragma once

#include "platform/services/BgrColor.h"

#include <QLabel>
#include <QPalette>

// A label's text colour as a platform colour value; the colour labels hold the run's colours in it.
inline int foreColor(const QLabel* label) {
    return qColorToBgr(label->palette().color(QPalette::WindowText));
}

inline void setForeColor(QLabel* label, int bgr) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, bgrToQColor(bgr));
    label->setPalette(p);
}
