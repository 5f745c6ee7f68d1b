#include "annotation/Progress.h"

#include "platform/core/Vb.h"

namespace {
constexpr qint64 kMinIntervalMs = 50;
}

ProgressReporter::ProgressReporter(ProgressSink& sink) : sink(sink) {}

void ProgressReporter::report(const QString& stage, double ratio) {
    pendingRatio = ratio;
    pendingStage = stage;
    pending = true;
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
