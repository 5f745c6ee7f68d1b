#include "tools/services/Skin.h"

#include "platform/core/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>

bool Skin::LoadSkin(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    styleSheet = QString::fromUtf8(file.readAll());
    return true;
}

void Skin::ApplySkin(QWidget& window) const {
    window.setStyleSheet(styleSheet);
}

void loadToolWindowSkin(Skin& skin, QWidget& window) {
    const QString path = ProgramFolder::file(QStringLiteral("green.skn"));
    if (!QFileInfo(path).isFile() || !skin.LoadSkin(path))
        return;
    skin.ApplySkin(window);
}
