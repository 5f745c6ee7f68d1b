#include "reader/Frmdown.h"

#include "platform/widgets/ClickableLabel.h"

#include <QLabel>
#include <QLineEdit>

QString Frmdown::downloadAddress() {
    return QStringLiteral("https://github.com/espeak-ng/espeak-ng/releases");
}

Frmdown::Frmdown(Shell& shell, QWidget* parent) : QDialog(parent), shell(shell) {
    setObjectName(QStringLiteral("Frmdown"));
    setWindowTitle(QStringLiteral("语音引擎下载"));
    setFixedSize(480, 250);
    auto* label1 = new QLabel(
        QStringLiteral(
            "    本软件基于微软SDK语音引擎库开发，要朗读中文和英文需要微软相应的语音引擎。XP以上系统"
            "默认安装了英文语音引擎。如果您的电脑没有安装该引擎，请点击下面的链接下载安装即可。"
            "您也可以搜索互联网，从微软或其他网站下载该语音包。"),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setGeometry(20, 16, 440, 100);
    Label2 = new ClickableLabel(
        QStringLiteral("点击这里，下载Microsoft Speech SDK 如果无法下载，复制下面的地址，粘贴到IE地址栏中"
                       "回车，同样可以实现下载"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(20, 124, 440, 56);
    Label2->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
    Label2->setCursor(Qt::PointingHandCursor);
    Text1 = new QLineEdit(downloadAddress(), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setGeometry(20, 192, 440, 28);
    connect(Label2, &ClickableLabel::clicked, this, [this] { Label2_Click(); });
}

void Frmdown::Label2_Click() {
    (void)shell.open(downloadAddress());
}
