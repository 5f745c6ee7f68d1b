#pragma once

#include "lexicon/Module1.h"
#include "platform/testing/FakeServices.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/support/MenuItems.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

// A program folder with a small word list, the service doubles and the two windows.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        QStandardPaths::setTestModeEnabled(true);
        folder.write(QStringLiteral("dictionary.txt"), "cat=|\xc3\xa8|kAt\r\nthe=|\xd5\xe2|DE\r\n");
    }

    frmstep1& start() {
        if (!startWindow)
            startWindow =
                std::make_unique<frmstep1>(fakes.services(), folder.file(QStringLiteral("phonexa.lock")));
        return *startWindow;
    }
    frmMain& main() { return start().mainWindow(); }
    // The main window after its deferred start-up.
    frmMain& started() {
        frmMain& w = main();
        w.Timer3_Timer();
        return w;
    }

    TempFolder folder;
    FakeServices fakes;
    std::unique_ptr<frmstep1> startWindow;
};
