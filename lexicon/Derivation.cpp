#include "lexicon/Module1.h"

#include "platform/core/Vb.h"

#include <functional>
#include <string>

namespace {

bool lastIn(const QString& p, const char16_t* letters) {
    return !p.isEmpty() && QStringView(letters).contains(p.back());
}

// Plural or third-person "s" after the stem's last sound.
QString sEnding(const QString& p) {
    if (lastIn(p, u"ptkfhlW"))
        return QStringLiteral("s");
    if (lastIn(p, u"szFV"))
        return QStringLiteral("iz");
    return QStringLiteral("z");
}

// Past tense "ed" after the stem's last sound.
QString edEnding(const QString& p) {
    if (lastIn(p, u"td"))
        return QStringLiteral("Id");
    if (lastIn(p, u"pkfshlW"))
        return QStringLiteral("t");
    return QStringLiteral("d");
}

// Past tense "d" alone after the stem's last sound.
QString dEnding(const QString& p) {
    if (lastIn(p, u"td"))
        return QStringLiteral("id");
    if (lastIn(p, u"ptkfshlW"))
        return QStringLiteral("t");
    return QStringLiteral("d");
}

QString ingEnding(const QString&) {
    return QStringLiteral("iN");
}

// One try: a word of at least minLength letters that ends with letters gives the stem without its
// last strip letters, plus restored; the transcription appends what sound gives after the stem's
// transcription, or else appended.
struct Rule {
    qsizetype minLength;
    const char16_t* letters;
    qsizetype strip;
    const char16_t* restored;
    QString (*sound)(const QString&);
    const char16_t* appended;
};

// A plain ending, stripped from a word with at least one more letter.
constexpr Rule ending(const char16_t* letters, const char16_t* appended) {
    const auto n = static_cast<qsizetype>(std::char_traits<char16_t>::length(letters));
    return {n + 1, letters, n, u"", nullptr, appended};
}

// The tries in order; the first whose stem the lookup knows decides the result.
constexpr Rule kRules[] = {
    {3, u"s", 1, u"", sEnding, u""},
    {3, u"d", 1, u"", dEnding, u""},
    {3, u"es", 2, u"", sEnding, u""},
    {3, u"ed", 2, u"", edEnding, u""},
    ending(u"er", u"E"),
    ending(u"ar", u"E"),
    ending(u"or", u"E"),
    ending(u"ly", u"lI"),
    ending(u"ic", u"Ik"),
    ending(u"th", u"W"),
    ending(u"st", u"st"),
    ending(u"ee", u"5i:"),
    ending(u"ty", u"tI"),
    ending(u"ry", u"rI"),
    ending(u"an", u""),
    ending(u"en", u""),
    ending(u"fy", u""),
    ending(u"ie", u""),
    {4, u"ed", 3, u"", edEnding, u""},
    {4, u"ies", 3, u"y", sEnding, u""},
    ending(u"ing", u"IN"),
    ending(u"ism", u"IzEm"),
    ending(u"ate", u"(e)It"),
    ending(u"age", u"IdV"),
    ending(u"ant", u"eInt"),
    ending(u"ent", u"eInt"),
    ending(u"ary", u"eErI"),
    ending(u"dom", u"dEm"),
    ending(u"ean", u"i:n"),
    ending(u"eer", u"IE"),
    ending(u"ery", u"eErI"),
    ending(u"ese", u"i:z"),
    ending(u"est", u"Ist"),
    ending(u"ful", u"fEl"),
    ending(u"ial", u"El"),
    ending(u"ian", u"IEn"),
    ending(u"ics", u"Iks"),
    ending(u"ify", u"IfaI"),
    ending(u"ise", u"aIz"),
    ending(u"ish", u"IF"),
    ending(u"ite", u"aIt"),
    ending(u"ity", u"ItI"),
    ending(u"ive", u"aIv"),
    ending(u"ize", u"aIz"),
    ending(u"let", u"lIt"),
    ending(u"ory", u"CrI"),
    ending(u"ous", u"Es"),
    ending(u"ure", u"Er"),
    ending(u"ule", u"ju:l"),
    ending(u"ess", u""),
    {5, u"ing", 4, u"", ingEnding, u""},
    {5, u"ing", 3, u"e", ingEnding, u""},
    ending(u"able", u"Ebl"),
    ending(u"ible", u"Ebl"),
    ending(u"ance", u"Ens"),
    ending(u"ence", u"Ens"),
    ending(u"ator", u"eItE"),
    ending(u"cide", u"sId"),
    ending(u"ette", u"it"),
    ending(u"fold", u"fEUld"),
    ending(u"hood", u"hU:d"),
    ending(u"less", u"lIs"),
    ending(u"like", u"laIk"),
    ending(u"ment", u"mEnt"),
    ending(u"most", u"mEUst"),
    ending(u"ness", u"nIs"),
    ending(u"logy", u"lEdVI"),
    ending(u"ship", u"FIp"),
    ending(u"some", u"sEm"),
    ending(u"ward", u"wEd"),
    ending(u"ster", u""),
    ending(u"ware", u""),
    ending(u"ways", u""),
    ending(u"wise", u""),
    ending(u"arian", u"Ern"),
    ending(u"ation", u"5eIFEn"),
    ending(u"ative", u"eItIv"),
    ending(u"cracy", u"kreIsI"),
    ending(u"esque", u"esk"),
    ending(u"ology", u"ClEdVI"),
    ending(u"phile", u"faIl"),
    ending(u"wards", u"wEdz"),
};

using Lookup = std::function<QString(const QString&)>;

enum class Output { StemValueAndEnding, StemValue, StemWord };

QString derive(const QString& word, const Lookup& lookup, Output output) {
    const QString w = Vb::trim(word).toLower();
    for (const Rule& rule : kRules) {
        if (w.size() < rule.minLength || !w.endsWith(QStringView(rule.letters)))
            continue;
        const QString stem = w.first(w.size() - rule.strip) + QString::fromUtf16(rule.restored);
        const QString value = lookup(stem);
        if (value.isEmpty())
            continue;
        switch (output) {
        case Output::StemValueAndEnding:
            return value + (rule.sound ? rule.sound(value) : QString::fromUtf16(rule.appended));
        case Output::StemValue:
            return value;
        case Output::StemWord:
            return stem;
        }
    }
    return {};
}

} // namespace

namespace Module1 {

QString DerivePhoneticFast(const WordList& list, const QString& word) {
    return derive(
        word, [&list](const QString& stem) { return LookupPhoneticFast(list, stem); },
        Output::StemValueAndEnding);
}

QString DerivePhoneticDb(const QString& word) {
    return derive(word, LookupPhoneticDb, Output::StemValueAndEnding);
}

QString DeriveMeaningFast(const WordList& list, const QString& word) {
    return derive(
        word, [&list](const QString& stem) { return LookupMeaningFast(list, stem); }, Output::StemValue);
}

QString DeriveWordDb(const QString& word) {
    return derive(word, WordExistsDb, Output::StemWord);
}

} // namespace Module1
