#include "platform/core/EventYield.h"

#include <QCoreApplication>

namespace {
constexpr qint64 kMinIntervalMs = 10;
}

EventYield::EventYield() { sinceLast.start(); }

void EventYield::yieldToEvents() {
    if (sinceLast.elapsed() < kMinIntervalMs)
        return;
    yieldNow();
}

void EventYield::yieldNow() {
    QCoreApplication::processEvents();
    sinceLast.restart();
}
