#include "tools/text/Form8.h"

#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/widgets/Named.h"
#include "tools/services/SaveCommand.h"
#include "tools/text/Form9Scan.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

namespace {

const QString kPrompt = QStringLiteral("统计结果中，单词分隔符号(不填默认为回车换行符)：");

} // namespace

Form8::Form8(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document, QWidget* parent)
    : QDialog(parent), Command1(named(new QPushButton(QStringLiteral("开始统计"), this), u"Command1")),
      Command2(named(new QPushButton(QStringLiteral("&S导出结果"), this), u"Command2")),
      Label3(named(new QLabel(kPrompt, this), u"Label3")),
      Text1(named(new QLineEdit(QStringLiteral("，"), this), u"Text1")),
      SkinLabel1(named(new QLabel(kPrompt, this), u"SkinLabel1")), Label1(named(new QLabel(this), u"Label1")),
      Label11(named(new QLabel(this), u"Label11")), Rich1(named(new RichTextBox(this), u"Rich1")),
      messageBox(messageBox), dialogs(dialogs), document(document) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("词汇统计( 查证音标来验证单词)"));
    setFixedSize(560, 400);
    SkinLabel1->setGeometry(12, 10, 330, 24);
    Label3->setGeometry(12, 10, 330, 24);
    Text1->setGeometry(344, 10, 60, 24);
    Command1->setGeometry(412, 8, 136, 28);
    Command2->setGeometry(412, 40, 136, 28);
    Command2->hide();
    Label1->setGeometry(12, 40, 396, 28);
    Label1->setWordWrap(true);
    Label11->setGeometry(12, 72, 536, 2);
    Label11->setFrameShape(QFrame::HLine);
    Rich1->setGeometry(12, 78, 536, 310);
    Rich1->setBaseFont(QStringLiteral("宋体"), 11);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    Form_Load();
}

void Form8::Form_Load() {
    loadToolWindowSkin(skin, *this);
}

void Form8::Command1_Click() {
    List1.clear();
    List2.clear();
    Command1->setEnabled(false);
    Label3->hide();
    Text1->hide();
    const QString separator = Text1->text().isEmpty() ? QStringLiteral("\r\n") : Text1->text();
    const QString scanned = ContinuingScan::scannedText(document.text());
    ButtonCaption caption(*Command1);
    ProgressReporter progress(caption);
    EventYield events;
    // Each token costs database queries; a text repeats its words and the lexicon stays as it is.
    QHash<QString, bool> verified;
    ContinuingScan::scan(
        scanned,
        [&](const QString& token, qsizetype j) {
            auto known = verified.constFind(token);
            if (known == verified.constEnd()) {
                QString r = Module1::WordExistsDb(token);
                if (r.isEmpty())
                    r = Module1::DeriveWordDb(token);
                known = verified.insert(token, !Vb::trim(r).isEmpty());
            }
            if (*known) {
                progress.report(QStringLiteral("计算中..."),
                                static_cast<double>(j) / static_cast<double>(scanned.size()));
                List1.append(token);
            } else {
                List2.append(token);
            }
        },
        [&] { events.yieldToEvents(); });
    progress.finish();

    QStringList distinct;
    QSet<QString> seen;
    for (const QString& token : std::as_const(List1)) {
        if (!seen.contains(token)) {
            seen.insert(token);
            distinct.append(token);
        }
        events.yieldToEvents();
    }
    const QString all = joined(List1, separator, events);
    const QString unverified = joined(List2, separator, events);
    const QString distinctWords = joined(distinct, separator, events);
    const QString c1 = QString::number(List1.size());
    const QString c2 = QString::number(List2.size());
    const QString d = QString::number(distinct.size());
    Label1->setText(QStringLiteral("全部单词（项数）：") + c1 + QStringLiteral("；不重复单词：") + d +
                    QStringLiteral("\u3000未获音标验证的：") + c2);
    const QString crlf = QStringLiteral("\r\n");
    Rich1->setSelText(QStringLiteral("全部单词（项数）：") + c1 + crlf + all + crlf +
                      QStringLiteral("不重复单词：") + d + crlf + distinctWords + crlf +
                      QStringLiteral("未获音标验证：") + c2 + crlf + unverified);
    Command1->setText(QStringLiteral("统计完成"));
    Command1->setEnabled(true);
    Command2->setVisible(true);
    Label1->setVisible(true);
}

void Form8::Command2_Click() {
    (void)runSaveCommand(
        messageBox, dialogs, dlg1,
        {QStringLiteral("保存文件"), QStringLiteral("文本文件|*.txt"), {RichTextBox::FileFormat::Text}},
        *Rich1);
}
