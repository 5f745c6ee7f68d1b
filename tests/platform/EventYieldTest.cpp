#include "platform/core/EventYield.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(EventYield, DeliversPendingEventsButNotOnEveryStep) {
    EventYield yield;
    int delivered = 0;
    QObject context;
    QTimer::singleShot(0, &context, [&] { ++delivered; });
    yield.yieldToEvents(); // within 10 ms of construction: skipped
    EXPECT_EQ(delivered, 0);
    QThread::msleep(15);
    yield.yieldToEvents();
    EXPECT_EQ(delivered, 1);
    QTimer::singleShot(0, &context, [&] { ++delivered; });
    yield.yieldNow();
    EXPECT_EQ(delivered, 2);
}

} // namespace
