#include "annotation/Recognition.h"

#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"

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
        const QString cut = text.mid(i - 1, j - i);
        const QString word = variant.lowerCase ? Vb::trim(cut).toLower() : cut;
        if (!Module1::stopAnnotateFlag)
            return;
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
