#include "platform/richtext/DocumentRuns.h"

#include "platform/services/BgrColor.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>
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

// Past this many font names in one document, names this system has no font for show in the base font.
// Qt's font cache slows down with every new family it holds (tens of thousands of names take minutes
// to lay out), while text in a missing font would show in a fallback font anyway.
constexpr qsizetype kManyFonts = 1000;

QTextCharFormat toQt(const CharFormat& f, bool shownInItsFont) {
    QTextCharFormat out;
    if (!f.fontName.isEmpty() && shownInItsFont)
        DocumentRuns::setFamily(out, f.fontName);
    else if (!f.fontName.isEmpty())
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

void setFamily(QTextCharFormat& format, const QString& name) {
    format.setFontFamilies({name});
    // The text document hashes every list-valued property alike, so with the family only as a list a
    // document of many fonts compares each new format with all the others; the single-name property
    // (not used for the font itself) gives each family its own hash.
    format.setProperty(QTextFormat::FontFamily, name);
}

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
    QHash<QString, bool> shown; // font name -> shown in its own font
    for (const TextRun& run : runs)
        shown.insert(run.format.fontName, true);
    if (shown.size() > kManyFonts) {
        const QStringList installed = QFontDatabase::families();
        const QSet<QString> present(installed.cbegin(), installed.cend());
        for (auto it = shown.begin(); it != shown.end(); ++it)
            it.value() = present.contains(it.key());
    }
    for (const TextRun& run : runs)
        cursor.insertText(run.text, toQt(run.format, shown.value(run.format.fontName)));
}

} // namespace DocumentRuns
