#include "annotation/HtmlPage.h"
#include "annotation/InlineLayout.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageTitles.h"
#include "shell/ForeColor.h"
#include "shell/Frmjincheng.h"
#include "shell/Placement.h"
#include "shell/frmMain.h"

void frmMain::mnupiliang_Click() {
    // A gloss run holds the queue lists until it ends.
    if (Vb::trim(Rich1->text()).isEmpty() || glossRunning())
        return;
    lockForRun();
    progressWindow().load();
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    // The layouts in the order the placement is tested; the placement matches exactly, case included.
    const std::pair<QStringView, void (frmMain::*)()> layouts[] = {
        {Placement::Inline, &frmMain::cmd2_Click},         {Placement::FieldAbove, &frmMain::cmd4_Click},
        {Placement::FieldBelow, &frmMain::Command7_Click}, {Placement::Above, &frmMain::Command6_Click},
        {Placement::Below, &frmMain::Command5_Click},      {Placement::AtEnd, &frmMain::cmdself_Click},
    };
    for (const auto& [placement, command] : layouts) {
        if (Module1::outputPlacement == placement) {
            (this->*command)();
            return;
        }
    }
    // A placement that names no layout runs nothing; the window must not stay locked.
    progressWindow().unload();
    unlockAfterRun();
}

void frmMain::cmd2_Click() {
    List4.clear();
    List5.clear();
    const QString scanned = Recognition::scannedText(Rich1->text());
    ProgressReporter progress(progressWindow());
    EventYield events;
    if (!Recognition::run(scanned, ScanVariants::Inline(), Listword, List4, List5, progress, events))
        services.messageBox.show(QStringLiteral("当前标注文档太大，建议分成更多小文档继续处理！"),
                                 MsgBox::Information, MessageTitle::notice());
    const InlineStyle style = InlineStyle::fromSettings(foreColor(Label5));
    InlineLayout::insert(*Rich1, List4, List5, style, progress);
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    progress.show(QStringLiteral("植入完成：100%"));
    progressWindow().unload();
    if (Module1::useLucidaFont && !quitting)
        (void)HtmlPage::writeAndOpen(HtmlPage::header(Module1::phoneticFontSize, Module1::phoneticFontSize),
                                     InlineLayout::pageBody(scanned, List4, List5, style),
                                     QStringLiteral("</body></html>"), services.shell);
    unlockAfterRun();
}
