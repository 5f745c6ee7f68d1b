#include "shell/Form3.h"

#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageTitles.h"
#include "shell/Twips.h"
#include "shell/frmMain.h"
#include "tools/lexicon/Form2.h"
#include "tools/text/Form8.h"
#include "tools/text/Form9.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 4;

struct Button {
    int number;
    const char16_t* caption;
    void (Form3::*handler)();
};

const Button kButtons[] = {
    {1, u"批量标音", &Form3::Command1_Click},     {2, u"管理系统音标", &Form3::Command2_Click},
    {3, u"翻译文档", &Form3::Command3_Click},     {4, u"按音节归类单词", &Form3::Command4_Click},
    {5, u"音标转换", &Form3::Command5_Click},     {6, u"标数字", &Form3::Command6_Click},
    {7, u"长音", &Form3::Command7_Click},         {8, u"重音", &Form3::Command8_Click},
    {9, u"次重音", &Form3::Command9_Click},       {10, u"成音节", &Form3::Command10_Click},
    {11, u"词汇统计", &Form3::Command11_Click},   {12, u"设置参数", &Form3::Command12_Click},
    {13, u"13——>15", &Form3::Command13_Click},    {14, u"15——>13", &Form3::Command14_Click},
    {15, u"13——>KK", &Form3::Command15_Click},    {16, u"标年份", &Form3::Command16_Click},
    {17, u"标电话号码", &Form3::Command17_Click}, {18, u"添加音标", &Form3::Command18_Click},
    {19, u"管理自定义", &Form3::Command19_Click}, {20, u"搜字母组合读音", &Form3::Command20_Click},
};

} // namespace

Form3::Form3(Services services, frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowStaysOnTopHint), Skinlb1(new QLabel(this)), Command{},
      services(services), main(main) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("功能向导（从帮助－打开向导 可打开本窗口）"));
    Skinlb1->setObjectName(QStringLiteral("Skinlb1"));
    Skinlb1->setText(QStringLiteral("从主窗口打开文档或输入内容后进行如下操作"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Skinlb1);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    layout->addLayout(grid, 1);
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QStringLiteral("Command%1").arg(b.number));
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        connect(button, &QPushButton::clicked, this, b.handler);
        const int n = b.number - 1;
        grid->addWidget(button, n / kColumns, n % kColumns);
        Command[static_cast<std::size_t>(n)] = button;
    }
    Form_Load();
}

float Form3::Width() const {
    return static_cast<float>(frameGeometry().width()) * Twips::kPerPixel;
}

void Form3::Form_Load() {
    loadToolWindowSkin(skin, *this);
    // Twenty buttons share a small window: the skin's wide button padding would clip the captions.
    for (QPushButton* button : Command)
        if (button)
            button->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 0px; }"));
    resize(396, 226);
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const float left = static_cast<float>(area.width()) * Twips::kPerPixel - Width() - main.Frame3.Width();
    const float top = main.Rich1.Top() + main.tbToolBar.Height();
    move(area.left() + static_cast<int>(left / Twips::kPerPixel),
         area.top() + static_cast<int>(top / Twips::kPerPixel));
}

void Form3::Command1_Click() {
    services.messageBox.show(QStringLiteral("点击主窗口，按键盘上的\u3000F3"), MsgBox::Information,
                             MessageTitle::notice());
}

// Each button opens its window as the matching menu command does, unless said otherwise.

void Form3::Command2_Click() {
    // Modal here, modeless from the menu.
    Form2& window = main.entriesWindow();
    window.selectMode(window.Option7);
    window.exec();
}

void Form3::Command3_Click() {
    main.mnutrans_Click();
}

// Modal here, modeless from the menus; the finder button is made visible before the show.
void Form3::showFinder(QPushButton* Form9::*button) {
    Form9& window = main.statisticsWindow();
    (window.*button)->setVisible(true);
    window.exec();
}
void Form3::Command4_Click() {
    showFinder(&Form9::Command3);
}
void Form3::Command7_Click() {
    showFinder(&Form9::Command2);
}
void Form3::Command8_Click() {
    showFinder(&Form9::Command1);
}
void Form3::Command9_Click() {
    showFinder(&Form9::Command5);
}
void Form3::Command10_Click() {
    showFinder(&Form9::Command6);
}

void Form3::Command11_Click() {
    if (main.Rich1->text().isEmpty()) {
        services.messageBox.show(QStringLiteral("文档界面还没有内容，有内容后再统计"), MsgBox::Information,
                                 MessageTitle::notice());
        return;
    }
    Form8 window(services.messageBox, services.dialogs, *main.Rich1, &main);
    window.exec();
}

// The converter chooses its direction itself; the buttons only open it.
void Form3::Command5_Click() {
    main.mnuconvert_Click();
}
void Form3::Command13_Click() {
    main.mnuconvert_Click();
}
void Form3::Command14_Click() {
    main.mnuconvert_Click();
}
void Form3::Command15_Click() {
    main.mnuconvert_Click();
}

void Form3::Command6_Click() {
    main.mnushuzi_Click();
}
void Form3::Command16_Click() {
    main.mnuyear_Click();
}
void Form3::Command17_Click() {
    main.mnutele_Click();
}

void Form3::Command12_Click() {
    main.openForm1();
}

void Form3::Command18_Click() {
    main.mnuguanli_Click();
}
void Form3::Command19_Click() {
    main.mnuguanli2_Click();
}

void Form3::Command20_Click() {
    main.mnutoolword_Click();
}
