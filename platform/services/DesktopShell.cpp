#include "platform/services/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool DesktopShell::open(const QString& target) {
    const bool isUrl = target.contains(u"://") || target.startsWith(u"mailto:");
    const QUrl url = isUrl ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    if (!isUrl && !QFileInfo::exists(target))
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
