#include "shell/StartOptions.h"

StartOptions StartOptions::from(const QStringList& arguments, const QProcessEnvironment& environment) {
    StartOptions options;
    if (arguments.mid(1).contains(QStringLiteral("--no-wizard")) ||
        environment.value(QStringLiteral("PHONEXA_NO_WIZARD")) == u"1")
        options.wizardAtStart = false;
    return options;
}
