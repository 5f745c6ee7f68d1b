#include "lexicon/Module1.h"

#include "platform/core/Vb.h"

namespace {

constexpr char16_t kVowels[] = u"BCiuQEeRaZAJIG";
constexpr char16_t kConsonants[] = u"pbtdkgfvszFVWTNjrhmnwl";
constexpr char16_t kSyllabic[] = u"mnl";
constexpr char16_t kDiphthongs[] = u"iE和ZE和uE和Ci和eE和JE和CI和Eu和ai和ei和au和Ej和aJ和aI和eI和aJ";

bool in(QChar c, const char16_t* set) {
    return QStringView(set).contains(c);
}

bool isDiphthong(QStringView pair) {
    for (const QStringView entry : QStringView(kDiphthongs).tokenize(u'和'))
        if (entry == pair)
            return true;
    return false;
}

} // namespace

namespace Module1 {

bool SyllabicConsonantAt(const QString& code, qsizetype i) {
    const qsizetype n = code.size();
    if (i < 0 || i >= n || n < 2 || !in(code[i], kSyllabic))
        return false;
    // A syllabic m, n or l stands next to a consonant. In the middle, it counts only between a
    // consonant before it and no vowel after it, as the l of "bAtlfi:ld".
    if (i == 0)
        return in(code[1], kConsonants);
    if (i == n - 1)
        return in(code[n - 2], kConsonants);
    return in(code[i - 1], kConsonants) && !in(code[i + 1], kVowels);
}

int CountSyllables(const QString& code) {
    const QString s = ToOldNotation(Vb::trim(code));
    const qsizetype n = s.size();
    int count = 0;
    for (const QChar c : s)
        if (in(c, kVowels))
            ++count;
    if (n > 3)
        for (qsizetype i = 0; i < n; ++i)
            count += SyllabicConsonantAt(s, i);
    // The vowel pass counted each diphthong twice. The character right after a diphthong starts no
    // pair of its own.
    for (qsizetype i = 0; i + 1 < n;) {
        if (isDiphthong(QStringView(s).sliced(i, 2))) {
            --count;
            i += 3;
        } else {
            ++i;
        }
    }
    return count;
}

} // namespace Module1
