#pragma once

#include "platform/services/Shell.h"

#include <QDialog>

class ClickableLabel;
class QLineEdit;

// Where to get more voices for the speech engine.
class Frmdown : public QDialog {
    Q_OBJECT
public:
    static QString downloadAddress();

    Frmdown(Shell& shell, QWidget* parent);

    void Label2_Click();

    ClickableLabel* Label2;
    QLineEdit* Text1;

private:
    Shell& shell;
};
