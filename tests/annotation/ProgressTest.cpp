#include "annotation/Progress.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
struct Sink final : ProgressSink {
    void setCaption(const QString& text) override { captions << text; }
    QStringList captions;
};
} // namespace

TEST(ProgressReporter, ThrottlesAndEndsOnTheLastFigure) {
    Sink sink;
    ProgressReporter progress(sink);
    const QString stage = QStringLiteral("识别标注中，每行进度：");
    for (int i = 1; i <= 10000; ++i)
        progress.report(stage, i / 10000.0);
    progress.finish();
    ASSERT_FALSE(sink.captions.isEmpty());
    EXPECT_LT(sink.captions.size(), 100);
    EXPECT_EQ(sink.captions.first(), stage + QStringLiteral(".01%"));
    EXPECT_EQ(sink.captions.last(), stage + QStringLiteral("100.%"));
    EXPECT_EQ(sink.captions.removeDuplicates(), 0);
}
