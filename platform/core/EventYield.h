#pragma once

#include <QtGlobal>

#include <functional>

// Lets pending window messages (a click on a stop control) be handled during a long run on the UI
// thread. Processing events costs far more than a loop step, so a yield within ~10 ms of the last one
// is skipped; one instance per run.
class EventYield {
public:
    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;
    static qint64 steadyMs();

    explicit EventYield(Clock clock = steadyMs);
    void yieldToEvents();
    // Processes events now, whatever the time since the last yield.
    void yieldNow();

private:
    Clock clock;
    qint64 last;
};
