#include "tools/text/Form6.h"

#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageBox.h"
#include "platform/widgets/Named.h"
#include "tools/services/SaveCommand.h"

#include <QCheckBox>
#include <QHash>
#include <QLayout>
#include <QPushButton>
#include <QTextEdit>

namespace {

// The final size of the window, 5460 by 4545 twips.
constexpr int kFinalWidth = 364;
constexpr int kFinalHeight = 303;
constexpr int kMinMeaningLookup = 4; // characters a word needs for its own meaning with Check1 ticked

// The whole-text scan of the gloss: the meaning lookups are the window's own, not a lookup chain.
const ScanVariant& glossScan() {
    using enum LexiconSource;
    static const ScanVariant v{20,
                               true,
                               true,
                               {WordList, Database, DeriveWordList, DeriveDatabase},
                               false,
                               false,
                               QStringLiteral("识别翻译中，每行进度：")};
    return v;
}

struct GlossHooks {
    const QString& text;
    const WordList& words;
    bool ownMeaningForShortWords;
    QStringList& meanings;
    QList<int>& ends;
    ProgressReporter& reporter;
    EventYield& events;
    // A text repeats its words; the lexicon does not change during the run.
    QHash<QString, QString> known;
    bool full = false;

    bool running() const { return Module1::stopAnnotateFlag; }
    void progress(qsizetype i, qsizetype n) {
        reporter.report(glossScan().progressText, static_cast<double>(i) / static_cast<double>(n));
    }
    void yield() { events.yieldToEvents(); }
    void nonLetter(qsizetype) {}
    void word(qsizetype i, qsizetype j) {
        if (!Module1::stopAnnotateFlag)
            return;
        const QString w = Vb::trim(text.mid(i - 1, j - i)).toLower();
        auto hit = known.constFind(w);
        if (hit == known.constEnd())
            hit = known.insert(w, meaningOf(w));
        if (Vb::trim(*hit).isEmpty())
            return;
        meanings.append(*hit);
        ends.append(static_cast<int>(j));
        if (meanings.size() >= Recognition::kMaxQueued) {
            full = true;
            Module1::stopAnnotateFlag = false;
        }
    }
    QString meaningOf(const QString& w) const {
        QString m;
        if (ownMeaningForShortWords || w.size() >= kMinMeaningLookup) {
            m = Module1::LookupMeaningFast(words, w);
            if (m.isEmpty())
                m = Module1::LookupMeaningDb(w);
        }
        if (m.isEmpty())
            m = Module1::DeriveMeaningFast(words, w);
        return m;
    }
};

} // namespace

Form6::Form6(MessageBox& messageBox, CommonDialog& dialogs, GlossHost host, QWidget* parent)
    : QDialog(parent), cmdtranslate(named(new QPushButton(QStringLiteral("开始"), this), u"cmdtranslate")),
      cmdtranslate2(named(new QPushButton(QStringLiteral("cmdtranslate2"), this), u"cmdtranslate2")),
      Check1(named(new QCheckBox(QStringLiteral("只标长度大于4的词"), this), u"Check1")),
      Command2(named(new QPushButton(QStringLiteral("保存&S"), this), u"Command2")),
      Rich1(named(new RichTextBox(this), u"Rich1")), messageBox(messageBox), dialogs(dialogs),
      host(std::move(host)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("翻译文章"));
    resize(kFinalWidth, kFinalHeight);
    Rich1->setGeometry(8, 8, 348, 250);
    Rich1->setBaseFont(QStringLiteral("宋体"), 11);
    Rich1->hide();
    Check1->setGeometry(16, 266, 170, 28);
    Check1->setChecked(true);
    cmdtranslate->setGeometry(190, 266, 80, 28);
    cmdtranslate2->setGeometry(190, 232, 80, 28);
    cmdtranslate2->hide();
    Command2->setGeometry(276, 266, 80, 28);
    Command2->hide();
    connect(cmdtranslate, &QPushButton::clicked, this, &Form6::cmdtranslate_Click);
    connect(cmdtranslate2, &QPushButton::clicked, this, &Form6::cmdtranslate2_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    Form_Load();
}

void Form6::Form_Load() {
    layout.ResizeInit(*this);
    loadToolWindowSkin(skin, *this);
}

void Form6::Form_Resize() {
    layout.ResizeForm(*this);
}

void Form6::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void Form6::cmdtranslate_Click() {
    cmdtranslate->setVisible(false);
    hide();
    cmdtranslate2_Click();
}

void Form6::cmdtranslate2_Click() {
    // The queue lists belong to one run at a time.
    if (isRunning || host.mainRunActive())
        return;
    isRunning = true;
    host.List4.clear();
    host.List5.clear();
    const QString scanned = Recognition::scannedText(host.document.text());
    ProgressSink& sink = host.loadProgress();
    recognise(scanned, sink);
    show();
    raise();
    // Shown before it is filled, the box lays the result out lazily; filled while hidden, it would lay
    // the whole result out at once when shown.
    Rich1->setVisible(true);
    // Its page width comes from its size, which its layout gives it only on the next event otherwise.
    Rich1->layout()->activate();
    writeResult(scanned, sink);
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    sink.setCaption(QStringLiteral("翻译完成：100%"));
    host.unloadProgress();
    resize(kFinalWidth, kFinalHeight);
    Command2->setVisible(true);
    Rich1->setVisible(true);
    Check1->setVisible(false);
    host.enableMainWindow();
    isRunning = false;
}

void Form6::recognise(const QString& scanned, ProgressSink& sink) {
    ProgressReporter reporter(sink);
    EventYield events;
    GlossHooks hooks{scanned, host.words, !Check1->isChecked(), host.List4, host.List5, reporter, events, {}};
    WordScanner::scan(scanned, glossScan(), hooks);
    reporter.finish();
    if (hooks.full)
        messageBox.show(QStringLiteral("当前标注文档太大，建议分成更多小文档继续处理！"), MsgBox::Information,
                        QStringLiteral("友情提示"));
}

void Form6::writeResult(const QString& scanned, ProgressSink& sink) {
    const QString stage = QStringLiteral("植入解释：");
    const qsizetype count = std::min(host.List4.size(), host.List5.size());
    ProgressReporter reporter(sink);
    // One edit block without yields: a layout inside it, with the box's page size withheld, costs far
    // more than the whole insertion.
    Rich1->setText(scanned);
    Rich1->beginEditBlock();
    for (qsizetype k = count - 1; k >= 0; --k) {
        if (!Module1::stopInsertFlag)
            break;
        reporter.report(stage, static_cast<double>(k) / static_cast<double>(host.List5.size()));
        Rich1->setSelStart(host.List5[k] - 1);
        Rich1->setSelFontName(QStringLiteral("宋体"));
        Rich1->setSelColor(0);
        Rich1->setSelText(u'(' + host.List4[k] + u')');
    }
    Rich1->endEditBlock();
    reporter.finish();
}

void Form6::Command2_Click() {
    (void)runSaveCommand(
        messageBox, dialogs, Dlg1,
        {QStringLiteral("保存文件"), QStringLiteral("文本文件|*.txt"), {RichTextBox::FileFormat::Text}},
        *Rich1);
}
