#pragma once

#include "platform/services/MessageBox.h"
#include "tools/services/Skin.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class frmMain;

// The feature wizard: one button per feature, each opening its tool window without the menus.
// Topmost at the right edge of the screen, clear of the main window's side panel.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(MessageBox& messageBox, frmMain& main);

    void Form_Load();
    void Command1_Click();
    void Command12_Click();

    // Window size in twips (outer size).
    float Width() const;

    QLabel* Skinlb1;
    std::array<QPushButton*, 20> Command; // Command1 .. Command20

private:
    MessageBox& messageBox;
    frmMain& main;
    Skin skin;
};
