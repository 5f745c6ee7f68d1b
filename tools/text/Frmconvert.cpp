#include "tools/text/Frmconvert.h"

#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/services/BgrColor.h"
#include "platform/services/MessageBox.h"
#include "platform/widgets/Named.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace {
const QString kFrameCaption = QStringLiteral("告诉软件如何识别音标");
constexpr int kWindow = 20; // the closing mark is looked for this many characters after the opening one
constexpr int kBlue = 0xFF0000;
constexpr int kRed = 0x0000FF;

} // namespace

Frmconvert::Frmconvert(MessageBox& messageBox, RichTextBox& document, QWidget* parent)
    : QDialog(parent), Frame1(named(new QGroupBox(kFrameCaption, this), u"Frame1")),
      Option1(named(new QRadioButton(QStringLiteral("音标是以//包围的"), Frame1), u"Option1")),
      Option2(named(new QRadioButton(QStringLiteral("音标是以[]包围的"), Frame1), u"Option2")),
      Command1(named(new QPushButton(QStringLiteral("十三版->十五版"), this), u"Command1")),
      Command2(named(new QPushButton(QStringLiteral("十五版->十三版"), this), u"Command2")),
      Command3(named(new QPushButton(QStringLiteral("十三版—>K.K."), this), u"Command3")),
      Rich1(named(new RichTextBox(this), u"Rich1")), messageBox(messageBox), document(document) {
    setObjectName(QStringLiteral("Frmconvert"));
    setWindowTitle(QStringLiteral("音标转换器"));
    setFixedWidth(480);
    resize(480, 120); // the report shows below once a run has made the window taller
    Frame1->setGeometry(10, 8, 460, 56);
    Option1->setGeometry(16, 24, 200, 24);
    Option2->setGeometry(240, 24, 200, 24);
    Option1->setChecked(true);
    Command1->setGeometry(10, 76, 145, 32);
    Command2->setGeometry(167, 76, 145, 32);
    Command3->setGeometry(324, 76, 146, 32);
    Rich1->setGeometry(10, 120, 460, 272);
    Rich1->setBaseFont(QStringLiteral("Fonvella"), 16);
    Rich1->document()->setUndoRedoEnabled(false); // the report is written by the runs only
    connect(Option1, &QRadioButton::clicked, this, &Frmconvert::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Frmconvert::Option1_Click);
    connect(Command1, &QPushButton::clicked, this, &Frmconvert::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Frmconvert::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Frmconvert::Command3_Click);
    Form_Load();
}

void Frmconvert::Form_Load() {
    if (Module1::bracketMode == u"/")
        Option1->setChecked(true);
    else if (Module1::bracketMode == u"[")
        Option2->setChecked(true);
}

void Frmconvert::Option1_Click() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
}

void Frmconvert::Command1_Click() {
    convert(&Module1::ToNewNotation, Closing::Notation);
}

void Frmconvert::Command2_Click() {
    convert(&Module1::ToOldNotation, Closing::Notation);
}

void Frmconvert::Command3_Click() {
    convert(&Module1::ToAmericanNotation, Closing::American);
}

void Frmconvert::setButtonsEnabled(bool on) {
    Command1->setEnabled(on);
    Command2->setEnabled(on);
    Command3->setEnabled(on);
}

void Frmconvert::convert(QString (*rule)(const QString&), Closing closing) {
    List1.clear();
    List2.clear();
    List3.clear();
    int found = 0;
    int changed = 0;
    setButtonsEnabled(false);
    Rich1->setText(QString());

    const QString t = document.text();
    const QChar left = Option1->isChecked() ? u'/' : u'[';
    const QChar right = Option1->isChecked() ? u'/' : u']';
    Frame1->setEnabled(false);
    document.setVisible(false);

    EventYield events;
    const auto n = int(t.size());
    for (int i = 0; i < n; ++i) {
        if (t[i] != left)
            continue;
        int j = i + 1;
        const int last = std::min(i + kWindow, n - 1);
        while (j <= last && t[j] != right)
            ++j;
        if (j > last) {
            events.yieldToEvents();
            continue;
        }
        const QString segment = t.mid(i + 1, j - i - 1);
        const QString converted = rule(segment);
        // Many segments share a progress figure; setting the same title again costs a relayout.
        if (const QString progress = Vb::formatPercent(double(j + 1) / n); progress != Frame1->title())
            Frame1->setTitle(progress);
        ++found;
        if (converted != segment) {
            List1.append(segment);
            List2.append(converted);
            List3.push_back(i + 2);
            ++changed;
        }
        i = j;
        events.yieldToEvents();
    }

    document.beginEditBlock();
    for (auto k = qsizetype(List1.size()) - 1; k >= 0; --k) {
        document.setSelStart(List3[std::size_t(k)] - 1);
        document.setSelLength(int(List1[k].size()));
        document.setSelText(List2[k]);
    }
    document.endEditBlock();

    // Each line: the segment in blue, "----" in black, the result in red, all in the phonetic font.
    // Three formats shared by every line: the document then matches each by its cached hash.
    const auto format = [](int bgr) {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Fonvella")});
        f.setFontPointSize(16);
        f.setForeground(bgrToQColor(bgr));
        return f;
    };
    const QTextCharFormat blue = format(kBlue);
    const QTextCharFormat black = format(0);
    const QTextCharFormat red = format(kRed);
    const QString dashes = QStringLiteral("----");
    QTextCursor end(Rich1->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    for (qsizetype k = 0; k < List1.size(); ++k) {
        end.insertText(List1[k], blue);
        end.insertText(dashes, black);
        end.insertText(List2[k], red);
        end.insertBlock();
    }
    end.endEditBlock();

    document.setVisible(true);
    Frame1->setTitle(kFrameCaption);
    Frame1->setEnabled(true);
    setButtonsEnabled(true);
    resize(width(), 404); // 6060 twips

    QString prompt = QStringLiteral("音标转换完成！\r\n查找") + left + QStringLiteral("与") + right +
                     QStringLiteral("间的音标格式段：") + QString::number(found) + QStringLiteral("个。\r\n");
    if (closing == Closing::Notation)
        prompt += QStringLiteral("按新旧音标规则成功转换了：") + QString::number(changed) +
                  QStringLiteral(
                      "个\r\n此次转换根据内建规则完成，可能无法完全\r\n符合所有单词，请根据手头工具书\r\n"
                      "核对修正。如果见下表：");
    else
        prompt += QStringLiteral("按规则成功转换了：") + QString::number(changed) +
                  QStringLiteral(
                      "个\r\n此次转换根据内建规则完成，可能无法完全符合所有单词，请根据手头工具书核对修正。");
    messageBox.show(prompt, MsgBox::Information, QStringLiteral("友情提示"));
}
