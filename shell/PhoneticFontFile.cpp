#include "shell/PhoneticFontFile.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>

namespace PhoneticFontFile {

QString userFontPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/fonts/Fonvella.ttf");
}

bool install() {
    const std::optional<QByteArray> read =
        TextFile::readBytes(ProgramFolder::file(QStringLiteral("Fonvella.ttf")));
    if (!read)
        return false;
    const QByteArray& bytes = *read;
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
        return false;
    // Other programs find the font through fontconfig, which watches the user's font folder.
    QFile installed(userFontPath());
    const bool current = installed.open(QIODevice::ReadOnly) && installed.readAll() == bytes;
    if (!current && QDir().mkpath(QFileInfo(userFontPath()).path()))
        (void)TextFile::writeBytes(userFontPath(), bytes);
    return true;
}

} // namespace PhoneticFontFile
