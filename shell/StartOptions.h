#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// How the program starts, from its command line and environment.
struct StartOptions {
    // The feature wizard is shown once the word list has loaded; "--no-wizard" on the command line or
    // PHONEXA_NO_WIZARD=1 in the environment starts without it.
    bool wizardAtStart = true;

    static StartOptions from(const QStringList& arguments, const QProcessEnvironment& environment);
};
