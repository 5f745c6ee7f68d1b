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

int CountSyllables(const QString& code) {
    const QString s = ToOldNotation(Vb::trim(code));
    const qsizetype n = s.size();
    int count = 0;
    for (const QChar c : s)
        if (in(c, kVowels))
            ++count;
    // A syllabic m, n or l stands next to a consonant. In the middle, it adds one only between a
    // consonant before it and no vowel after it, as the l of "bAtlfi:ld".
    if (n > 3) {
        for (qsizetype i = 0; i < n; ++i) {
            if (!in(s[i], kSyllabic))
                continue;
            if (i == 0)
                count += in(s[1], kConsonants);
            else if (i == n - 1)
                count += in(s[n - 2], kConsonants);
            else
                count += in(s[i - 1], kConsonants) && !in(s[i + 1], kVowels);
        }
    }
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
