// Document files: open, save, save as, the hand-over to the word processor, help, the version check.
#include "shell/frmMain.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RtfReader.h"
#include "platform/services/MessageTitles.h"
#include "shell/EditorFont.h"
#include "shell/ProductTitle.h"
#include "shell/VersionCheck.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>

bool frmMain::loadIntoEditor(const QString& path) {
    // The file is read whole before the editor changes, so a failed read leaves the document as it was.
    const std::optional<QByteArray> bytes = TextFile::readBytes(path);
    if (!bytes)
        return false;
    // An RTF file replaces the whole content with its own formatting; any other file comes in as
    // plain text in the typing font set up here.
    if (RtfReader::isRtf(*bytes)) {
        Rich1->loadBytes(*bytes, RichTextBox::FileFormat::Rtf);
        return true;
    }
    Rich1->setText(QString());
    Rich1->setSelFontName(EditorFont::family());
    Rich1->setSelColor(0);
    Rich1->setSelText(QStringLiteral(" "));
    Rich1->loadBytes(*bytes, RichTextBox::FileFormat::Text);
    return true;
}

void frmMain::showDocumentPath(const QString& path) {
    lblfile->setText(path);
    setWindowTitle(path + QStringLiteral("    ") + productTitle());
}

void frmMain::reportUnreadable(const QString& path) {
    services.messageBox.show(QStringLiteral("无法打开文件：") + path, MsgBox::OkOnly | MsgBox::Critical,
                             MessageTitle::notice());
}

bool frmMain::saveDocument(const QString& path) {
    if (Rich1->saveFile(path, RichTextBox::FileFormat::Rtf))
        return true;
    services.messageBox.show(QStringLiteral("无法保存文件：") + path +
                                 QStringLiteral("\r\n原有的文件没有改动。"),
                             MsgBox::OkOnly | MsgBox::Critical, MessageTitle::notice());
    return false;
}

void frmMain::reloadSaved(const QString& path) {
    const int start = Rich1->selStart();
    const int length = Rich1->selLength();
    if (!Rich1->loadFile(path, RichTextBox::FileFormat::Rtf))
        return;
    Rich1->setSelStart(start);
    Rich1->setSelLength(length);
}

void frmMain::mnuFileopen_Click() {
    FileDialogRequest request;
    request.filter = QStringLiteral("纯文本(*.txt)|*.txt|全部(*.*)|*.*");
    request.title = QStringLiteral("打开文件|Phonexa");
    if (!services.dialogs.showOpen(request) || request.fileName.isEmpty())
        return;
    const QString path = request.fileName;
    if (!loadIntoEditor(path)) {
        reportUnreadable(path);
        return;
    }
    showDocumentPath(path);
    recentFiles().remember(path);
}

void frmMain::OpenFileInEditor(const QString& path) {
    if (!QFileInfo::exists(path)) {
        services.messageBox.show(QStringLiteral("要打开的文件：") + path + QStringLiteral(" 不存在！"),
                                 MsgBox::OkOnly | MsgBox::Critical, MessageTitle::notice());
        return;
    }
    if (!loadIntoEditor(path)) {
        reportUnreadable(path);
        return;
    }
    showDocumentPath(path);
}

void frmMain::mlastfile_Click(int index) {
    const QString path = recentFiles().pathOf(index);
    if (path.isEmpty())
        return;
    OpenFileInEditor(path);
    recentFiles().UpdateRecentFiles(index);
}

void frmMain::mnuFileSave_Click() {
    if (lblfile->text().isEmpty()) {
        const bool saved = saveAs();
        setWindowTitle(lblfile->text() + QStringLiteral("    ") + productTitle());
        if (saved)
            mnuFileSave->setEnabled(false);
        return;
    }
    const QString path = lblfile->text();
    if (!saveDocument(path))
        return;
    reloadSaved(path);
    mnuFileSave->setEnabled(false);
}

void frmMain::mnuFileSaveAs_Click() {
    saveAs();
}

bool frmMain::saveAs() {
    FileDialogRequest request;
    request.filter = QStringLiteral("富文本(*.rtf)|*.rtf|");
    request.title = QStringLiteral("保存文件(富文本才能保存格式)");
    if (!services.dialogs.showSave(request) || request.fileName.isEmpty())
        return false;
    const QString path = request.fileName;
    if (QFileInfo::exists(path)) {
        const int answer =
            services.messageBox.show(QStringLiteral("文件名已经存在，将覆盖原文件！您确定要覆盖它吗？"),
                                     MsgBox::OkCancel | MsgBox::Question, MessageTitle::notice());
        if (answer != MsgBox::Ok) {
            mnuFileSave_Click();
            return false;
        }
    }
    if (!saveDocument(path))
        return false;
    showDocumentPath(path);
    reloadSaved(path);
    return true;
}

void frmMain::mnuintoword_Click() {
    // A name no earlier hand-over holds, so a copy still open in the word processor is not replaced.
    QString path;
    for (int attempt = 0; attempt < 100 && (path.isEmpty() || QFileInfo::exists(path)); ++attempt)
        path = ProgramFolder::file(QStringLiteral("tmp") +
                                   QString::number(QRandomGenerator::global()->bounded(100000)) +
                                   QStringLiteral(".rtf"));
    if (!Rich1->saveFile(path, RichTextBox::FileFormat::Rtf)) {
        services.messageBox.show(QStringLiteral("无法写入交给文字处理软件打开的文档副本：") + path,
                                 MsgBox::OkOnly | MsgBox::Critical, MessageTitle::notice());
        return;
    }
    (void)services.shell.open(path);
}

void frmMain::mnuHelpSearchForHelpOn_Click() {
    (void)services.shell.open(ProgramFolder::file(QStringLiteral("help.doc")));
}

void frmMain::update_Click() {
    VersionCheck(services, updateServerFile).run();
}
