#include "reader/Sayloom.h"

#include "platform/core/TextFile.h"
#include "platform/services/MessageTitles.h"
#include "reader/speech/SpFileStream.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QString kWaveFilter = QStringLiteral("All Files (*.*)|*.*|Wave Files (*.wav)|*.wav");
constexpr int kSaveFlags =
    FileDialogFlag::OverwritePrompt | FileDialogFlag::PathMustExist | FileDialogFlag::NoReadOnlyReturn;
constexpr int kOpenFlags = FileDialogFlag::PathMustExist | FileDialogFlag::FileMustExist;
} // namespace

void Sayloom::reportFileError(const QString& path, bool writing) {
    services.messageBox.show((writing ? QStringLiteral("无法写入文件：") : QStringLiteral("无法读取文件：")) +
                                 path,
                             MsgBox::Critical, MessageTitle::notice());
}

// The save dialog leaves the overwrite question to its caller.
static bool mayOverwrite(MessageBox& box, const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    return box.show(path + QStringLiteral(" 已存在。\r\n要替换它吗？"), MsgBox::OkCancel | MsgBox::Question,
                    MessageTitle::notice()) == MsgBox::Ok;
}

void Sayloom::menuFileSaveToWave_Click() {
    FileDialogRequest request{QStringLiteral("保存为Wave文件"), kWaveFilter, 2, lastFileName, {}, kSaveFlags};
    if (!services.dialogs.showSave(request) || request.fileName.isEmpty())
        return;
    lastFileName = request.fileName;
    if (!mayOverwrite(services.messageBox, request.fileName) || !Voice)
        return;
    auto stream = std::make_shared<SpFileStream>();
    stream->setFormatType(FormatCB->currentData().toInt());
    if (!stream->Open(request.fileName, SpFileStream::SSFMCreateForWrite)) {
        reportFileError(request.fileName, true);
        return;
    }
    Voice->setAllowAudioOutputFormatChangesOnNextSet(false);
    exporting = true;
    const bool spoken = Voice->setAudioOutputStream(stream) && Voice->Speak(MainTxtBox->text(), SpeakFlags) &&
                        waitUntilExported();
    exporting = false;
    // Speech goes back to the device also when the export failed; to the default one where none is listed.
    if (!AudioOutputCB->isEnabled())
        Voice->setAudioOutput(std::nullopt);
    AudioOutputCB_Click();
    if (!spoken)
        return;
    if (!stream->failure().isEmpty()) {
        services.messageBox.show(QStringLiteral("声音文件没有保存：") + stream->failure(), MsgBox::Critical,
                                 MessageTitle::notice());
        return;
    }
    if (!stream->Close()) {
        reportFileError(request.fileName, true);
        return;
    }
    services.messageBox.show(QStringLiteral("WAV文件保存成功!"), MsgBox::Information, MessageTitle::notice());
}

bool Sayloom::waitUntilExported() {
    // The window repaints meanwhile; the user's input waits.
    constexpr int kSliceMs = 250;
    while (!Voice->WaitUntilDone(kSliceMs))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void Sayloom::menuFileSpeakWave_Click() {
    FileDialogRequest request{
        QStringLiteral("打开语音文件进行朗读"), kWaveFilter, 2, lastFileName, {}, kOpenFlags};
    if (!services.dialogs.showOpen(request) || request.fileName.isEmpty()) {
        UpdateSpeakState(false, Paused);
        return;
    }
    lastFileName = request.fileName;
    MainTxtBox->setText(request.fileName);
    chkSpFlagIsFilename->setChecked(true);
    if (!SpeakBtn_Click() && Voice)
        services.messageBox.show(QStringLiteral("无法播放这个声音文件。\r\n") + Voice->errorDescription(),
                                 MsgBox::Critical, MessageTitle::notice());
    recent->remember(request.fileName);
}

void Sayloom::menuFileOpenText_Click() {
    FileDialogRequest request{QStringLiteral("打开文件"),
                              QStringLiteral("All Files (*.*)|*.*|Text, XML Files (*.txt;*.xml)|*.txt;*.xml"),
                              2,
                              lastFileName,
                              GetDirectory(),
                              kOpenFlags};
    if (!services.dialogs.showOpen(request) || request.fileName.isEmpty())
        return;
    lastFileName = request.fileName;
    if (!openTextFile(request.fileName))
        return;
    recent->remember(request.fileName);
}

bool Sayloom::openTextFile(const QString& path) {
    // Read whole before the text box changes: a failed read leaves the text as it was.
    const std::optional<QByteArray> bytes = TextFile::readBytes(path);
    if (!bytes) {
        reportFileError(path, false);
        return false;
    }
    TextEncoding::Decoded decoded = TextEncoding::decode(*bytes);
    textEncoding = decoded.encoding;
    MainTxtBox->setText(std::move(decoded.text));
    return true;
}

void Sayloom::mnusavetotxt_Click() {
    FileDialogRequest request{QStringLiteral("保存为文本文件"),
                              QStringLiteral("文本文件 Files (*.txt)|*.txt"),
                              1,
                              lastFileName,
                              {},
                              kSaveFlags};
    if (!services.dialogs.showSave(request) || request.fileName.isEmpty())
        return;
    lastFileName = request.fileName;
    if (!mayOverwrite(services.messageBox, request.fileName))
        return;
    if (!TextFile::writeBytes(
            request.fileName,
            TextEncoding::encode(MainTxtBox->text() + QStringLiteral("\r\n"), textEncoding))) {
        reportFileError(request.fileName, true);
        return;
    }
    services.messageBox.show(QStringLiteral("已保存好了！\r\n") + request.fileName, MsgBox::Information,
                             MessageTitle::notice());
}

void Sayloom::mlastfile_Click(int index) {
    const QString path = recent->pathOf(index);
    if (path.isEmpty())
        return;
    OpenRecentFile(path);
    recent->UpdateRecentFiles(index);
}

void Sayloom::mnuclearfile_Click() {
    recent->ClearRecentFiles();
}

void Sayloom::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        services.messageBox.show(QStringLiteral("要打开的文件：") + path +
                                     QStringLiteral(" 没找到！可能已移位或已删除"),
                                 MsgBox::Critical, MessageTitle::notice());
        return;
    }
    (void)openTextFile(path);
}

QString Sayloom::GetDirectory() const {
    // There is no speech SDK samples folder on this platform.
    return {};
}
