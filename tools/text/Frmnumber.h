#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"

#include <QDialog>

class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Reads a number, a year or a telephone number out as phonetic text into its own box, which the
// user may save as RTF. The opener shows one mode's label, text box and button.
class Frmnumber : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Number, Year, Telephone };

    Frmnumber(MessageBox& messageBox, CommonDialog& dialogs, QWidget* parent = nullptr);

    // The opener's part: one group visible, the caption of its mode.
    void showMode(Mode mode);

    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Label1_Click();
    void Label3_Click();
    void Label4_Click();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Image1_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QLabel* Label3;
    QLineEdit* Text2;
    QPushButton* Command3;
    QLabel* Label4;
    QLineEdit* Text3;
    QPushButton* Command2;
    QLabel* Labelnote;
    QPushButton* Image1;
    RichTextBox* Rich1;
    FileDialogRequest Dlg1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void write(const QString& text, int color);
    void writeGroups(const QString& integer);
    void refuse(const QString& prompt);

    MessageBox& messageBox;
    CommonDialog& dialogs;
};
