#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"
#include "tools/services/Skin.h"

#include <QDialog>
#include <QStringList>

class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Vocabulary statistics: the tokens of the document that the lexicon database confirms, directly or
// through a suffix, all of them and the distinct ones, and the tokens it does not confirm.
class Form8 : public QDialog {
    Q_OBJECT
public:
    Form8(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document,
          QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label3;
    QLineEdit* Text1;
    QLabel* SkinLabel1;
    QLabel* Label1;
    QLabel* Label11;
    QStringList List1; // verified tokens, in text order
    QStringList List2; // unverified tokens, in text order
    RichTextBox* Rich1;
    FileDialogRequest dlg1;

private:
    MessageBox& messageBox;
    CommonDialog& dialogs;
    const RichTextBox& document;
    Skin skin;
};
