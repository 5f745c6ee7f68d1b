#pragma once

#include "platform/services/Clock.h"
#include "platform/services/CommonDialog.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ProgramExit.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/Shell.h"

// The services a window receives; tests hand in doubles.
struct Services {
    MessageBox& messageBox;
    CommonDialog& dialogs;
    Shell& shell;
    SettingsStore& settings;
    ProgramExit& programExit;
    Clock& clock;
};

// The real services, owned for the program's run.
class DesktopServices {
public:
    Services services() { return {messageBox, dialogs, shell, settings, programExit, clock}; }

private:
    QtMessageBox messageBox;
    QtCommonDialog dialogs;
    DesktopShell shell;
    IniSettingsStore settings;
    ApplicationExit programExit;
    SystemClock clock;
};
