#include "annotation/WordExport.h"

#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/word/WordApplication.h"

namespace {

// Words as written, letters and apostrophe, window 20; the flag is tested before every position.
const ScanVariant& fieldVariant() {
    static const ScanVariant v{20,
                               true,
                               false,
                               {LexiconSource::WordList, LexiconSource::Database,
                                LexiconSource::DeriveDatabase, LexiconSource::DeriveWordList},
                               true,
                               false,
                               QString()};
    return v;
}

constexpr int kWordBlue = 16711680;

QString fieldCode(const QString& word, const QString& phon, bool above) {
    const QString& mode = Module1::bracketMode;
    const QString open = mode == u"["   ? QStringLiteral("[")
                         : mode == u"/" ? QStringLiteral("/")
                                        : QStringLiteral(" ");
    const QString close = mode == u"["   ? QStringLiteral("]")
                          : mode == u"/" ? QStringLiteral("/")
                                         : QStringLiteral(" ");
    if (above)
        return QStringLiteral("eq \\A(") + open + phon + close + u',' + word + u')';
    return QStringLiteral("eq \\A(") + word + u',' + open + phon + close + u')';
}

struct FieldHooks {
    const QString& text;
    WordSelection& sel;
    CachedLookup lookup;
    bool above;
    ProgressReporter& reporter;
    EventYield& events;
    qsizetype written = 0; // positions 1 to written are in the document
    int fields = 0;
    bool tooMany = false;

    bool running() const { return Module1::stopAnnotateFlag && !tooMany; }
    void progress(qsizetype i, qsizetype n) { reporter.report(QString(), double(i) / double(n)); }
    void yield() { events.yieldToEvents(); }
    // Types what the scan passed over: the character that ended a word, and the letters before the
    // last 20 of a longer run, so no text is lost.
    void catchUp(qsizetype i) {
        if (i - 1 > written)
            sel.typeText(text.mid(written, i - 1 - written));
        written = i - 1;
    }
    void nonLetter(qsizetype i) {
        catchUp(i);
        sel.typeText(QString(text[i - 1]));
        written = i;
    }
    void word(qsizetype i, qsizetype j) {
        if (fields == Recognition::kMaxQueued) {
            tooMany = true;
            return;
        }
        catchUp(i);
        const QString word = Vb::trim(text.mid(i - 1, j - i));
        QString phon = lookup(word);
        if (phon.isEmpty())
            phon = QStringLiteral("  ");
        if (Module1::phoneticFontName == u"Lucida Sans Unicode")
            phon = Module1::ToUnicodeIpa(phon);
        if (!sel.addEmptyField())
            return;
        sel.typeText(fieldCode(word, phon, above));
        const int p = int(phon.size());
        const int w = int(word.size());
        const auto phonetic = [&] {
            sel.setFontName(Module1::phoneticFontName);
            sel.setFontSize(Module1::phoneticFontSize - 1);
            sel.setFontColor(kWordBlue);
        };
        const auto plain = [&] {
            sel.setFontName(QStringLiteral("Times New Roman"));
            sel.setFontSize(Module1::phoneticFontSize + 1);
        };
        if (above) {
            sel.moveLeft(p + w + 3);
            sel.moveRight(p, true);
            phonetic();
            sel.moveRight(3);
            sel.moveRight(w, true);
            plain();
        } else {
            sel.moveLeft(w + p + 4);
            sel.moveRight(w, true);
            plain();
            sel.moveRight(2);
            sel.moveRight(p + 2, true);
            phonetic();
        }
        sel.moveRight(4);
        sel.updateFields();
        ++fields;
        written = j - 1;
    }
};

} // namespace

namespace WordExport {

QString note() {
    return QStringLiteral(
        "如果显示为{ "
        "eq这样的域代码，请按键盘上的ALT+F9即转换到显示结果；要修改某单词的音标，请先转换到域代码模式，"
        "方法是选中后按右键菜单-“切换域代码”(shift+F9)，即可在结果和域代码间转换。");
}

Written run(WordApplication& word, const QString& scanned, bool transcriptionAbove, const WordList& list,
            ProgressReporter& progress, EventYield& yield) {
    if (word.documentsCount() < 1)
        word.addDocument();
    WordSelection* sel = word.selection();
    if (!sel)
        return {};
    sel->typeText(note() + QStringLiteral("\r\n"));
    word.setVisible(true);
    FieldHooks hooks{scanned, *sel, CachedLookup(fieldVariant(), list), transcriptionAbove, progress, yield};
    WordScanner::scan(scanned, fieldVariant(), hooks);
    if (hooks.running())
        hooks.catchUp(scanned.size() + 1);
    progress.finish();
    return {hooks.fields, hooks.tooMany};
}

} // namespace WordExport
