#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"
#include "tools/services/Skin.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

class MessageBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WordList;

// Phonetic statistics: the words of the document whose transcription has a primary stress, a long
// vowel, a secondary stress or a syllabic consonant, or all words by their number of syllables. The
// five run buttons share one place; the opener makes the chosen one visible.
class Form9 : public QDialog {
    Q_OBJECT
public:
    Form9(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document, const WordList& words,
          QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();
    void Command3_Click();
    void Command4_Click();

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command3;
    QPushButton* Command4;
    QLineEdit* Text1;
    QLabel* SkinLabel1;
    QLabel* Label1;
    QLabel* Labeltishi;
    QListWidget* List0; // words without a transcription
    // Finder hits; List1 to List5 are also the classes of 1, 2, 3, 4 and 5 or more syllables.
    std::array<QStringList, 6> lists;
    RichTextBox* Rich1;
    FileDialogRequest dlg1;

private:
    // hits(p): how many times the token of transcription p is listed.
    void find(QPushButton* button, const QString& heading, const QString& endCaption,
              const std::function<int(const QString&)>& hits, bool progressEveryToken);
    QString separator() const;

    MessageBox& messageBox;
    CommonDialog& dialogs;
    const RichTextBox& document;
    const WordList& words;
    Skin skin;
    bool isRunning = false;
};
