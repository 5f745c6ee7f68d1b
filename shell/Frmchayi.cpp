#include "shell/Frmchayi.h"

#include <QLabel>

Frmchayi::Frmchayi(QWidget* parent) : QDialog(parent), Image1(new QLabel(this)) {
    setObjectName(QStringLiteral("Frmchayi"));
    setWindowTitle(QStringLiteral("Form4"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setScaledContents(false);
    Image1->move(0, 0);
}
