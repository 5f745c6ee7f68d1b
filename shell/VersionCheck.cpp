#include "shell/VersionCheck.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/core/Vb.h"
#include "platform/net/Download.h"
#include "platform/services/MessageTitles.h"

#include <QFileInfo>

QUrl VersionCheck::defaultServerFile() {
    return QUrl(QStringLiteral("https://update.phonexa.example.com/update.txt"));
}

VersionCheck::VersionCheck(Services services, QUrl serverFile, std::chrono::milliseconds timeout)
    : services(services), serverFile(std::move(serverFile)), timeout(timeout) {}

QString VersionCheck::versionOf(const QStringList& lines) {
    QString version;
    for (const QString& raw : lines) {
        const QString line = Vb::trim(raw);
        if (line.startsWith(u"version"))
            version = line.mid(8);
    }
    return version;
}

void VersionCheck::notify(const QString& prompt) {
    services.messageBox.show(prompt, MsgBox::OkOnly | MsgBox::Critical, MessageTitle::notice());
}

void VersionCheck::run() {
    const QString installedPath = ProgramFolder::file(QStringLiteral("update.txt"));
    if (!QFileInfo::exists(installedPath)) {
        const QString line = QStringLiteral("version:") + QString::fromUtf16(kProgramVersion);
        if (TextFile::writeAnsiLines(installedPath, {line}))
            services.messageBox.show(line, MsgBox::OkOnly, {});
        else
            notify(QStringLiteral("无法写入版本文件：") + installedPath);
        return;
    }

    const QString serverCopyPath = ProgramFolder::file(QStringLiteral("update1.txt"));
    const Download::Result download = Download::toFile(serverFile, serverCopyPath, timeout);
    if (!download.ok) {
        notify(QStringLiteral("无法连接升级服务器，请稍后再试！\r\n") + download.error);
        return;
    }
    const std::optional<QStringList> installedLines = TextFile::readAnsiLines(installedPath);
    const std::optional<QStringList> serverLines = TextFile::readAnsiLines(serverCopyPath);
    if (!installedLines || !serverLines) {
        notify(QStringLiteral("无法读取版本文件！"));
        return;
    }
    const QString installed = versionOf(*installedLines);
    const QString server = versionOf(*serverLines);
    // An answer without a version (an error page, a cut-off or garbled file) says nothing about a
    // newer release, so it must not end in "latest".
    if (Vb::trim(server).isEmpty()) {
        notify(QStringLiteral("升级服务器的回答中没有版本信息，请稍后再试！"));
        return;
    }
    services.messageBox.show(server + QStringLiteral("\r\n") + installed, MsgBox::OkOnly, {});

    if (Vb::val(installed) < Vb::val(server)) {
        const QString updater = ProgramFolder::file(QStringLiteral("update.exe"));
        if (!services.shell.startProgram(updater))
            notify(QStringLiteral("无法启动升级程序：") + updater);
        return;
    }
    services.messageBox.show(QStringLiteral("已经是最新版本，不需要升级！"), MsgBox::OkOnly, {});
}
