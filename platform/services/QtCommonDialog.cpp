#include "platform/services/CommonDialog.h"

#include "platform/services/BgrColor.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& raw = parts[i + 1];
        const QString spaced = QString(raw).replace(u';', u' ');
        QString name = parts[i].trimmed();
        for (const QString& shown : {QStringLiteral("(") + raw + u')', QStringLiteral("(") + spaced + u')'}) {
            if (name.endsWith(shown)) {
                name = name.chopped(shown.size()).trimmed();
                break;
            }
        }
        out.append(name + QStringLiteral(" (") + spaced + u')');
    }
    return out;
}

namespace {

bool runFileDialog(FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The callers ask their own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(qBound(1, request.filterIndex, int(filters.size())) - 1));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        const QString chosen = dialog.selectedFiles().constFirst();
        if (const QString refusal = fileDialogRefusal(chosen, request.flags); !refusal.isEmpty()) {
            QMessageBox::warning(&dialog, request.title, refusal);
            continue;
        }
        request.fileName = chosen;
        request.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        return true;
    }
}

} // namespace

QString fileDialogRefusal(const QString& path, int flags) {
    const QFileInfo info(path);
    if ((flags & FileDialogFlag::PathMustExist) && !info.dir().exists())
        return QStringLiteral("路径不存在：") + QDir::toNativeSeparators(info.absolutePath());
    if ((flags & FileDialogFlag::FileMustExist) && !info.exists())
        return QStringLiteral("文件不存在：") + QDir::toNativeSeparators(path);
    // Without write permission for its owner the file counts as read-only, even to a user who may write it.
    if ((flags & FileDialogFlag::NoReadOnlyReturn) && info.exists() &&
        (!info.isWritable() || !info.permission(QFile::WriteOwner)))
        return QStringLiteral("文件是只读的：") + QDir::toNativeSeparators(path);
    return {};
}

bool QtCommonDialog::showOpen(FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

bool QtCommonDialog::showSave(FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

bool QtCommonDialog::showFont(const QString& title, FontChoice& font) {
    QFont initial(font.name);
    if (font.size > 0)
        initial.setPointSizeF(font.size);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    initial.setUnderline(font.underline);
    initial.setStrikeOut(font.strikethru);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), title);
    if (!ok)
        return false;
    font.name = chosen.family();
    font.size = chosen.pointSizeF();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikethru = chosen.strikeOut();
    return true;
}

bool QtCommonDialog::showColor(const QString& title, int& color) {
    const QColor chosen = QColorDialog::getColor(bgrToQColor(color), QApplication::activeWindow(), title);
    if (!chosen.isValid())
        return false;
    color = qColorToBgr(chosen);
    return true;
}
