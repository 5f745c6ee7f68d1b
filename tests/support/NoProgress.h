#pragma once

#include "annotation/Progress.h"

// A progress sink that shows nothing.
struct NoProgress final : ProgressSink {
    void setCaption(const QString&) override {}
};
