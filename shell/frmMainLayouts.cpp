#include "annotation/AppendedLayout.h"
#include "annotation/HtmlPage.h"
#include "annotation/InlineLayout.h"
#include "annotation/InterlinearLayout.h"
#include "annotation/Lookup.h"
#include "annotation/PhoneticFont.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/SelectedWord.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageTitles.h"
#include "platform/word/WordApplication.h"
#include "shell/ForeColor.h"
#include "shell/Frmjincheng.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QLabel>
#include <QMenu>

namespace {
const QString kTooLarge = QStringLiteral("当前标注文档太大，建议分成更多小文档继续处理！");
} // namespace

bool frmMain::annotateSelection(void (frmMain::*command)()) {
    const SelectedWord::Refusal refusal = SelectedWord::check(Rich1->selText());
    if (!refusal.prompt.isEmpty()) {
        services.messageBox.show(refusal.prompt, refusal.style, MessageTitle::notice());
        return false;
    }
    (this->*command)();
    return true;
}

void frmMain::mnuzhineng_Click() {
    annotateSelection(&frmMain::cmd1_Click);
}
void frmMain::mnuzhineng2_Click() {
    annotateSelection(&frmMain::cmd11_Click);
}
void frmMain::mnuzhineng3_Click() {
    annotateSelection(&frmMain::cmd111_Click);
}

void frmMain::annotateSelectedWord(QString (*notation)(const QString&)) {
    const QString sel = Rich1->selText();
    const QString text = SelectedWord::annotation(sel, Listword, notation);
    Rich1->setSelText(sel);
    Rich1->setSelFontName(PhoneticFont::family());
    Rich1->setSelColor(foreColor(Label5));
    Rich1->setSelFontSize(Module1::phoneticFontSize);
    Rich1->setSelText(text);
}

void frmMain::cmd1_Click() {
    annotateSelectedWord(&Module1::ToOldNotation);
}
void frmMain::cmd11_Click() {
    annotateSelectedWord(&Module1::ToNewNotation);
}
void frmMain::cmd111_Click() {
    annotateSelectedWord(&Module1::ToAmericanNotation);
}

void frmMain::cmdself_Click() {
    List4.clear();
    List5.clear();
    const QString scanned = Recognition::scannedText(Rich1->text());
    ProgressReporter progress(progressWindow());
    EventYield events;
    if (!Recognition::run(scanned, ScanVariants::Appended(), Listword, List4, List5, progress, events))
        services.messageBox.show(kTooLarge, MsgBox::Information, MessageTitle::notice());
    const InlineStyle style = InlineStyle::fromSettings(foreColor(Label5));
    AppendedLayout::append(*Rich1, List4, style, progress, events);
    if (Module1::useLucidaFont && !quitting)
        (void)HtmlPage::writeAndOpen(HtmlPage::header(Module1::phoneticFontSize, Module1::phoneticFontSize),
                                     AppendedLayout::pageBody(scanned, List4, style),
                                     QStringLiteral("</span></body></html>"), services.shell);
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    progress.show(QStringLiteral("完成：100%"));
    progressWindow().unload();
    List4.clear();
    List5.clear();
    unlockAfterRun();
}

bool frmMain::fenduan1() {
    const QString path = ProgramFolder::file(QStringLiteral("putcenter.txt"));
    if (!Rich1->saveFile(path, RichTextBox::FileFormat::Text))
        return false;
    const auto lines = TextFile::readAnsiLines(path);
    if (!lines)
        return false;
    for (const QString& line : *lines) {
        if (line.size() > 1000) {
            services.messageBox.show(QStringLiteral("有段落的长度超过1000个字符,请用回车符拆分为更小段落！"));
            break;
        }
    }
    return true;
}

void frmMain::putout1(const QString& line) {
    if (!lineRun)
        lineRun = std::make_unique<InterlinearLayout::Run>(Listword, progressWindow());
    List31.append(
        InterlinearLayout::transcriptionLine(line, lineRun->lookup, lineRun->progress, lineRun->events));
    lineRun->progress.finish();
}

void frmMain::interlinear(bool up) {
    List3.clear();
    List31.clear();
    const QString path = ProgramFolder::file(QStringLiteral("putcenter.txt"));
    // An old work file must never stand in for the document.
    const bool written = fenduan1();
    const auto saved = written ? TextFile::readAnsiLines(path) : std::nullopt;
    if (!saved) {
        progressWindow().unload();
        unlockAfterRun();
        services.messageBox.show(QStringLiteral("无法写入或读回工作文件“") + QDir::toNativeSeparators(path) +
                                     QStringLiteral("”，文档没有改动。"),
                                 MsgBox::Critical, MessageTitle::notice());
        return;
    }
    bool tooMany = false;
    List3 = InterlinearLayout::textLines(*saved, tooMany);
    if (tooMany)
        services.messageBox.show(QStringLiteral("当前文档太大，建议分成更多小文档继续处理！"),
                                 MsgBox::Information, MessageTitle::notice());
    lineRun = std::make_unique<InterlinearLayout::Run>(Listword, progressWindow());
    const QString count = QString::number(List3.size());
    for (qsizetype k = 0; k < List3.size() && !quitting; ++k) {
        progressWindow().Label1->setText(QString::number(k + 1) + u'/' + count +
                                         QStringLiteral("行;请耐心等待...."));
        putout1(List3[k]);
    }
    lineRun.reset();
    if (quitting) {
        progressWindow().unload();
        unlockAfterRun();
        return;
    }
    InterlinearLayout::rebuild(*Rich1, List3, List31, up, foreColor(Label5));
    const int n1 = up ? Module1::phoneticFontSize : Module1::phoneticFontSize - 1;
    if (!up && Module1::useLucidaFont)
        (void)HtmlPage::writeAndOpen(HtmlPage::header(n1, Module1::phoneticFontSize),
                                     InterlinearLayout::pageBody(List3, List31, false),
                                     QStringLiteral("</body></html>"), services.shell);
    progressWindow().unload();
    unlockAfterRun();
    if (up && Module1::useLucidaFont)
        (void)HtmlPage::writeAndOpen(HtmlPage::header(n1, Module1::phoneticFontSize),
                                     InterlinearLayout::pageBody(List3, List31, true),
                                     QStringLiteral("</body></html>"), services.shell);
}

void frmMain::Command5_Click() {
    interlinear(false);
}
void frmMain::Command6_Click() {
    interlinear(true);
}

void frmMain::exportToWord(bool transcriptionAbove) {
    wordApp = std::make_unique<WordApplication>(services.shell);
    const QString scanned = Recognition::scannedText(Rich1->text());
    ProgressReporter progress(progressWindow());
    EventYield events;
    const WordExport::Written written =
        WordExport::run(*wordApp, scanned, transcriptionAbove, Listword, progress, events);
    if (written.fields > 0)
        Label5->setVisible(true);
    if (written.tooMany)
        services.messageBox.show(kTooLarge, MsgBox::Information, MessageTitle::notice());
    List4.clear();
    List5.clear();
    if (quitting) {
        unlockAfterRun();
        progressWindow().unload();
        return;
    }
    wordApp->setVisible(true);
    QString error;
    const bool shown = wordApp->showDocuments(&error);
    unlockAfterRun();
    progressWindow().unload();
    if (!shown)
        services.messageBox.show(QStringLiteral("无法生成或打开WORD文档：") + error, MsgBox::Information,
                                 MessageTitle::notice());
}

void frmMain::cmd4_Click() {
    exportToWord(true);
}
void frmMain::Command7_Click() {
    exportToWord(false);
}
