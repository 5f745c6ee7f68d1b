#pragma once

#include <QString>

// Meanings are shown on one line: CR and LF are dropped wherever they stand.
inline QString withoutLineBreaks(QString text) {
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}
