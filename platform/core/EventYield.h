#pragma once

#include <QElapsedTimer>

// Lets pending window messages (a click on a stop control) be handled during a long run on the UI
// thread. Processing events costs far more than a loop step, so a yield within ~10 ms of the last one
// is skipped; one instance per run.
class EventYield {
public:
    EventYield();
    void yieldToEvents();
    // Processes events now, whatever the time since the last yield.
    void yieldNow();

private:
    QElapsedTimer sinceLast;
};
