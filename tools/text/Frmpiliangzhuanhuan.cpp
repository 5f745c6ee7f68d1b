#include "tools/text/Frmpiliangzhuanhuan.h"

#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageBox.h"
#include "platform/widgets/Named.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
const QString kNone = QStringLiteral("点我选择");

} // namespace

Frmpiliangzhuanhuan::Frmpiliangzhuanhuan(MessageBox& messageBox, CommonDialog& dialogs, RichTextBox& document,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      Label1(
          named(new QLabel(
                    QStringLiteral(
                        "    将文档当前使用的某种音标字体替换为另一种音标字体。当然不只是局限于替换音标字体。"
                        "本功能模块只改变文档中的字体标记，不改变文档不同字体对应编码，因此如果字体编码不同，"
                        "更改字体后可能显示文件的内容有变化。务请操作前做好备份。"),
                    this),
                u"Label1")),
      Label2(named(new QLabel(QStringLiteral("将字体：                              转换为："), this),
                   u"Label2")),
      Label3(named(new QLabel(kNone, this), u"Label3")), Label4(named(new QLabel(kNone, this), u"Label4")),
      Command1(named(new QPushButton(QStringLiteral("转换(&C)"), this), u"Command1")),
      Frame1(named(new QGroupBox(this), u"Frame1")), messageBox(messageBox), dialogs(dialogs),
      document(document) {
    setObjectName(QStringLiteral("Frmpiliangzhuanhuan"));
    setWindowTitle(QStringLiteral("字体转换"));
    setFixedSize(440, 220);
    Frame1->setGeometry(10, 6, 420, 150);
    Label1->setWordWrap(true);
    Label1->setGeometry(10, 20, 400, 72);
    Label1->setParent(Frame1);
    Label2->setGeometry(20, 110, 400, 24);
    Label2->setParent(Frame1);
    for (QLabel* label : {Label3, Label4}) {
        label->setParent(Frame1);
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
        label->installEventFilter(this);
    }
    Label3->setGeometry(80, 110, 140, 24);
    Label4->setGeometry(290, 110, 120, 24);
    Command1->setGeometry(330, 170, 100, 34);
    connect(Command1, &QPushButton::clicked, this, &Frmpiliangzhuanhuan::Command1_Click);
    Form_Load();
}

void Frmpiliangzhuanhuan::Form_Load() {
    QDir folder(ProgramFolder::path());
    for (const QString& name : folder.entryList({QStringLiteral("tmp*")}, QDir::Files))
        (void)folder.remove(name);
}

bool Frmpiliangzhuanhuan::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == Label3 || watched == Label4)) {
        if (watched == Label3)
            Label3_Click();
        else
            Label4_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frmpiliangzhuanhuan::chooseFont(QLabel* label, const QString& title) {
    // A cancelled dialog leaves the name it last held, which is taken as the choice.
    (void)dialogs.showFont(title, Dlg1);
    QString name = Dlg1.name;
    if (name.isEmpty())
        return;
    if (name.startsWith(u'@'))
        name.remove(0, 1);
    label->setText(name);
}

void Frmpiliangzhuanhuan::Label3_Click() {
    Dlg1.name.clear();
    chooseFont(Label3, QStringLiteral("请选择要转换的字体："));
}

void Frmpiliangzhuanhuan::Label4_Click() {
    chooseFont(Label4, QStringLiteral("要转换为哪种字体?"));
}

QString Frmpiliangzhuanhuan::gethexcode(const QString& text) {
    const QByteArray hex = Ansi::encode(text).toHex();
    QString out;
    for (qsizetype i = 0; i < hex.size(); i += 2)
        out += QStringLiteral("\\'") + QString::fromLatin1(hex.mid(i, 2));
    return out;
}

QString Frmpiliangzhuanhuan::getcode1(const QString& name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString c = name.mid(i, length);
        i += length - 1;
        out += Ansi::encode(c).size() > 1 ? gethexcode(c) : c;
    }
    return Vb::trim(out);
}

bool Frmpiliangzhuanhuan::renameFont(QString& rtf, const QString& from, const QString& to) {
    const QString key = from + QStringLiteral(";}");
    // The font table stands before the colour table; without one, all but the last character.
    const qsizetype colorTable = rtf.indexOf(u"\\colortbl");
    const QStringView head = QStringView(rtf).left(colorTable < 0 ? rtf.size() - 1 : colorTable);
    if (!head.contains(key))
        return false;
    rtf.replace(key, to + QStringLiteral(";}"));
    return true;
}

void Frmpiliangzhuanhuan::report(const QString& prompt, int style) {
    messageBox.show(prompt, style, QStringLiteral("友情提示"));
}

bool Frmpiliangzhuanhuan::replaceFont(const QString& path, const QString& from, const QString& to) {
    if (!document.saveFile(path, RichTextBox::FileFormat::Rtf)) {
        report(QStringLiteral("无法写入临时文件：") + path, MsgBox::Critical);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("无法读取临时文件：") + path, MsgBox::Critical);
        return false;
    }
    QString src = Ansi::decode(file.readAll());
    file.close();
    if (renameFont(src, from, to)) {
        if (!TextFile::writeBytes(path, Ansi::encode(src + QStringLiteral("\r\n")))) {
            report(QStringLiteral("无法写入临时文件：") + path, MsgBox::Critical);
            return false;
        }
    } else {
        report(QStringLiteral("文档没有使用您想替换的字体，没有转换操作发生！"), MsgBox::Information);
    }
    if (!document.loadFile(path, RichTextBox::FileFormat::Rtf)) {
        report(QStringLiteral("无法读取临时文件：") + path, MsgBox::Critical);
        return false;
    }
    return true;
}

void Frmpiliangzhuanhuan::Command1_Click() {
    const QString source = Label3->text();
    const QString target = Label4->text();
    if (source == kNone) {
        report(QStringLiteral("请选择好要转换的字体!"), MsgBox::Information);
        return;
    }
    if (target == kNone) {
        report(QStringLiteral("请选择转换后的字体!"), MsgBox::Information);
        return;
    }
    if (source == target) {
        report(QStringLiteral("您选择的是同一种字体，无需转换！"), MsgBox::Information);
        return;
    }
    if (Vb::trim(document.text()).isEmpty()) {
        report(QStringLiteral("文档区没有内容，无法检测字体情况！"), MsgBox::Critical);
        return;
    }
    setWindowTitle(QStringLiteral("字体批量转换  从：") + source + QStringLiteral("  到：") + target);
    document.setVisible(false);
    for (QWidget* w :
         {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4)})
        w->setVisible(false);
    Command1->setEnabled(false);
    Frame1->setTitle(QStringLiteral("转换中，可能要几分钟，依文档大小而定。请耐心等待……"));

    (void)replaceFont(ProgramFolder::file(QStringLiteral("tmp001.rtf")), getcode1(source), getcode1(target));

    document.setVisible(true);
    for (QWidget* w :
         {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4)})
        w->setVisible(true);
    Frame1->setTitle(QString());
    Command1->setEnabled(true);
}
