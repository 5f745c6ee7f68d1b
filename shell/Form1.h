#pragma once

#include "platform/services/Services.h"
#include "platform/widgets/ClickableLabel.h"

#include <QDialog>
#include <QStringView>

#include <array>
#include <utility>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

// The options dialog: how annotation writes transcriptions. Filled from the lexicon's settings on
// the first tick of Timer1; OK assigns them and rewrites canshushezhi.txt. The phonetic colour lives
// in the main window's swatches label5 and label21 and changes there at once.
class Form1 : public QDialog {
    Q_OBJECT
public:
    Form1(Services services, QLabel& label5, QLabel& label21, QWidget* parent = nullptr);

    void Form_Load();
    void Timer1_Timer();
    void Option5_Click();
    void Option6_Click();
    void Option16_Click();
    void HScroll1_Change();
    void Label7_Click();
    void Command1_Click();
    void Command2_Click();

    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option16;
    QGroupBox* Frame5;
    QRadioButton* Option3;
    QRadioButton* Option1;
    QRadioButton* Option7;
    QGroupBox* Frame4;
    QRadioButton* Option4;
    QRadioButton* Option2;
    QGroupBox* Frame3;
    QRadioButton* Option9;
    QRadioButton* Option8;
    QRadioButton* Option11;
    QRadioButton* Option13;
    QRadioButton* Option10;
    QRadioButton* Option12;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QScrollBar* HScroll1;
    QLabel* Label11;
    QLabel* Label8;
    ClickableLabel* Label7;
    QTimer* Timer1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void setupControls();
    void recaptionCheck1(const QString& caption);
    std::array<std::pair<QStringView, QRadioButton*>, 6> placementButtons() const;

    Services services;
    QLabel& label5;
    QLabel& label21;
    int ticks = 0;
};
