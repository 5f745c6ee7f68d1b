#include "tools/lexicon/LexiconSearch.h"

#include "annotation/PhoneticFont.h"
#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Vb.h"
#include "platform/database/Database.h"
#include "platform/richtext/RichTextBox.h"

namespace LexiconSearch {
namespace {

constexpr int kBlue = 0xFF0000; // blue-green-red

QString inNotation(const QString& code, bool ed15) {
    return ed15 ? Module1::ToNewNotation(code) : Module1::ToOldNotation(code);
}

template <typename Match>
bool run(const QString& sql, const QVariantList& values, const Options& options, const Hit& hit,
         const Next& next, Match match) {
    auto db = Database::open(ProgramFolder::file(QStringLiteral("data.dat")), Database::Mode::ReadOnly);
    if (!db)
        return false;
    auto stmt = db->prepare(sql);
    if (!stmt)
        return false;
    stmt->bindAll(values);
    int hits = 0;
    while (stmt->next()) {
        if (std::optional<QString> transcription = match(stmt->text(1))) {
            ++hits;
            hit(stmt->text(0), *transcription);
            if (hits >= options.limit)
                break;
        }
        if (!next())
            break;
    }
    const bool failed = stmt->error();
    stmt->reset();
    return !failed;
}

} // namespace

bool bySpelling(const QString& key, const Options& options, const Hit& hit, const Next& next) {
    const QString k = Vb::trim(key).toLower();
    const QString sql = options.fuzzy ? QStringLiteral("select word,ipa13 from word where word like ?")
                                      : QStringLiteral("select word,ipa13 from word where word=?");
    const QString value = options.fuzzy ? u'%' + k + u'%' : k;
    return run(sql, {value}, options, hit, next, [&](const QString& stored) {
        return std::optional<QString>(inNotation(Module1::ScrambleText(stored), options.ed15));
    });
}

bool bySound(const QString& typed, const Options& options, const Hit& hit, const Next& next) {
    const QString key = inNotation(typed, options.ed15);
    return run(QStringLiteral("select word,ipa13 from word"), {}, options, hit, next,
               [&](const QString& raw) -> std::optional<QString> {
                   QString stored = inNotation(Module1::ScrambleText(raw), options.ed15);
                   if (options.fuzzy ? stored.contains(key) : stored == key)
                       return stored;
                   return std::nullopt;
               });
}

void typeHit(RichTextBox& editor, const QString& word, const QString& transcription) {
    editor.setSelFontName(QStringLiteral("Times New Roman"));
    editor.setSelFontSize(14);
    editor.setSelColor(0);
    editor.setSelText(word + QStringLiteral("     "));
    editor.setSelFontName(PhoneticFont::family());
    editor.setSelFontSize(14);
    editor.setSelColor(kBlue);
    editor.setSelText(transcription + QStringLiteral("\r\n"));
}

} // namespace LexiconSearch
