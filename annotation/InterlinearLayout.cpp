#include "annotation/InterlinearLayout.h"

#include "annotation/HtmlPage.h"
#include "annotation/PhoneticFont.h"
#include "annotation/Progress.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/Vb.h"
#include "platform/richtext/RichTextBox.h"

namespace {

struct LineHooks {
    const QString& text;
    CachedLookup& lookup;
    ProgressReporter& reporter;
    EventYield& events;
    QString out;

    bool running() const { return Module1::stopAnnotateFlag; }
    void progress(qsizetype i, qsizetype n) {
        reporter.report(ScanVariants::TranscriptionLine().progressText, double(i) / double(n));
    }
    void yield() { events.yieldToEvents(); }
    void nonLetter(qsizetype) { out += u' '; }
    void word(qsizetype i, qsizetype j) {
        const QString word = text.mid(i - 1, j - i);
        QString result = lookup(word);
        if (result.isEmpty())
            result = QStringLiteral("  ");
        if (result.size() < word.size())
            result = result.leftJustified(word.size(), u' ');
        out += Module1::leftBracket + result + Module1::rightBracket + QStringLiteral("  ");
    }
};

} // namespace

namespace InterlinearLayout {

Run::Run(const WordList& list, ProgressSink& sink)
    : lookup(ScanVariants::TranscriptionLine(), list), progress(sink) {}

QStringList textLines(const QStringList& savedLines, bool& tooMany) {
    QStringList lines;
    tooMany = false;
    for (const QString& line : savedLines) {
        if (Vb::trim(line).isEmpty())
            continue;
        if (lines.size() >= kMaxLines) {
            tooMany = true;
            break;
        }
        lines.append(line + QStringLiteral("     "));
    }
    return lines;
}

QString transcriptionLine(const QString& line, CachedLookup& lookup, ProgressReporter& progress,
                          EventYield& yield) {
    const QString s = Vb::replaceAll(line, QStringLiteral("-"), QString());
    LineHooks hooks{s, lookup, progress, yield, QString()};
    WordScanner::scan(s, ScanVariants::TranscriptionLine(), hooks);
    return u' ' + hooks.out;
}

void rebuild(RichTextBox& editor, const QStringList& text, const QStringList& phonetic, bool up,
             int phoneticColor) {
    const auto writeText = [&](const QString& line) {
        editor.setSelFontName(QStringLiteral("Times New Roman"));
        editor.setSelColor(0);
        editor.setSelFontSize(Module1::phoneticFontSize + 3);
        editor.setSelText(line + QStringLiteral("\r\n"));
    };
    const auto writePhonetic = [&](const QString& line) {
        editor.setSelFontName(PhoneticFont::family());
        editor.setSelColor(phoneticColor);
        editor.setSelFontSize(Module1::phoneticFontSize - 1);
        editor.setSelText(line + QStringLiteral("\r\n"));
    };
    editor.beginEditBlock();
    editor.setText(QString());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QString& phon = k < phonetic.size() ? phonetic[k] : QString();
        if (up) {
            writePhonetic(phon);
            writeText(text[k]);
        } else {
            writeText(text[k]);
            writePhonetic(phon);
        }
    }
    editor.endEditBlock();
}

QString pageBody(const QStringList& text, const QStringList& phonetic, bool up) {
    const bool unicode = Module1::phoneticFontName != PhoneticFont::family();
    const QString open =
        unicode ? QStringLiteral("<span class=pronounce1>") : QStringLiteral("<span class=pronounce>");
    QString body;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QString& raw = k < phonetic.size() ? phonetic[k] : QString();
        const QString phon = open + (unicode ? Module1::ToHtmlEntities(raw) : HtmlPage::escape(raw)) +
                             QStringLiteral("</span><br>");
        const QString line = HtmlPage::escape(text[k]);
        body += up ? phon + line + QStringLiteral("<br>") : line + QStringLiteral("<br>") + phon;
    }
    return body;
}

} // namespace InterlinearLayout
