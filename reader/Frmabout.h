#pragma once

#include "platform/services/Shell.h"

#include <QDialog>

class ClickableLabel;
class QLabel;

// What the reader does, with the product's mail and web addresses.
class Frmabout : public QDialog {
    Q_OBJECT
public:
    static QString mailAddress();
    static QString webAddress();

    Frmabout(Shell& shell, QWidget* parent);

    void Form_Click();
    void Label10_Click();
    void Label12_Click();

    QLabel* Label1;
    QLabel* Label2;
    ClickableLabel* Label10;
    ClickableLabel* Label12;
    QLabel* Image1;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Shell& shell;
};
