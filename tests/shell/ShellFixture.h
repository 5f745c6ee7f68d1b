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

    // The start-up window shows the main window as the program's does; neither owns the other.
    frmstep1& start() {
        if (!startWindow)
            startWindow = std::make_unique<frmstep1>(
                fakes.services(), folder.file(QStringLiteral("phonexa.lock")), [this] { main().show(); });
        return *startWindow;
    }
    // The main window as "--no-wizard" starts it, created on first use.
    frmMain& main() {
        if (!mainWindow)
            mainWindow = std::make_unique<frmMain>(fakes.services(), start(), StartOptions{false});
        return *mainWindow;
    }
    // Both windows are made afresh on next use.
    void restart() {
        mainWindow.reset();
        startWindow.reset();
    }
    // The main window after its deferred start-up.
    frmMain& started() {
        frmMain& w = main();
        w.Timer3_Timer();
        return w;
    }

    TempFolder folder;
    FakeServices fakes;
    std::unique_ptr<frmstep1> startWindow;
    std::unique_ptr<frmMain> mainWindow;
};
