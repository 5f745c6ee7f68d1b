#pragma once

#include "annotation/ScanVariant.h"

#include <QString>

// The word scanner: cuts a text into runs of ASCII letters (and the apostrophe where the variant says)
// of at most W characters. Of a longer run only its last W letters form a word, found at the first
// start whose window reaches the end of the run. Positions are 1-based; a word from i ends at j, the
// index of the first non-letter after it, and the scan goes on at j + 1.
//
// Hooks is any type with:
//   bool running();                       the run flag
//   void progress(qsizetype i, qsizetype n);
//   void yield();
//   void word(qsizetype i, qsizetype j);  the word is text.mid(i - 1, j - i)
//   void nonLetter(qsizetype i);          position i holds no letter
namespace WordScanner {

inline bool isLetter(QChar c, bool apostrophe) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (apostrophe && u == u'\'');
}

template <typename Hooks> void scan(const QString& text, const ScanVariant& v, Hooks& hooks) {
    const qsizetype n = text.size();
    const auto letterAt = [&](qsizetype pos) { return pos <= n && isLetter(text[pos - 1], v.apostrophe); };
    for (qsizetype i = 1; i <= n; ++i) {
        if (v.stopEndsScan) {
            if (!hooks.running())
                return;
            hooks.progress(i, n);
        }
        if (!letterAt(i)) {
            hooks.nonLetter(i);
        } else {
            for (qsizetype j = i; j <= i + v.window; ++j) {
                if (!v.stopEndsScan) {
                    if (!hooks.running())
                        break;
                    hooks.progress(i, n);
                }
                if (!letterAt(j)) {
                    hooks.word(i, j);
                    i = j;
                    break;
                }
                if (v.yieldPerLetter)
                    hooks.yield();
            }
        }
        hooks.yield();
    }
}

} // namespace WordScanner
