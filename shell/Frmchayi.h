#pragma once

#include <QDialog>

class QLabel;

// The picture window of the appendix commands: one image shown at its natural size.
class Frmchayi : public QDialog {
    Q_OBJECT
public:
    explicit Frmchayi(QWidget* parent = nullptr);

    QLabel* Image1;
};
