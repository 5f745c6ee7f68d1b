#include "shell/Form1.h"

#include "annotation/PhoneticFont.h"
#include "lexicon/Module1.h"
#include "platform/services/BgrColor.h"
#include "platform/services/MessageTitles.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/ForeColor.h"
#include "shell/Placement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int swatchColor(const QLabel& swatch) {
    return qColorToBgr(swatch.palette().color(QPalette::Window));
}

void setSwatchColor(QLabel& swatch, int bgr) {
    QPalette palette = swatch.palette();
    palette.setColor(QPalette::Window, bgrToQColor(bgr));
    swatch.setPalette(palette);
}

QRadioButton* option(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QGroupBox* frame(const char* name, const QString& caption, std::initializer_list<QRadioButton*> buttons) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton* button : buttons) {
        button->setParent(box);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

Form1::Form1(Services services, QLabel& label5, QLabel& label21, QWidget* parent)
    : QDialog(parent), services(services), label5(label5), label21(label21) {
    setupControls();
    Form_Load();
    Timer1->start();
}

void Form1::setupControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" 标注的参数与输出格式 设置"));

    Option5 = option("Option5", QStringLiteral("第十五版国际音标"), this);
    Option6 = option("Option6", QStringLiteral("第十三版国际音标"), this);
    Option16 = option("Option16", QStringLiteral("美式音标"), this);
    Frame5 = frame("Frame5", QStringLiteral("批量标注时，标哪种音标"), {Option5, Option6, Option16});

    Option3 = option("Option3", QStringLiteral("加//宽式边界"), this);
    Option1 = option("Option1", QStringLiteral("加[]严式边界"), this);
    Option7 = option("Option7", QStringLiteral("什么也不加"), this);
    Frame4 = frame("Frame4", QStringLiteral("音标两侧如何分隔"), {Option3, Option1, Option7});

    Option4 = option("Option4", QStringLiteral("空格分隔"), this);
    Option2 = option("Option2", QStringLiteral("回车分隔"), this);
    Frame3 = frame("Frame3", QStringLiteral("单词间用什么分隔"), {Option4, Option2});

    // The placement buttons form their own group; the box around them carries no caption of its own.
    Option9 = option("Option9", QStringLiteral("标注在单词之后"), this);
    Option8 = option("Option8", QStringLiteral("标注在单词上方"), this);
    Option11 = option("Option11", QStringLiteral("标注在单词下方"), this);
    Option13 = option("Option13", QStringLiteral("音标标文末（与单词分离）"), this);
    Option10 = option("Option10", QStringLiteral("标在单词上以域形式显示到WORD"), this);
    Option12 = option("Option12", QStringLiteral("标在单词下以域形式显示到WORD"), this);
    auto* placement = new QGroupBox;
    auto* placementLayout = new QGridLayout(placement);
    QRadioButton* const placements[] = {Option9, Option8, Option11, Option13, Option10, Option12};
    for (int i = 0; i < 6; ++i) {
        QRadioButton* button = placements[i];
        button->setParent(placement);
        placementLayout->addWidget(button, i % 3, i / 3);
    }

    Check1 = new QCheckBox(QStringLiteral("执行 第十五版国际音标 检查"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setTristate(true);
    Check2 = new QCheckBox(
        QStringLiteral("用Lucida Sans Unicode字体显示音标（本选项支持上面在WORD中以域显示的两种格式，"
                       "\n当选上面前四项输出格式时，勾选本项将以弹出网页显示Lucida Sans "
                       "Unicode标注结果"),
        this);
    Check2->setObjectName(QStringLiteral("Check2"));

    Label8 = new QLabel(QStringLiteral("字体：Fonvella.ttf(默认)  字号："), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(2, 72);
    HScroll1->setMinimumWidth(160);
    Label11 = new QLabel(this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setMinimumWidth(24);
    Label7 = new ClickableLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAutoFillBackground(true);
    Label7->setFrameShape(QFrame::Box);
    Label7->setFixedSize(48, 20);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->setToolTip(QStringLiteral("设置音标颜色"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    Command1 = new QPushButton(QStringLiteral("确定(&S)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消(&R)"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    // Design state, before the timer fills the controls; no Click handler runs for it.
    Option5->setChecked(true);
    Option7->setChecked(true);
    Option4->setChecked(true);
    Option8->setChecked(true);
    Check1->setCheckState(Qt::PartiallyChecked);
    Check2->setCheckState(Qt::Checked);
    HScroll1->setValue(15);
    Label11->setNum(HScroll1->value());

    auto* top = new QHBoxLayout;
    top->addWidget(Frame5);
    top->addWidget(Frame4);
    top->addWidget(Frame3);
    auto* size = new QHBoxLayout;
    size->addWidget(Label8);
    size->addWidget(HScroll1, 1);
    size->addWidget(Label11);
    size->addSpacing(16);
    size->addWidget(Label7);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(placement);
    layout->addWidget(Check1);
    layout->addWidget(Check2);
    layout->addLayout(size);
    layout->addLayout(buttons);

    connect(Option5, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option5_Click();
    });
    connect(Option6, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option6_Click();
    });
    connect(Option16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option16_Click();
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Label7, &ClickableLabel::clicked, this, [this] { Label7_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form1::Form_Load() {
    setSwatchColor(*Label7, foreColor(&label5));
}

void Form1::Timer1_Timer() {
    ++ticks;
    if (ticks != 1)
        return;
    Timer1->stop();
    setSwatchColor(*Label7, foreColor(&label5));
    HScroll1->setValue(Module1::phoneticFontSize);
    Label11->setNum(HScroll1->value());

    if (Module1::phoneticSystem == u"new")
        Option5->setChecked(true);
    else if (Module1::phoneticSystem == u"old")
        Option6->setChecked(true);
    else
        Option16->setChecked(true);

    if (Module1::bracketMode == u"/")
        Option3->setChecked(true);
    else if (Module1::bracketMode == u"[")
        Option1->setChecked(true);
    else
        Option7->setChecked(true);

    if (Module1::wordSeparator == u"kongge")
        Option4->setChecked(true);
    else
        Option2->setChecked(true);

    for (const auto& [value, button] : placementButtons()) {
        if (Module1::outputPlacement == value)
            button->setChecked(true);
    }

    if (Module1::notationCheck == u"yes")
        Check1->setCheckState(Qt::PartiallyChecked);
    Check2->setCheckState(Module1::useLucidaFont ? Qt::Checked : Qt::Unchecked);
}

std::array<std::pair<QStringView, QRadioButton*>, 6> Form1::placementButtons() const {
    return {{{Placement::Inline, Option9},
             {Placement::Above, Option8},
             {Placement::Below, Option11},
             {Placement::AtEnd, Option13},
             {Placement::FieldAbove, Option10},
             {Placement::FieldBelow, Option12}}};
}

void Form1::recaptionCheck1(const QString& caption) {
    Check1->setText(caption);
    Check1->setCheckState(Qt::Checked);
}

void Form1::Option5_Click() {
    recaptionCheck1(QStringLiteral("执行 第十五版国际音标  检查"));
}

void Form1::Option6_Click() {
    recaptionCheck1(QStringLiteral("执行 第十三版国际音标  检查"));
}

void Form1::Option16_Click() {
    recaptionCheck1(QStringLiteral("执行 美式音标  检查"));
}

void Form1::HScroll1_Change() {
    Label11->setNum(HScroll1->value());
}

void Form1::Label7_Click() {
    int color = swatchColor(*Label7);
    if (!services.dialogs.showColor(QStringLiteral("设置音标颜色"), color))
        return;
    setSwatchColor(*Label7, color);
    setForeColor(&label5, color);
    setForeColor(&label21, color);
}

void Form1::Command1_Click() {
    const int color = swatchColor(*Label7);
    setForeColor(&label5, color);
    setForeColor(&label21, color);
    Module1::phoneticFontSize = HScroll1->value();

    if (Option5->isChecked())
        Module1::phoneticSystem = QStringLiteral("new");
    else if (Option6->isChecked())
        Module1::phoneticSystem = QStringLiteral("old");
    else if (Option16->isChecked())
        Module1::phoneticSystem = QStringLiteral("mei");
    else
        Module1::phoneticSystem = QStringLiteral("new");

    if (Option3->isChecked())
        Module1::bracketMode = QStringLiteral("/");
    else if (Option1->isChecked())
        Module1::bracketMode = QStringLiteral("[");
    else if (Option7->isChecked())
        Module1::bracketMode = QStringLiteral("|");
    Module1::DeriveBrackets();

    Module1::wordSeparator = Option4->isChecked() ? QStringLiteral("kongge") : QStringLiteral("huiche");

    for (const auto& [value, button] : placementButtons()) {
        if (button->isChecked()) {
            Module1::outputPlacement = value.toString();
            break;
        }
    }

    Module1::notationCheck =
        Check1->checkState() == Qt::Unchecked ? QStringLiteral("no") : QStringLiteral("yes");
    Module1::useLucidaFont = Check2->checkState() == Qt::Checked;
    Module1::phoneticFontName =
        Module1::useLucidaFont ? QStringLiteral("Lucida Sans Unicode") : PhoneticFont::family();
    Module1::canshu7Flag = true;

    if (!Module1::WriteSettings())
        services.messageBox.show(
            QStringLiteral("无法写入参数文件 canshushezhi.txt，新的设置只在本次运行中有效。"),
            MsgBox::OkOnly | MsgBox::Critical, MessageTitle::notice());
    accept();
}

void Form1::Command2_Click() {
    reject();
}
