#pragma once

#include "tools/lexicon/LexiconKeypad.h"

#include <QDialog>
#include <QElapsedTimer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class RichTextBox;

// The search of the lexicon by spelling or by sound; each hit is typed into the document at its caret.
class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(RichTextBox& document, QWidget* parent = nullptr);

    void Form_Load();
    // Selects a mode as an opener does: the button's click runs when it was not selected yet.
    void selectMode(QRadioButton* option);
    void Option1_Click();
    void Option2_Click();
    void Check2_Click();
    void Command10_Click();
    void Command2_Click();
    void Command1_Click(int index);
    void c1_Click(int index);
    void muhuWordsearch(short fuzzy, short ed15);
    void Yinbiaosearch(short fuzzy, short ed15);
    // Window height in twips.
    void setHeightTwips(int twips);
    bool busy() const { return searching; }

    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QLabel* Label2;
    QSlider* Slider1;
    QPushButton* Command10;
    QPushButton* Command2;
    LexiconKeypad* Frame5;

public slots:
    void reject() override;

private:
    bool nextRow();

    RichTextBox& document;
    QElapsedTimer sinceYield;
    bool stopRequest = false;
    bool searching = false;
};
