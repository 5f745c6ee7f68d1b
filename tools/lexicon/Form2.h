#pragma once

#include "tools/lexicon/LexiconKeypad.h"

#include <QDialog>
#include <QStringList>

class MessageBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The entries dialog: the user's own entries in selfmake.dat (add mode, manage mode with the import
// into data.dat) and the library's transcriptions (library mode). Closing it copies the entries into
// the main window's lists.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(MessageBox& messageBox, QStringList& mainList1, QStringList& mainList2, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Unload();
    void tianchong();
    // Selects a mode as an opener does: the button's click runs when it was not selected yet.
    void selectMode(QRadioButton* option);
    void Option1_Click();
    void Option2_Click();
    void Option7_Click();
    void Cmdadd_Click();
    void List1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command9_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click(int index);
    void c1_Click(int index);
    // True while an import runs.
    bool busy() const { return importing; }

    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option7;
    QLabel* lblwhere;
    QGroupBox* Frame1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Cmdadd;
    QLabel* Label6;
    QGroupBox* Frame2;
    QListWidget* List1;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command2;
    QPushButton* Command5;
    QPushButton* Command9;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QGroupBox* Frame3;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    LexiconKeypad* Frame5;

    // The entries' whole lines, in step with List1 by index.
    QStringList List2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupControls();
    void showMode(QGroupBox* frame, const QString& target);
    void addEntry(QStringList& words, QStringList& lines, const QString& line) const;
    // Puts the lists and the file to these entries; on a failed write both stay as they were.
    bool replaceEntries(const QStringList& words, const QStringList& lines);
    void showWords(const QStringList& words);
    QStringList words() const;
    int selectedEntry() const;
    QLineEdit* keypadTarget() const;
    QString libraryWord() const;
    void reportLibraryFailure();
    void info(const QString& text);

    MessageBox& messageBox;
    QStringList& mainList1;
    QStringList& mainList2;
    bool importing = false;
    bool closedDuringImport = false;
};
