#pragma once

#include "platform/core/HeapPages.h"

#include <QByteArray>
#include <QtGlobal>

// How every benchmark of the editor's work starts: with the heap the program runs on, and offscreen
// unless a platform is chosen.
inline void startAsTheEditor(char** argv) {
    HeapPages::restartOnHugePages(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
