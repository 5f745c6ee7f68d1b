#include "annotation/Recognition.h"

#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"

#include <algorithm>

namespace {

struct QueueHooks {
    const QString& text;
    const ScanVariant& variant;
    CachedLookup lookup;
    QStringList& transcriptions;
    QList<int>& ends;
    ProgressReporter& reporter;
    EventYield& events;
    bool full = false;

    bool running() const { return Module1::stopAnnotateFlag; }
    void progress(qsizetype i, qsizetype n) {
        reporter.report(variant.progressText, static_cast<double>(i) / static_cast<double>(n));
    }
    void yield() { events.yieldToEvents(); }
    void nonLetter(qsizetype) {}
    void word(qsizetype i, qsizetype j) {
        const qsizetype from = qBound<qsizetype>(0, i - 1, text.size());
        QStringView word = QStringView(text).sliced(from, qBound<qsizetype>(0, j - i, text.size() - from));
        if (!Module1::stopAnnotateFlag)
            return;
        // Words of a text are mostly lower case already; those are looked up without a copy.
        QString lowered;
        if (variant.lowerCase) {
            word = Vb::trim(word);
            if (std::any_of(word.begin(), word.end(),
                            [](QChar c) { return c.isUpper() || c.unicode() > 0x7F; })) {
                lowered = word.toString().toLower();
                word = lowered;
            }
        }
        const QString result = lookup(word);
        if (Vb::trim(result).isEmpty())
            return;
        if (transcriptions.size() == Recognition::kMaxQueued) {
            full = true;
            Module1::stopAnnotateFlag = false;
            return;
        }
        transcriptions.append(result);
        ends.append(static_cast<int>(j));
    }
};

} // namespace

namespace Recognition {

QString scannedText(const QString& documentText) {
    return documentText + QStringLiteral("  ");
}

bool run(const QString& scanned, const ScanVariant& variant, const WordList& list,
         QStringList& transcriptions, QList<int>& ends, ProgressReporter& progress, EventYield& yield) {
    QueueHooks hooks{scanned, variant, CachedLookup(variant, list), transcriptions, ends, progress, yield};
    WordScanner::scan(scanned, variant, hooks);
    progress.finish();
    return !hooks.full;
}

} // namespace Recognition
