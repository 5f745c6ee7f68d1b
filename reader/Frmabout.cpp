#include "reader/Frmabout.h"

#include "platform/core/ProgramFolder.h"
#include "platform/widgets/ClickableLabel.h"

#include <QFileInfo>
#include <QFont>
#include <QPixmap>

QString Frmabout::mailAddress() {
    return QStringLiteral("sayloom@example.com");
}

QString Frmabout::webAddress() {
    return QStringLiteral("https://www.example.com/sayloom/");
}

Frmabout::Frmabout(Shell& shell, QWidget* parent) : QDialog(parent), shell(shell) {
    setObjectName(QStringLiteral("Frmabout"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(460, 260);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(20, 20, 96, 96);
    Image1->setScaledContents(true);
    const QString logo = ProgramFolder::file(QStringLiteral("sayloom.png"));
    if (QFileInfo::exists(logo))
        Image1->setPixmap(QPixmap(logo));
    Label1 = new QLabel(QStringLiteral("Sayloom"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("隶书"), 22));
    Label1->setGeometry(136, 20, 300, 40);
    Label2 = new QLabel(
        QStringLiteral(
            "    本软件能实现英文和中文的朗读功能。同时，软件具备将英文和中文生成语音文件的功能，方便"
            "用户将语音文件放到MP3等其他设备上，随时随地听，随时随地学习。"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(136, 64, 304, 100);
    auto* label9 = new QLabel(QStringLiteral("邮箱："), this);
    label9->setObjectName(QStringLiteral("Label9"));
    label9->setGeometry(136, 176, 50, 24);
    Label10 = new ClickableLabel(mailAddress(), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setGeometry(186, 176, 254, 24);
    auto* label5 = new QLabel(QStringLiteral("网站："), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setGeometry(136, 206, 50, 24);
    Label12 = new ClickableLabel(webAddress(), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setGeometry(186, 206, 254, 24);
    for (ClickableLabel* link : {Label10, Label12}) {
        link->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
        link->setCursor(Qt::PointingHandCursor);
    }
    connect(Label10, &ClickableLabel::clicked, this, [this] { Label10_Click(); });
    connect(Label12, &ClickableLabel::clicked, this, [this] { Label12_Click(); });
}

void Frmabout::Form_Click() {
    hide();
}

void Frmabout::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    Form_Click();
}

void Frmabout::Label10_Click() {
    (void)shell.open(QStringLiteral("mailto:") + mailAddress());
}

void Frmabout::Label12_Click() {
    (void)shell.open(webAddress());
}
