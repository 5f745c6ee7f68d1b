#include "annotation/PhoneticFont.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/ForeColor.h"
#include "shell/PhoneticKeys.h"
#include "shell/frmMain.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPhoneticColor = 0xFF3300; // #0033FF
const QString kTimes = QStringLiteral("Times New Roman");

QFont keyFont(const QString& family) {
    QFont f(family);
    f.setPixelSize(13);
    return f;
}

QPushButton* makeKey(QWidget* parent, const QString& name, int index, const QString& face,
                     const QFont& font) {
    auto* key = new QPushButton(face, parent);
    key->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    key->setFont(font);
    key->setFocusPolicy(Qt::NoFocus);
    key->setMinimumSize(18, 18);
    key->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return key;
}

ClickableLabel* makeLabel(QWidget* parent, const char16_t* name, const char16_t* caption) {
    auto* label = new ClickableLabel(QString::fromUtf16(caption), parent);
    label->setObjectName(QString::fromUtf16(name));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QGridLayout* tightGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    return grid;
}

} // namespace

void frmMain::setupPanels() {
    for (auto* frame : {Frame1.get(), Frame0.get(), Frame3.get(), Frmadd.get()})
        frame->setFrameShape(QFrame::StyledPanel);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame0->setObjectName(QStringLiteral("Frame0"));
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frmadd->setObjectName(QStringLiteral("Frmadd"));
    const QFont phonetic = keyFont(PhoneticFont::family());
    const QFont times = keyFont(kTimes);

    // Page A: two rows of phonetic keys, then the colour, switch and close labels.
    QGridLayout* a = tightGrid(Frame1.get());
    cmdnew.assign(69, nullptr);
    std::vector<int> pageAKeys;
    for (int i = 0; i < 48; ++i)
        pageAKeys.push_back(i);
    pageAKeys.insert(pageAKeys.end(), {66, 67, 68});
    for (std::size_t n = 0; n < pageAKeys.size(); ++n) {
        const int i = pageAKeys[n];
        cmdnew[i] = makeKey(Frame1.get(), QStringLiteral("cmdnew"), i, PhoneticKeys::pageA(i), phonetic);
        connect(cmdnew[i], &QPushButton::clicked, this, [this, i] { cmdnew_Click(i); });
        a->addWidget(cmdnew[i], static_cast<int>(n % 2), static_cast<int>(n / 2));
    }
    cmdnew[66]->setToolTip(QStringLiteral("长音符号"));
    cmdnew[67]->setToolTip(QStringLiteral("次重音符号"));
    cmdnew[68]->setToolTip(QStringLiteral("重音符号"));
    const auto clickable = [this](QWidget* parent, const char16_t* name, const char16_t* caption,
                                  void (frmMain::*handler)()) {
        ClickableLabel* label = makeLabel(parent, name, caption);
        connect(label, &ClickableLabel::clicked, this, handler);
        return label;
    };
    Label5 = clickable(Frame1.get(), u"Label5", u"设置音标颜色", &frmMain::Label5_Click);
    Label17 = clickable(Frame1.get(), u"Label17", u"切换", &frmMain::Label17_Click);
    Label14 = clickable(Frame1.get(), u"Label14", u"关闭面板", &frmMain::Label14_Click);
    a->addWidget(Label5, 0, 26, 1, 2);
    a->addWidget(Label17, 1, 26);
    a->addWidget(Label14, 1, 27);

    // Page B: the 67-key layout, the extra keys, the bracket keys.
    QGridLayout* b = tightGrid(Frame0.get());
    Command1.assign(66, nullptr);
    int column = 0;
    const auto place = [&](QPushButton* key) {
        b->addWidget(key, column % 2, column / 2);
        ++column;
    };
    for (int i = 0; i < 66; ++i) {
        Command1[i] =
            makeKey(Frame0.get(), QStringLiteral("Command1"), i, PhoneticKeys::mainLayout(i), phonetic);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        place(Command1[i]);
    }
    Command1[61]->setToolTip(QStringLiteral("为录入更方便"));
    Command1[62]->setToolTip(QStringLiteral("长音符号"));
    Command1[63]->setToolTip(QStringLiteral("重音符号"));
    Command1[64]->setToolTip(QStringLiteral("次重音符号"));
    c1.assign(30, nullptr);
    for (int i : {0, 8, 29}) {
        c1[i] = makeKey(Frame0.get(), QStringLiteral("c1"), i, PhoneticKeys::extraKey(i), phonetic);
        connect(c1[i], &QPushButton::clicked, this, [this, i] { c1_Click(i); });
        place(c1[i]);
    }
    Command2 = makeKey(Frame0.get(), QStringLiteral("Command2"), 0, QStringLiteral("["), times);
    Command3 = makeKey(Frame0.get(), QStringLiteral("Command3"), 0, QStringLiteral("]"), times);
    Command4 = makeKey(Frame0.get(), QStringLiteral("Command4"), 0, QStringLiteral("/"), times);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4->setObjectName(QStringLiteral("Command4"));
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    for (QPushButton* key : {Command2, Command3, Command4})
        place(key);
    Label21 = clickable(Frame0.get(), u"Label21", u"设置音标颜色", &frmMain::Label21_Click);
    Label18 = clickable(Frame0.get(), u"Label18", u"切换", &frmMain::Label18_Click);
    Label20 = clickable(Frame0.get(), u"Label20", u"关闭面板", &frmMain::Label20_Click);
    const int labelColumn = (column + 1) / 2;
    b->addWidget(Label21, 0, labelColumn, 1, 2);
    b->addWidget(Label18, 1, labelColumn);
    b->addWidget(Label20, 1, labelColumn + 1);
    lblcaidan = new QLabel(Frame0.get());
    lblcaidan->setObjectName(QStringLiteral("lblcaidan"));
    lblcaidan->hide();

    // Side panel: the fold label above two columns of keys, which scroll rather than shrink past
    // readability when the window is low.
    auto* sideLayout = new QVBoxLayout(Frame3.get());
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    Label1 = clickable(Frame3.get(), u"Label1", u">>", &frmMain::Label1_Click);
    Label1->setAlignment(Qt::AlignCenter);
    sideLayout->addWidget(Label1);
    auto* sideScroll = new QScrollArea(Frame3.get());
    sideScroll->setObjectName(QStringLiteral("Frame3Keys"));
    sideScroll->setFrameShape(QFrame::NoFrame);
    sideScroll->setWidgetResizable(true);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* sideKeys = new QWidget(sideScroll);
    QGridLayout* side = tightGrid(sideKeys);
    cmdnew1.assign(48, nullptr);
    for (int i = 0; i < 48; ++i) {
        cmdnew1[i] = makeKey(sideKeys, QStringLiteral("cmdnew1"), i, PhoneticKeys::sidePanel(i), phonetic);
        connect(cmdnew1[i], &QPushButton::clicked, this, [this, i] { cmdnew1_Click(i); });
        side->addWidget(cmdnew1[i], i / 2, i % 2);
    }
    sideScroll->setWidget(sideKeys);
    sideLayout->addWidget(sideScroll, 1);

    // Symbol panel: two rows of marks, then the close and colour labels.
    QGridLayout* symbols = tightGrid(Frmadd.get());
    Commandadd.assign(125, nullptr);
    const QFont symbolFont = keyFont(kTimes);
    int row = 0;
    for (const auto* keys : {&PhoneticKeys::symbolRow1(), &PhoneticKeys::symbolRow2()}) {
        int col = 0;
        for (const auto& [i, caption] : *keys) {
            Commandadd[i] = makeKey(Frmadd.get(), QStringLiteral("Commandadd"), i, caption, symbolFont);
            connect(Commandadd[i], &QPushButton::clicked, this,
                    [this, index = i] { Commandadd_Click(index); });
            symbols->addWidget(Commandadd[i], row, col++);
        }
        ++row;
    }
    Label2 = clickable(Frmadd.get(), u"Label2", u"关闭面板", &frmMain::Label2_Click);
    Label6 = clickable(Frmadd.get(), u"Label6", u"设置左侧快捷字符颜色", &frmMain::Label6_Click);
    symbols->addWidget(Label6, 0, 23);
    symbols->addWidget(Label2, 1, 23);

    setForeColor(Label5, kPhoneticColor);
    setForeColor(Label6, 0);
    Frame0->raise();
}

void frmMain::insertPhonetic(const QString& code) {
    Rich1->setSelFontName(PhoneticFont::family());
    Rich1->setSelColor(foreColor(Label5));
    Rich1->setSelText(code);
    Rich1->editor()->setFocus();
}

void frmMain::insertSymbol(const QString& text, bool coloured) {
    Rich1->setSelFontName(kTimes);
    if (coloured)
        Rich1->setSelColor(foreColor(Label6));
    Rich1->setSelText(text);
    Rich1->editor()->setFocus();
}

void frmMain::Command1_Click(int index) {
    insertPhonetic(PhoneticKeys::mainLayout(index));
}

void frmMain::cmdnew_Click(int index) {
    insertPhonetic(PhoneticKeys::pageA(index));
}

void frmMain::cmdnew1_Click(int index) {
    insertPhonetic(PhoneticKeys::sidePanel(index));
}

void frmMain::c1_Click(int index) {
    insertPhonetic(PhoneticKeys::extraKey(index));
}

void frmMain::Command2_Click() {
    insertSymbol(Command2->text(), false);
}

void frmMain::Command3_Click() {
    insertSymbol(Command3->text(), false);
}

void frmMain::Command4_Click() {
    insertSymbol(Command4->text(), false);
}

void frmMain::Commandadd_Click(int index) {
    insertSymbol(PhoneticKeys::symbolKey(index), true);
}

void frmMain::mnuviewzhedie_Click() {
    mnuviewzhedie->setChecked(!mnuviewzhedie->isChecked());
    // The pages share one place and are not opaque: opening shows page A alone.
    Frame1.setVisible(mnuviewzhedie->isChecked());
    Frame0.setVisible(false);
    Frame1.setTop(Frame0.Top());
    if (mnuviewzhedie->isChecked()) {
        Rich1.setTop(Rich1.Top() + Frame1.Height());
        Rich1.setHeight(Rich1.Height() - Frame1.Height());
    } else {
        Rich1.setTop(Rich1.Top() - Frame1.Height());
        Rich1.setHeight(Rich1.Height() + Frame1.Height());
    }
    Frame3.setTop(Rich1.Top() - 70);
    Frame3.setHeight(Rich1.Height() + 70);
    if (Label1->text() == u"<<")
        Frame3.setLeft(Rich1.Left() + Rich1.Width());
    Frmadd.setTop(Rich1.Top() + Rich1.Height());
    Frmadd.setLeft(Rich1.Left());
    Frmadd.setWidth(Rich1.Width());
}

void frmMain::mnuleft_Click() {
    mnuleft->setChecked(!mnuleft->isChecked());
    Frame3.setVisible(mnuleft->isChecked());
    const float w = Frame3.Width();
    const bool left = Label1->text() == u">>";
    if (Frame3.Visible()) {
        Rich1.setWidth(Rich1.Width() - w);
        if (left)
            Rich1.setLeft(Rich1.Left() + w);
    } else {
        Rich1.setWidth(Rich1.Width() + w);
        if (left)
            Rich1.setLeft(Rich1.Left() - w);
    }
    Frmadd.setWidth(Rich1.Width());
    Frmadd.setLeft(Rich1.Left());
}

void frmMain::mnuviewline_Click() {
    mnuviewline->setChecked(!mnuviewline->isChecked());
    Frmadd.setVisible(mnuviewline->isChecked());
    if (Frmadd.Visible()) {
        Rich1.setHeight(Rich1.Height() - Frmadd.Height());
        Frmadd.setTop(Rich1.Top() + Rich1.Height() - 50);
    } else {
        Rich1.setHeight(Rich1.Height() + Frmadd.Height());
    }
}

void frmMain::Label1_Click() {
    if (Label1->text() == u">>") {
        Rich1.setLeft(Frame3.Left());
        Frame3.setLeft(Rich1.Width());
        Label1->setText(QStringLiteral("<<"));
    } else {
        Label1->hide();
    }
    Frmadd.setWidth(Rich1.Width());
    Frmadd.setLeft(Rich1.Left());
}

void frmMain::Label17_Click() {
    Frame0.setVisible(true);
    Frame1.setVisible(false);
    Frame0.setTop(Frame1.Top());
    lblcaidan->setText(QStringLiteral("3"));
}

void frmMain::Label18_Click() {
    Frame1.setVisible(true);
    Frame0.setVisible(false);
    Frame1.setTop(Frame0.Top());
}

void frmMain::Label14_Click() {
    mnuviewzhedie_Click();
}

void frmMain::Label20_Click() {
    mnuviewzhedie_Click();
    Frame1.setVisible(false);
    Frame0.setVisible(false);
}

void frmMain::Label2_Click() {
    mnuviewline_Click();
}

void frmMain::mnuhand_Click() {
    if (!mnuviewzhedie->isChecked())
        mnuviewzhedie_Click();
    Timer2->start();
}

void frmMain::Timer2_Timer() {
    ++blinkTicks;
    Frame1.setVisible(blinkTicks % 2 == 0);
    if (blinkTicks == 4) {
        blinkTicks = 0;
        Frame1.setVisible(true);
        Timer2->stop();
    }
}

void frmMain::Label5_Click() {
    int color = foreColor(Label5);
    services.dialogs.showColor(QStringLiteral("设置音标颜色"), color);
    setForeColor(Label5, color);
    setForeColor(Label21, foreColor(Label5));
}

void frmMain::Label21_Click() {
    Label5_Click();
}

void frmMain::Label6_Click() {
    int color = foreColor(Label6);
    services.dialogs.showColor(QStringLiteral("设置字符颜色"), color);
    setForeColor(Label6, color);
}
