#include "platform/services/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int QtMessageBox::show(const QString& prompt, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(prompt);
    switch (style & 0x70) {
    case MsgBox::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgBox::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgBox::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgBox::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
    }
    const int buttons = style & 0x7;
    const bool second = (style & MsgBox::DefaultButton2) != 0;
    if (buttons == MsgBox::OkCancel) {
        QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton(second ? cancel : ok);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == ok ? MsgBox::Ok : MsgBox::Cancel;
    }
    if (buttons == MsgBox::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
        box.setDefaultButton(second ? no : yes);
        box.exec();
        return box.clickedButton() == yes ? MsgBox::Yes : MsgBox::No;
    }
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return MsgBox::Ok;
}
