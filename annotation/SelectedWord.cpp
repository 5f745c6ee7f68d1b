#include "annotation/SelectedWord.h"

#include "annotation/Lookup.h"
#include "lexicon/Module1.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageBox.h"

namespace SelectedWord {

Refusal check(const QString& selection) {
    const QString trimmed = Vb::trim(selection);
    if (trimmed.isEmpty())
        return {QStringLiteral("当前未选定内容"), MsgBox::Information};
    static const QString allowed = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890.'１２３４５６７８９０");
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (!allowed.contains(selection[i]))
            return {QStringLiteral("选定内容（") + selection +
                        QStringLiteral("）中存在空格或非英文字符，选定内容不是英文单词！"),
                    MsgBox::Critical};
    }
    return {};
}

QString annotation(const QString& selection, const WordList& list, QString (*notation)(const QString&)) {
    const QString word = Vb::trim(selection).toLower();
    QString result = Lookup::chain(ScanVariants::SelectedWord(), list, word);
    if (!result.isEmpty())
        result = notation(result);
    if (result.isEmpty())
        result = QStringLiteral("  ");
    const QString separator =
        Module1::wordSeparator == u"huiche" ? QStringLiteral("\r\n") : QStringLiteral(" ");
    return Module1::leftBracket + result + Module1::rightBracket + separator;
}

} // namespace SelectedWord
