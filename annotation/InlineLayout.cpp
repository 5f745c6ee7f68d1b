#include "annotation/InlineLayout.h"

#include "annotation/HtmlPage.h"
#include "annotation/PhoneticFont.h"
#include "annotation/Progress.h"
#include "lexicon/Module1.h"
#include "platform/core/Vb.h"
#include "platform/richtext/RichTextBox.h"

InlineStyle InlineStyle::fromSettings(int phoneticColor) {
    return {PhoneticFont::family(),
            phoneticColor,
            static_cast<double>(Module1::phoneticFontSize),
            Module1::leftBracket,
            Module1::rightBracket,
            Module1::wordSeparator == u"huiche" ? QStringLiteral("\r\n") : QStringLiteral(" ")};
}

namespace InlineLayout {

void insert(RichTextBox& editor, const QStringList& transcriptions, const QList<int>& ends,
            const InlineStyle& style, ProgressReporter& progress) {
    const QString stage = QStringLiteral("植入音标：");
    const qsizetype count = qMin(transcriptions.size(), ends.size());
    // Every inserted text is a slice of one buffer.
    const qsizetype frame = style.leftBracket.size() + style.rightBracket.size() + style.separator.size();
    qsizetype length = 0;
    for (qsizetype k = 0; k < count; ++k)
        length += frame + transcriptions[k].size();
    QString all;
    all.reserve(length);
    QList<qsizetype> starts;
    starts.reserve(count + 1);
    for (qsizetype k = 0; k < count; ++k) {
        starts.append(all.size());
        all.append(style.leftBracket)
            .append(transcriptions[k])
            .append(style.rightBracket)
            .append(style.separator);
    }
    starts.append(all.size());
    QList<int> positions;
    QList<QStringView> texts;
    positions.reserve(count);
    texts.reserve(count);
    for (qsizetype k = 0; k < count; ++k) {
        positions.append(ends[k] - 1);
        texts.append(QStringView(all).sliced(starts[k], starts[k + 1] - starts[k]));
    }
    editor.beginEditBlock();
    editor.insertEach(positions, texts, style.fontName, style.size, style.color, [&](qsizetype k) {
        if (!Module1::stopInsertFlag)
            return false;
        progress.report(stage, static_cast<double>(k) / static_cast<double>(ends.size()));
        return true;
    });
    editor.endEditBlock();
    progress.finish();
}

QString pageBody(const QString& scanned, const QStringList& transcriptions, const QList<int>& ends,
                 const InlineStyle& style) {
    const qsizetype count = qMin(transcriptions.size(), ends.size());
    QString body;
    body.reserve(scanned.size() + count * 48);
    qsizetype from = 0;
    for (qsizetype k = 0; k < count; ++k) {
        // Positions only grow along the queue; a position past the text inserts at its end.
        const qsizetype at = qBound(from, static_cast<qsizetype>(ends[k] - 1), scanned.size());
        body += HtmlPage::escape(QStringView(scanned).mid(from, at - from));
        body += QStringLiteral("<span class=pronounce1>") + style.leftBracket +
                Module1::ToHtmlEntities(transcriptions[k]) + style.rightBracket + style.separator +
                QStringLiteral("</span>");
        from = at;
    }
    body += HtmlPage::escape(QStringView(scanned).mid(from));
    return body;
}

} // namespace InlineLayout
