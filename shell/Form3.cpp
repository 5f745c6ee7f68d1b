#include "shell/Form3.h"

#include "shell/Twips.h"
#include "shell/frmMain.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 4;
const QString kNotice = QStringLiteral("友情提示");

struct Button {
    const char16_t* caption;
    void (Form3::*handler)();
};

const Button kButtons[] = {
    {u"批量标音", &Form3::Command1_Click},
    {u"设置参数", &Form3::Command12_Click},
};

} // namespace

Form3::Form3(MessageBox& messageBox, frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowStaysOnTopHint), Skinlb1(new QLabel(this)), Command{},
      messageBox(messageBox), main(main) {
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
    int n = 0;
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QStringLiteral("Command%1").arg(n + 1));
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        connect(button, &QPushButton::clicked, this, b.handler);
        grid->addWidget(button, n / kColumns, n % kColumns);
        Command[static_cast<std::size_t>(n)] = button;
        ++n;
    }
    Form_Load();
}

float Form3::Width() const {
    return static_cast<float>(frameGeometry().width()) * Twips::kPerPixel;
}

void Form3::Form_Load() {
    loadToolWindowSkin(skin, *this);
    resize(396, 226);
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const float left = static_cast<float>(area.width()) * Twips::kPerPixel - Width() - main.Frame3.Width();
    const float top = main.Rich1.Top() + main.tbToolBar.Height();
    move(area.left() + static_cast<int>(left / Twips::kPerPixel),
         area.top() + static_cast<int>(top / Twips::kPerPixel));
}

void Form3::Command1_Click() {
    messageBox.show(QStringLiteral("点击主窗口，按键盘上的\u3000F3"), MsgBox::Information, kNotice);
}

void Form3::Command12_Click() {
    main.openForm1();
}
