#include "platform/services/ProgramExit.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdlib>

void ApplicationExit::exit(int code) {
    // Before the event loop runs there is no loop to leave.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(code);
    else
        std::exit(code);
}
