#include "tools/text/Frmnumber.h"

#include "lexicon/Module1.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageBox.h"
#include "platform/widgets/Named.h"
#include "tools/services/SaveCommand.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

using namespace Module1;

namespace {
constexpr int kBlue = 0xFF0000;
constexpr int kRed = 0x0000FF;
constexpr int kBlack = 0;

bool onlyChars(const QString& text, QStringView allowed) {
    for (const QChar c : text)
        if (!allowed.contains(c))
            return false;
    return true;
}

QString bracketed(const QString& word) {
    return leftBracket + word + rightBracket;
}

QString readTop(const QString& group) {
    switch (group.size()) {
    case 1:
        return ReadDigit(group);
    case 2:
        return ReadTwoDigits(group);
    default:
        return ReadThreeDigits(group);
    }
}

QString dropLeadingZeros(QString text, int times) {
    for (int i = 0; i < times && text.startsWith(u'0'); ++i)
        text.remove(0, 1);
    return text;
}
} // namespace

Frmnumber::Frmnumber(MessageBox& messageBox, CommonDialog& dialogs, QWidget* parent)
    : QDialog(parent), Label1(named(new QLabel(QStringLiteral("数    字："), this), u"Label1")),
      Text1(named(new QLineEdit(this), u"Text1")),
      Command1(named(new QPushButton(QStringLiteral("开始标注(&S)"), this), u"Command1")),
      Label3(named(new QLabel(QStringLiteral("年    份："), this), u"Label3")),
      Text2(named(new QLineEdit(this), u"Text2")),
      Command3(named(new QPushButton(QStringLiteral("标注年份(&Y)"), this), u"Command3")),
      Label4(named(new QLabel(QStringLiteral("电话号码："), this), u"Label4")),
      Text3(named(new QLineEdit(this), u"Text3")),
      Command2(named(new QPushButton(QStringLiteral("标注电话号码(&T)"), this), u"Command2")),
      Labelnote(named(new QLabel(QStringLiteral("    能自动识别半角与全角，以及小数点，整数位最多标注到12位；"
                                                "单击前面的标签复制已拷贝内容到后面文本框"),
                                 this),
                      u"Labelnote")),
      Image1(named(new QPushButton(this), u"Image1")), Rich1(named(new RichTextBox(this), u"Rich1")),
      messageBox(messageBox), dialogs(dialogs) {
    setObjectName(QStringLiteral("Frmnumber"));
    setFixedSize(480, 300);
    for (QLabel* label : {Label1, Label3, Label4}) {
        label->setToolTip(QStringLiteral("点击复制"));
        label->setCursor(Qt::PointingHandCursor);
        label->setGeometry(10, 12, 80, 26);
        label->installEventFilter(this);
    }
    for (QLineEdit* box : {Text1, Text2, Text3})
        box->setGeometry(92, 12, 220, 26);
    for (QPushButton* button : {Command1, Command3, Command2}) {
        button->setGeometry(320, 10, 150, 30);
        button->setEnabled(false);
    }
    Labelnote->setWordWrap(true);
    Labelnote->setGeometry(10, 46, 420, 40);
    Image1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Image1->setToolTip(QStringLiteral("保存"));
    Image1->setFlat(true);
    Image1->setGeometry(438, 50, 32, 32);
    Rich1->setGeometry(10, 92, 460, 198);
    Rich1->setBaseFont(QStringLiteral("Fonvella"), 16);
    connect(Text1, &QLineEdit::textChanged, this, &Frmnumber::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Frmnumber::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Frmnumber::Text3_Change);
    connect(Command1, &QPushButton::clicked, this, &Frmnumber::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Frmnumber::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Frmnumber::Command2_Click);
    connect(Image1, &QPushButton::clicked, this, &Frmnumber::Image1_Click);
}

void Frmnumber::showMode(Mode mode) {
    const auto group = [](bool on, QWidget* label, QWidget* box, QWidget* button) {
        for (QWidget* w : {label, box, button})
            w->setVisible(on);
    };
    group(mode == Mode::Number, Label1, Text1, Command1);
    group(mode == Mode::Year, Label3, Text2, Command3);
    group(mode == Mode::Telephone, Label4, Text3, Command2);
    setWindowTitle(mode == Mode::Number ? QStringLiteral("标数字")
                   : mode == Mode::Year ? QStringLiteral("标年份")
                                        : QStringLiteral("标电话号码"));
}

bool Frmnumber::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label1)
            Label1_Click();
        else if (watched == Label3)
            Label3_Click();
        else if (watched == Label4)
            Label4_Click();
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Frmnumber::Text1_Change() {
    Command1->setEnabled(!Text1->text().isEmpty());
}

void Frmnumber::Text2_Change() {
    Command3->setEnabled(!Text2->text().isEmpty());
}

void Frmnumber::Text3_Change() {
    Command2->setEnabled(!Text3->text().isEmpty());
}

void Frmnumber::Label1_Click() {
    Text1->setText(QApplication::clipboard()->text());
}

void Frmnumber::Label3_Click() {
    Text2->setText(QApplication::clipboard()->text());
}

void Frmnumber::Label4_Click() {
    Text3->setText(QApplication::clipboard()->text());
}

void Frmnumber::write(const QString& text, int color) {
    Rich1->setSelStart(int(Rich1->text().size()));
    Rich1->setSelFontName(QStringLiteral("Fonvella"));
    Rich1->setSelColor(color);
    Rich1->setSelText(text);
}

void Frmnumber::refuse(const QString& prompt) {
    messageBox.show(prompt, MsgBox::Critical, QStringLiteral("友情提示"));
}

void Frmnumber::writeGroups(const QString& integer) {
    const auto n = integer.size();
    const QString units = integer.right(3);
    const QString thousands = integer.mid(std::max<qsizetype>(n - 6, 0), std::min<qsizetype>(n - 3, 3));
    const QString millions = integer.mid(std::max<qsizetype>(n - 9, 0), std::min<qsizetype>(n - 6, 3));
    const auto thousandWord = bracketed(QStringLiteral("5WaJzEnd"));
    const auto lowerGroup = [](const QString& group, const QString& word) {
        return group == u"000" ? QString() : ReadThreeDigits(group) + word;
    };
    if (n <= 3) {
        write(readTop(integer), kBlue);
    } else if (n <= 6) {
        const QString top = integer.left(n - 3);
        write(readTop(top) +
                  bracketed(top.size() == 2 ? QStringLiteral(" 5WaJzEnd ") : QStringLiteral("5WaJzEnd")),
              kBlue);
        write(ReadThreeDigits(units), kRed);
    } else if (n <= 9) {
        write(readTop(integer.left(n - 6)) + bracketed(QStringLiteral("5mIljEn")), kBlue);
        write(lowerGroup(thousands, thousandWord), kRed);
        write(ReadThreeDigits(units), kBlue);
    } else {
        write(readTop(integer.left(n - 9)) + bracketed(QStringLiteral("5bIljEn")), kRed);
        write(lowerGroup(millions, bracketed(QStringLiteral("5mIljEn"))), kBlue);
        write(lowerGroup(thousands, thousandWord), kRed);
        write(ReadThreeDigits(units), kBlue);
    }
}

void Frmnumber::Command1_Click() {
    const std::optional<QString> normal = NormalizeNumber(Vb::trim(Text1->text()).left(12));
    if (!normal || !onlyChars(*normal, u"1234567890.")) {
        refuse(QStringLiteral("存在非数字字符！"));
        return;
    }
    const QString s = *normal;
    Text1->setText(s);
    const qsizetype point = s.indexOf(u'.');
    const QString integer = point < 0 ? s : s.left(point);
    const QString fraction = point < 0 ? QString() : s.mid(point + 1);
    Rich1->setText(QString());
    if (!integer.isEmpty() && integer.size() <= 12)
        writeGroups(integer);
    if (!fraction.isEmpty()) {
        write(bracketed(QStringLiteral(" pCint ")), kBlack);
        for (const QChar digit : fraction)
            write(ReadDigitWithZero(QString(digit)), kBlue);
    }
}

void Frmnumber::Command3_Click() {
    const std::optional<QString> normal = NormalizeNumber(Vb::trim(Text2->text()));
    if (!normal)
        return;
    const QString y = dropLeadingZeros(*normal, 4);
    if (y.isEmpty())
        return;
    if (!onlyChars(y, u"1234567890")) {
        refuse(QStringLiteral("存在非数字符号！"));
        return;
    }
    Rich1->setText(QString());
    const auto d = [&y](qsizetype from, qsizetype count) { return y.mid(from, count); };
    QString out;
    switch (y.size()) {
    case 1:
        out = ReadDigit(y);
        break;
    case 2:
        out = ReadTwoDigits(y);
        break;
    case 3:
        out = ReadDigit(d(0, 1)) + bracketed(QStringLiteral("5hQndrId")) +
              bracketed(QStringLiteral(" End ")) + ReadTwoDigits(d(1, 2));
        break;
    case 4:
        if (d(1, 3) == u"000")
            out = ReadDigit(d(0, 1)) + bracketed(QStringLiteral(" 5WaJzEnd "));
        else if (d(2, 2) == u"00" && d(1, 1) != u"0")
            out = ReadTwoDigits(d(0, 2)) + bracketed(QStringLiteral("5hQndrId"));
        else if (d(1, 2) == u"00" && d(3, 1) != u"0")
            out = ReadDigit(d(0, 1)) + bracketed(QStringLiteral("5WaJzEnd ")) +
                  bracketed(QStringLiteral("End")) + ReadDigit(d(3, 1));
        else if (d(2, 1) == u"0" && d(1, 1) != u"0")
            out = ReadTwoDigits(d(0, 2)) + bracketed(QStringLiteral(" End ")) + ReadDigit(d(3, 1));
        else
            out = ReadTwoDigits(d(0, 2)) + ReadTwoDigits(d(2, 2));
        break;
    default:
        return; // more than four digits: the box stays empty
    }
    write(out, kBlue);
}

void Frmnumber::Command2_Click() {
    const std::optional<QString> normal = NormalizeNumber(Vb::trim(Text3->text()));
    const QString t = normal ? dropLeadingZeros(*normal, 11) : QString();
    if (!normal || !onlyChars(t, u"1234567890")) {
        refuse(QStringLiteral("存在非数字符号！"));
        return;
    }
    Rich1->setText(QString());
    for (const QChar digit : t)
        write(bracketed(ReadPhoneDigit(QString(digit))), kBlue);
}

void Frmnumber::Image1_Click() {
    const SaveKind kind{
        QStringLiteral("保存文件"), QStringLiteral("富文件|*.rtf"), {RichTextBox::FileFormat::Rtf}};
    (void)runSaveCommand(messageBox, dialogs, Dlg1, kind, *Rich1);
}
