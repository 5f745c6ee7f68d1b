#pragma once

#include "platform/services/CommonDialog.h"
#include "tools/services/Skin.h"

#include <QDialog>

class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RichTextBox;
class WordList;

// The meaning lookup: one result line per looked-up word, saved as a text file on request.
class Form5 : public QDialog {
    Q_OBJECT
public:
    Form5(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document, const WordList& words,
          QWidget* parent = nullptr);

    void Form_Load();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Image1_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    RichTextBox* Rich1;
    QPushButton* Image1;
    QPushButton* Command2;
    FileDialogRequest Dlg1;
    Skin skin;

private:
    MessageBox& messageBox;
    CommonDialog& dialogs;
    const RichTextBox& document;
    const WordList& words;
};
