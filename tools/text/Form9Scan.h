#pragma once

#include "annotation/Progress.h"
#include "annotation/WordScanner.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"

#include <QPushButton>
#include <QString>
#include <QStringList>

#include <algorithm>

// The continuing scan of the statistics windows. Unlike the word scanner, a window cuts every token
// from the end of the previous one: after a single blank the next word is taken whole, after another
// non-letter it keeps that character ("cat,dog" gives "cat" and ",dog"), and two non-letters in a row
// give a one-character or empty token. Positions are 1-based; the window ends at the end of the text.
namespace ContinuingScan {

constexpr qsizetype kWindow = 20;

// The document text with two blanks appended and every CR LF, CR and LF as one blank.
QString scannedText(const QString& documentText);

// onToken(token, j): the token trimmed and lower-cased, j the position of the non-letter ending it.
template <typename OnToken, typename Yield> void scan(const QString& t, OnToken&& onToken, Yield&& yield) {
    const qsizetype n = t.size();
    for (qsizetype i = 1; i <= n; ++i) {
        if (WordScanner::isLetter(t[i - 1], true)) {
            const qsizetype end = std::min(i + kWindow, n);
            for (qsizetype j = i; j <= end; ++j) {
                if (!WordScanner::isLetter(t[j - 1], true)) {
                    onToken(Vb::trim(t.mid(i - 1, j - i)).toLower(), j);
                    i = j;
                }
            }
        }
        yield();
    }
}

} // namespace ContinuingScan

// Tokens joined in list order, with no separator before the first; events are let through as it goes.
QString joined(const QStringList& items, const QString& separator, EventYield& events);

// A run button's caption as the run's progress display.
class ButtonCaption final : public ProgressSink {
public:
    explicit ButtonCaption(QPushButton& button) : button(button) {}
    void setCaption(const QString& text) override { button.setText(text); }

private:
    QPushButton& button;
};
