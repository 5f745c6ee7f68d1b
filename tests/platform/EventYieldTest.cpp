#include "platform/core/EventYield.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(EventYield, DeliversPendingEventsOnlyOnceTheIntervalHasPassed) {
    qint64 now = 1000;
    EventYield yield([&now] { return now; });
    int delivered = 0;
    QObject context;
    const auto post = [&] { QTimer::singleShot(0, &context, [&] { ++delivered; }); };

    post();
    yield.yieldToEvents(); // at construction: skipped
    now += 9;
    yield.yieldToEvents(); // 9 ms after: skipped
    EXPECT_EQ(delivered, 0);
    now += 1;
    yield.yieldToEvents();
    EXPECT_EQ(delivered, 1);

    post();
    now += 3;
    yield.yieldNow(); // whatever the interval
    EXPECT_EQ(delivered, 2);

    post();
    now += 9;
    yield.yieldToEvents(); // the interval counts from the last yield, forced or not
    EXPECT_EQ(delivered, 2);
    now += 1;
    yield.yieldToEvents();
    EXPECT_EQ(delivered, 3);
}

} // namespace
