#include "platform/core/EventYield.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {
constexpr qint64 kMinIntervalMs = 10;
}

qint64 EventYield::steadyMs() {
    return QDeadlineTimer::current().deadline();
}

EventYield::EventYield(Clock clock) : clock(std::move(clock)), last(this->clock()) {}

void EventYield::yieldToEvents() {
    if (clock() - last < kMinIntervalMs)
        return;
    yieldNow();
}

void EventYield::yieldNow() {
    QCoreApplication::processEvents();
    last = clock();
}
