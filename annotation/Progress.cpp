#include "annotation/Progress.h"

#include "platform/core/Vb.h"

namespace {
constexpr qint64 kMinIntervalMs = 50;
// Loops report per character; the clock is read only every so many reports.
constexpr int kReportsPerClockRead = 64;
} // namespace

ProgressReporter::ProgressReporter(ProgressSink& sink) : sink(sink) {}

void ProgressReporter::report(const QString& stage, double ratio) {
    pendingRatio = ratio;
    if (!pendingStage.isSharedWith(stage))
        pendingStage = stage;
    pending = true;
    if (sinceShown.isValid() && ++reportsUnread < kReportsPerClockRead)
        return;
    reportsUnread = 0;
    if (!sinceShown.isValid() || sinceShown.elapsed() >= kMinIntervalMs)
        emitPending();
}

void ProgressReporter::finish() {
    if (pending)
        emitPending();
}

void ProgressReporter::show(const QString& text) {
    pending = false;
    if (text != shown) {
        shown = text;
        sink.setCaption(text);
    }
    sinceShown.start();
}

void ProgressReporter::emitPending() {
    show(pendingStage + Vb::formatPercent(pendingRatio));
}
