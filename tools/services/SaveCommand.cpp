#include "tools/services/SaveCommand.h"

#include "platform/services/MessageBox.h"

#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("友情提示");

RichTextBox::FileFormat formatFor(const SaveKind& kind, int filterIndex) {
    if (kind.formats.empty())
        return RichTextBox::FileFormat::Text;
    const auto index = static_cast<std::size_t>(std::max(filterIndex, 1) - 1);
    return kind.formats[std::min(index, kind.formats.size() - 1)];
}
} // namespace

bool runSaveCommand(MessageBox& messageBox, CommonDialog& dialogs, FileDialogRequest& dialog,
                    const SaveKind& kind, const RichTextBox& box) {
    for (;;) {
        dialog.title = kind.title;
        dialog.filter = kind.filter;
        if (!dialogs.showSave(dialog) || dialog.fileName.isEmpty())
            return false;
        if (QFileInfo::exists(dialog.fileName) &&
            messageBox.show(QStringLiteral("文件名已经存在，将覆盖原文件！您确定要覆盖它吗？"),
                            MsgBox::OkCancel | MsgBox::Question, kTitle) == MsgBox::Cancel)
            continue;
        if (box.saveFile(dialog.fileName, formatFor(kind, dialog.filterIndex)))
            return true;
        messageBox.show(QStringLiteral("文件无法写入：") + dialog.fileName, MsgBox::Critical, kTitle);
        return false;
    }
}
