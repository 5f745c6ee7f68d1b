#include "annotation/AppendedLayout.h"

#include "annotation/HtmlPage.h"
#include "annotation/InlineLayout.h"
#include "annotation/PhoneticFont.h"
#include "annotation/Progress.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/richtext/RichTextBox.h"

namespace AppendedLayout {

void append(RichTextBox& editor, const QStringList& transcriptions, const InlineStyle& style,
            ProgressReporter& progress, EventYield& yield) {
    const QString stage = QStringLiteral("植入音标：");
    const QString lineBreak = QStringLiteral("\r\n");
    // Every entry carries the same format, so the list goes in as one insertion; the editor would
    // otherwise lay the document out again for each entry. Every kEntriesPerParagraph-th entry ends
    // its paragraph, as one endless paragraph takes ever longer to lay out.
    QString list;
    for (qsizetype k = 0; k < transcriptions.size(); ++k) {
        if (!Module1::stopInsertFlag)
            break;
        progress.report(stage, double(k) / double(transcriptions.size()));
        const bool paragraphEnd = (k + 1) % kEntriesPerParagraph == 0;
        list += style.leftBracket + transcriptions[k] + style.rightBracket +
                (paragraphEnd ? lineBreak : style.separator);
        yield.yieldToEvents();
    }
    editor.beginEditBlock();
    editor.setSelStart(editor.text().size());
    editor.setSelText(lineBreak);
    editor.setSelFontName(style.fontName);
    editor.setSelColor(style.color);
    editor.setSelFontSize(style.size);
    editor.setSelText(list);
    editor.endEditBlock();
    progress.finish();
}

QString pageBody(const QString& scanned, const QStringList& transcriptions, const InlineStyle& style) {
    const bool unicode = Module1::phoneticFontName != PhoneticFont::family();
    QString body = Vb::replaceAll(HtmlPage::escape(scanned), QStringLiteral("\r\n"), QStringLiteral("<br>"));
    body += unicode ? QStringLiteral("<br><hr><span class=pronounce1>")
                    : QStringLiteral("<br><hr><span class=pronounce>");
    for (const QString& t : transcriptions) {
        if (Vb::trim(t).isEmpty())
            continue;
        body += style.leftBracket + (unicode ? Module1::ToHtmlEntities(t) : HtmlPage::escape(t)) +
                style.rightBracket + style.separator;
    }
    return body;
}

} // namespace AppendedLayout
