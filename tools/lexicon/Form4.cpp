#include "tools/lexicon/Form4.h"

#include "annotation/PhoneticFont.h"
#include "platform/core/EventYield.h"
#include "platform/richtext/RichTextBox.h"
#include "shell/PhoneticKeys.h"
#include "tools/lexicon/LexiconSearch.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kSpellingHeight = 2175;
constexpr int kSoundHeight = 5610;
constexpr qint64 kYieldMs = 10;
constexpr int kWidthPixels = 720;
} // namespace

Form4::Form4(RichTextBox& document, QWidget* parent) : QDialog(parent), document(document) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("单词与音标互搜工具，为考试出试卷提供便利"));
    auto* top = new QVBoxLayout(this);
    auto* modes = new QHBoxLayout;
    Option1 = new QRadioButton(QStringLiteral("搜索字母组合或单词词根、词缀"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("搜索音标，以得到单词"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    modes->addWidget(Option1);
    modes->addWidget(Option2);
    top->addLayout(modes);
    Label1 = new QLabel(QStringLiteral("请输入单词或字母组合或派生词的词根词缀等："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    top->addWidget(Label1);
    auto* keys = new QHBoxLayout;
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(12);
    Text1->setFont(arial);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    QFont phonetic(PhoneticFont::family());
    phonetic.setPointSize(12);
    Text2->setFont(phonetic);
    Command10 = new QPushButton(QStringLiteral("搜索(&S)"), this);
    Command10->setObjectName(QStringLiteral("Command10"));
    Command2 = new QPushButton(QStringLiteral("停止(&S)"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {Command10, Command2})
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    keys->addWidget(Text1, 1);
    keys->addWidget(Text2, 1);
    // The stop button takes the search button's place.
    auto* buttons = new QStackedLayout;
    buttons->setStackingMode(QStackedLayout::StackAll);
    buttons->addWidget(Command10);
    buttons->addWidget(Command2);
    keys->addLayout(buttons);
    top->addLayout(keys);
    auto* options = new QHBoxLayout;
    Check1 = new QCheckBox(QStringLiteral("模糊搜索(&C)"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    Check2 = new QCheckBox(QStringLiteral("第15版国际音标显示(&A)"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setChecked(true);
    Label2 = new QLabel(QStringLiteral("显示多少项？"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    auto* count = new QLabel(this);
    options->addWidget(Check1);
    options->addWidget(Check2);
    options->addWidget(Label2);
    options->addWidget(Slider1, 1);
    options->addWidget(count);
    top->addLayout(options);
    Frame5 = new LexiconKeypad([this](int i) { Command1_Click(i); }, [this](int i) { c1_Click(i); }, this);
    top->addWidget(Frame5);
    top->addStretch(1);

    connect(Slider1, &QSlider::valueChanged, count, [count](int v) { count->setNum(v); });
    connect(Option1, &QRadioButton::clicked, this, &Form4::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form4::Option2_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form4::Check2_Click);
    connect(Command10, &QPushButton::clicked, this, &Form4::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    Command10->setAutoDefault(false);
    Command2->setAutoDefault(false);

    Option1->setChecked(true);
    Text2->hide();
    Frame5->hide();
    Command2->hide();
    Slider1->setMinimum(1);
    Slider1->setValue(4);
    Form_Load();
}

void Form4::Form_Load() {
    Slider1->setMaximum(1400);
    stopRequest = false;
}

void Form4::setHeightTwips(int twips) {
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    resize(kWidthPixels, twips / kTwipsPerPixel);
}

void Form4::selectMode(QRadioButton* option) {
    if (option->isChecked())
        return;
    option->setChecked(true);
    if (option == Option1)
        Option1_Click();
    else
        Option2_Click();
}

void Form4::Option1_Click() {
    Text1->show();
    Text2->hide();
    Frame5->hide();
    setHeightTwips(kSpellingHeight);
    Label1->setText(QStringLiteral("请输入字母组合或单词的词根词缀："));
}

void Form4::Option2_Click() {
    Text1->hide();
    Text2->show();
    Frame5->show();
    setHeightTwips(kSoundHeight);
    Label1->setText(QStringLiteral("请输入音标："));
}

void Form4::Check2_Click() {
    Check2->setText(Check2->isChecked() ? QStringLiteral("第15版国际音标显示(&A)")
                                        : QStringLiteral("第13版国际音标显示(&A)"));
}

void Form4::Command10_Click() {
    // A full-text run holds the document; hits typed into it now would move its queued positions.
    if (searching || !document.isEnabled())
        return;
    Text1->setText(Text1->text().remove(u' '));
    Text2->setText(Text2->text().remove(u' '));
    stopRequest = false;
    Command10->hide();
    Command2->show();
    searching = true;
    const short fuzzy = Check1->isChecked() ? 1 : 0;
    const short ed15 = Check2->isChecked() ? 1 : 0;
    if (Option1->isChecked())
        muhuWordsearch(fuzzy, ed15);
    else
        Yinbiaosearch(fuzzy, ed15);
    searching = false;
    Command10->show();
    Command2->hide();
}

void Form4::Command2_Click() {
    stopRequest = true;
}

void Form4::reject() {
    // Closing the window (its close box or Escape) ends a running search.
    stopRequest = true;
    QDialog::reject();
}

bool Form4::nextRow() {
    // The hits go in as one edit block between yields, so the editor lays them out once per yield.
    if (!sinceYield.isValid() || sinceYield.elapsed() >= kYieldMs) {
        document.endEditBlock();
        EventYield().yieldNow();
        document.beginEditBlock();
        sinceYield.start();
    }
    return !stopRequest;
}

void Form4::muhuWordsearch(short fuzzy, short ed15) {
    const LexiconSearch::Options options{fuzzy == 1, ed15 == 1, Slider1->value()};
    sinceYield.invalidate();
    document.beginEditBlock();
    (void)LexiconSearch::bySpelling(
        Text1->text(), options,
        [this](const QString& word, const QString& code) { LexiconSearch::typeHit(document, word, code); },
        [this] { return nextRow(); });
    document.endEditBlock();
}

void Form4::Yinbiaosearch(short fuzzy, short ed15) {
    const LexiconSearch::Options options{fuzzy == 1, ed15 == 1, Slider1->value()};
    sinceYield.invalidate();
    document.beginEditBlock();
    (void)LexiconSearch::bySound(
        Text2->text(), options,
        [this](const QString& word, const QString& code) { LexiconSearch::typeHit(document, word, code); },
        [this] { return nextRow(); });
    document.endEditBlock();
    Text2->clear();
    Command2->hide();
    Command10->show();
}

void Form4::Command1_Click(int index) {
    Text2->insert(PhoneticKeys::dialogLayout(index));
    Text2->setFocus();
}

void Form4::c1_Click(int index) {
    Text2->insert(PhoneticKeys::extraKey(index));
    Text2->setFocus();
}
