#pragma once

#include "platform/services/Services.h"
#include "tools/services/Skin.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class Form9;
class frmMain;

// The feature wizard: one button per feature, each opening its tool window without the menus.
// Topmost at the right edge of the screen, clear of the main window's side panel.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(Services services, frmMain& main);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();

    // Window size in twips (outer size).
    float Width() const;

    QLabel* Skinlb1;
    std::array<QPushButton*, 20> Command{}; // Command1 .. Command20 at 0 .. 19

private:
    void showFinder(QPushButton* Form9::*button);

    Services services;
    frmMain& main;
    Skin skin;
};
