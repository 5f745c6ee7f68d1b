#include "platform/richtext/DocumentRuns.h"

#include "platform/services/BgrColor.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

CharFormat fromQt(const QTextCharFormat& f) {
    CharFormat out;
    const QStringList families = f.fontFamilies().toStringList();
    out.fontName = families.isEmpty() ? f.stringProperty(QTextFormat::FontFamily) : families.constFirst();
    out.fontSize = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : 0;
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        out.color = qColorToBgr(f.foreground().color());
    out.bold = f.fontWeight() >= QFont::Bold;
    out.italic = f.fontItalic();
    out.underline = f.fontUnderline();
    out.strikeThru = f.fontStrikeOut();
    return out;
}

QTextCharFormat toQt(const CharFormat& f) {
    QTextCharFormat out;
    // The single-name property: the text document hashes every list-valued property alike, so with
    // the family as a list a document of many fonts would compare each new format with all others.
    if (!f.fontName.isEmpty())
        out.setProperty(QTextFormat::FontFamily, f.fontName);
    if (f.fontSize > 0)
        out.setFontPointSize(f.fontSize);
    if (f.color)
        out.setForeground(bgrToQColor(*f.color));
    if (f.bold)
        out.setFontWeight(QFont::Bold);
    if (f.italic)
        out.setFontItalic(true);
    if (f.underline)
        out.setFontUnderline(true);
    if (f.strikeThru)
        out.setFontStrikeOut(true);
    return out;
}

// Objects (pictures) and stray line separators have no place in the CR LF model.
QString plainPart(QString text) {
    text.remove(QChar::ObjectReplacementCharacter);
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

} // namespace

namespace DocumentRuns {

FormattedText read(const QTextDocument& document) {
    FormattedText runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            if (runs.empty())
                runs.push_back({QStringLiteral("\n"), {}});
            else
                runs.back().text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            appendRun(runs, plainPart(fragment.text()), fromQt(fragment.charFormat()));
        }
    }
    return runs;
}

void insert(QTextCursor& cursor, const FormattedText& runs) {
    for (const TextRun& run : runs)
        cursor.insertText(run.text, toQt(run.format));
}

} // namespace DocumentRuns
