#include "tools/text/Form9.h"

#include "annotation/Recognition.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/widgets/Named.h"
#include "tools/services/SaveCommand.h"
#include "tools/text/Form9Scan.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kCounting = QStringLiteral("计算中...");
constexpr int kMaxClass = 5;

QPushButton* runButton(QWidget* parent, const char16_t* caption, const char16_t* name) {
    auto* button = named(new QPushButton(QString::fromUtf16(caption), parent), name);
    // 120, 540, 3795 and 555 twips: all five in one place.
    button->setGeometry(8, 36, 253, 37);
    button->hide();
    return button;
}

bool hasStress(const QString& p, QChar mark) {
    return !Vb::trim(p).isEmpty() && Module1::ToOldNotation(p).contains(mark);
}

// Every syllabic m, n or l lists the word once more; a short transcription has none.
int syllabicHits(const QString& p) {
    if (p.size() <= 3)
        return 0;
    int hits = 0;
    for (qsizetype k = 0; k < p.size(); ++k)
        hits += Module1::SyllabicConsonantAt(p, k);
    return hits;
}

// The classification's scan: the whole-text scanner without a stop test.
struct ClassHooks {
    const QString& text;
    ProgressReporter& reporter;
    EventYield& events;
    std::function<void(const QString&)> token;

    bool running() const { return true; }
    void progress(qsizetype i, qsizetype n) {
        reporter.report(kCounting, static_cast<double>(i) / static_cast<double>(n));
    }
    void yield() { events.yieldToEvents(); }
    void nonLetter(qsizetype) {}
    void word(qsizetype i, qsizetype j) { token(Vb::trim(text.mid(i - 1, j - i)).toLower()); }
};

const ScanVariant& classScan() {
    using enum LexiconSource;
    static const ScanVariant v{20,    true,  true,     {Database, DeriveDatabase, WordList, DeriveWordList},
                               false, false, kCounting};
    return v;
}

} // namespace

Form9::Form9(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document,
             const WordList& words, QWidget* parent)
    : QDialog(parent), Command1(runButton(this, u"找有重音的单词&S", u"Command1")),
      Command2(runButton(this, u"找有长音的单词&L", u"Command2")),
      Command5(runButton(this, u"有次重音的单词", u"Command5")),
      Command6(runButton(this, u"找有成音节的单词", u"Command6")),
      Command3(runButton(this, u"按音节数分&C", u"Command3")),
      Command4(named(new QPushButton(QStringLiteral("导出结果&D"), this), u"Command4")),
      Text1(named(new QLineEdit(QStringLiteral(","), this), u"Text1")),
      SkinLabel1(
          named(new QLabel(QStringLiteral("统计结果导出时，单词分隔符号(不填默认为回车换行符)："), this),
                u"SkinLabel1")),
      Label1(named(
          new QLabel(QStringLiteral("(如需对文档中不重复的单词进行上面的音标方面的统计，请先运行词汇统计，"
                                    "得到不重复词汇后保存，再打开到程序主界面，再运行本功能)"),
                     this),
          u"Label1")),
      Labeltishi(named(new QLabel(this), u"Labeltishi")), List0(named(new QListWidget(this), u"List0")),
      Rich1(named(new RichTextBox(this), u"Rich1")), messageBox(messageBox), dialogs(dialogs),
      document(document), words(words) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("音标统计"));
    setFixedSize(560, 420);
    SkinLabel1->setGeometry(8, 8, 380, 24);
    Text1->setGeometry(390, 8, 60, 24);
    Command4->setGeometry(270, 36, 120, 37);
    Command4->setEnabled(false);
    Label1->setGeometry(8, 78, 544, 44);
    Label1->setWordWrap(true);
    Labeltishi->setGeometry(8, 124, 544, 18);
    Rich1->setGeometry(8, 146, 420, 266);
    Rich1->setBaseFont(QStringLiteral("宋体"), 11);
    // The hits stand in one paragraph; breaking it only at word ends costs time growing with the
    // square of its length.
    Rich1->editor()->setWordWrapMode(QTextOption::WrapAnywhere);
    List0->setGeometry(436, 146, 116, 266);
    List0->hide();
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form9::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form9::Command6_Click);
    connect(Command3, &QPushButton::clicked, this, &Form9::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form9::Command4_Click);
    Form_Load();
}

void Form9::Form_Load() {
    loadToolWindowSkin(skin, *this);
}

QString Form9::separator() const {
    return Text1->text().isEmpty() ? QStringLiteral("\r\n") : Text1->text();
}

void Form9::Command1_Click() {
    find(
        Command1, QStringLiteral("找有重音的单词:"), QStringLiteral("找有重音的单词&S"),
        [](const QString& p) { return int(hasStress(p, u'5')); }, false);
}

void Form9::Command2_Click() {
    find(
        Command2, QStringLiteral("找有长音的单词:"), QStringLiteral("找有长音的单词&L"),
        [](const QString& p) { return int(!Vb::trim(p).isEmpty() && p.contains(u':')); }, false);
}

void Form9::Command5_Click() {
    find(
        Command5, QStringLiteral("找有次重音的单词:"), QStringLiteral("有次重音的单词"),
        [](const QString& p) { return int(hasStress(p, u'7')); }, false);
}

void Form9::Command6_Click() {
    find(Command6, QStringLiteral("找有成音节的单词:"), QStringLiteral("找有成音节的单词"), syllabicHits,
         true);
}

void Form9::find(QPushButton* button, const QString& heading, const QString& endCaption,
                 const std::function<int(const QString&)>& hits, bool progressEveryToken) {
    // The runs share the result box and lists: one at a time.
    if (isRunning)
        return;
    isRunning = true;
    QStringList& found = lists[1];
    found.clear();
    Rich1->setText(QString());
    const QString sep = separator();
    const QString scanned = ContinuingScan::scannedText(document.text());
    button->setEnabled(false);
    Labeltishi->hide();
    Text1->hide();
    Rich1->setSelText(heading);
    ButtonCaption caption(*button);
    ProgressReporter progress(caption);
    EventYield events;
    QHash<QString, int> known; // hits per token; the word list does not change during the run
    QString output;
    ContinuingScan::scan(
        scanned,
        [&](const QString& token, qsizetype j) {
            const double ratio = static_cast<double>(j) / static_cast<double>(scanned.size());
            if (progressEveryToken)
                progress.report(kCounting, ratio);
            auto count = known.constFind(token);
            if (count == known.constEnd()) {
                QString p = Module1::LookupPhoneticFast(words, token);
                if (p.isEmpty())
                    p = Module1::DerivePhoneticFast(words, token);
                count = known.insert(token, hits(p));
            }
            for (int k = 0; k < *count; ++k) {
                if (!progressEveryToken)
                    progress.report(kCounting, ratio);
                output += token + sep;
                found.append(token);
            }
        },
        [&] { events.yieldToEvents(); });
    progress.finish();
    Rich1->setSelText(output);
    button->setText(endCaption);
    button->setEnabled(true);
    Label1->setText(QStringLiteral("完成，找到：") + QString::number(found.size()) + QStringLiteral(" 项"));
    Command4->setEnabled(true);
    Command4->setFocus();
    isRunning = false;
}

void Form9::Command3_Click() {
    if (isRunning)
        return;
    isRunning = true;
    for (QStringList& list : lists)
        list.clear();
    List0->clear();
    const QString sep = separator();
    const QString scanned = Recognition::scannedText(document.text());
    Command3->setEnabled(false);
    Labeltishi->hide();
    Text1->hide();
    Rich1->setSelFontName(QStringLiteral("宋体"));
    ButtonCaption caption(*Command3);
    ProgressReporter progress(caption);
    EventYield events;
    QHash<QString, int> classOf; // 0: no transcription; -1: counted nowhere
    ClassHooks hooks{
        scanned, progress, events, [&](const QString& token) {
            auto known = classOf.constFind(token);
            if (known == classOf.constEnd()) {
                QString p = Module1::LookupPhoneticDb(token);
                if (p.isEmpty())
                    p = Module1::DerivePhoneticDb(token);
                const int n = p.isEmpty() ? 0 : Module1::CountSyllables(p);
                known = classOf.insert(token, p.isEmpty() ? 0 : n <= 0 ? -1 : std::min(n, kMaxClass));
            }
            if (*known >= 0)
                lists[static_cast<std::size_t>(*known)].append(token);
        }};
    WordScanner::scan(scanned, classScan(), hooks);
    progress.finish();
    List0->addItems(lists[0]);

    std::array<QString, 6> counts;
    for (std::size_t k = 0; k < lists.size(); ++k)
        counts[k] = QString::number(lists[k].size());
    QString summary;
    for (int k = 1; k <= kMaxClass; ++k)
        summary += QStringLiteral("音节数为%1的单词有：").arg(k) + counts[static_cast<std::size_t>(k)] +
                   QStringLiteral("个;");
    Label1->setText(summary + QStringLiteral("没查到，音节数不确定的字符体有：") + counts[0] +
                    QStringLiteral("个"));

    std::array<QString, 6> items;
    for (std::size_t k = 0; k < lists.size(); ++k)
        items[k] = joined(lists[k], sep, events);
    if (!lists[0].isEmpty()) {
        List0->setVisible(true);
        Labeltishi->setVisible(true);
    }
    const QString crlf = QStringLiteral("\r\n");
    QString report;
    for (int k = 1; k <= kMaxClass; ++k) {
        const auto c = static_cast<std::size_t>(k);
        report += QStringLiteral("音节数为%1的单词").arg(k) + counts[c] + QStringLiteral("个如下：") + crlf +
                  items[c] + crlf;
    }
    report +=
        QStringLiteral("没查到的单词或字母组合体") + counts[0] + QStringLiteral("个如下：") + crlf + items[0];
    Rich1->setSelText(report);
    Command3->setText(QStringLiteral("按音节数分类单词&C"));
    Command3->setEnabled(true);
    Command4->setEnabled(true);
    Command4->setFocus();
    isRunning = false;
}

void Form9::Command4_Click() {
    (void)runSaveCommand(
        messageBox, dialogs, dlg1,
        {QStringLiteral("保存文件"),
         QStringLiteral("富文本(*.rtf)|*.rtf|纯文本(*.txt)|*.txt|EXCEL文件|*.csv"),
         {RichTextBox::FileFormat::Rtf, RichTextBox::FileFormat::Text, RichTextBox::FileFormat::Text}},
        *Rich1);
}
