#include "platform/core/ProgramFolder.h"

#include <QCoreApplication>

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path() {
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

QString file(const QString& name) {
    QString folder = path();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + name;
}

void setOverride(const QString& folder) {
    overrideFolder() = folder;
}

} // namespace ProgramFolder
