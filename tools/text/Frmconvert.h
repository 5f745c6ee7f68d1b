#pragma once

#include "platform/richtext/RichTextBox.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class MessageBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The notation converter: converts the transcriptions between two delimiters in the main document,
// in place, and reports each change, old beside new.
class Frmconvert : public QDialog {
    Q_OBJECT
public:
    Frmconvert(MessageBox& messageBox, RichTextBox& document, QWidget* parent = nullptr);

    void Form_Load();
    void Option1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    RichTextBox* Rich1;

    QStringList List1;      // segment as found
    QStringList List2;      // converted segment
    std::vector<int> List3; // 1-based position of the segment's first character

private:
    enum class Closing { Notation, American };
    void convert(QString (*rule)(const QString&), Closing closing);
    void setButtonsEnabled(bool on);

    MessageBox& messageBox;
    RichTextBox& document;
};
