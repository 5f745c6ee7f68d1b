#include "lexicon/Module1.h"

#include "platform/core/Vb.h"

#include <functional>
#include <initializer_list>

namespace {

struct Ending {
    const char16_t* letters;
    const char16_t* appended;
};

constexpr char16_t kTwoLetters[] = u"er,ar,an,th,ty,or,ee,en,st,fy,ic,ed,ee,es,ic,ie,ly,or,ry,th,ty";
constexpr char16_t kThreeLetters[] =
    u"ing,ism,ate,age,ant,ent,ary,dom,ean,eer,ent,ery,ese,ess,est,ful,ial,ian,"
    u"ics,ify,ise,ish,ite,ity,ive,ize,let,ory,ous,ure,ule";
constexpr char16_t kFourLetters[] = u"able,ible,ance,ence,ator,cide,ette,fold,hood,less,like,ment,most,ness,"
                                    u"logy,ship,some,ster,ward,ware,ways,wise";
constexpr char16_t kFiveLetters[] = u"arian,ation,ative,cracy,esque,ology,phile,wards";

// An ending belongs to a list when it equals one of its comma-separated entries.
bool inList(QStringView ending, const char16_t* list) {
    for (const QStringView entry : QStringView(list).tokenize(u','))
        if (entry == ending)
            return true;
    return false;
}

QString endingOf(const QString& ending, std::initializer_list<Ending> table) {
    for (const Ending& e : table)
        if (ending == QStringView(e.letters))
            return QString::fromUtf16(e.appended);
    return {};
}

bool lastIn(const QString& p, const char16_t* letters) {
    return !p.isEmpty() && QStringView(letters).contains(p.back());
}

// Plural or third-person "s" after the stem's last sound.
QString sEnding(const QString& p, const char16_t* sibilants) {
    if (lastIn(p, u"ptkfhlW"))
        return QStringLiteral("s");
    if (lastIn(p, sibilants))
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

QString twoLetterEnding(const QString& ending, const QString& p) {
    if (ending == u"es")
        return sEnding(p, u"szVF");
    if (ending == u"ed")
        return edEnding(p);
    return endingOf(ending, {{u"er", u"E"},
                             {u"ar", u"E"},
                             {u"or", u"E"},
                             {u"ly", u"lI"},
                             {u"ic", u"Ik"},
                             {u"th", u"W"},
                             {u"st", u"st"},
                             {u"ee", u"5i:"},
                             {u"ty", u"tI"},
                             {u"ry", u"rI"}});
}

QString threeLetterEnding(const QString& ending) {
    return endingOf(ending, {{u"ing", u"IN"},   {u"ism", u"IzEm"}, {u"ate", u"(e)It"}, {u"age", u"IdV"},
                             {u"ant", u"eInt"}, {u"ent", u"eInt"}, {u"ary", u"eErI"},  {u"dom", u"dEm"},
                             {u"ean", u"i:n"},  {u"eer", u"IE"},   {u"ery", u"eErI"},  {u"ese", u"i:z"},
                             {u"est", u"Ist"},  {u"ful", u"fEl"},  {u"ial", u"El"},    {u"ian", u"IEn"},
                             {u"ics", u"Iks"},  {u"ify", u"IfaI"}, {u"ise", u"aIz"},   {u"ish", u"IF"},
                             {u"ite", u"aIt"},  {u"ity", u"ItI"},  {u"ive", u"aIv"},   {u"ize", u"aIz"},
                             {u"let", u"lIt"},  {u"ory", u"CrI"},  {u"ous", u"Es"},    {u"ure", u"Er"},
                             {u"ule", u"ju:l"}});
}

QString fourLetterEnding(const QString& ending) {
    return endingOf(ending, {{u"able", u"Ebl"},
                             {u"ible", u"Ebl"},
                             {u"ance", u"Ens"},
                             {u"ence", u"Ens"},
                             {u"ator", u"eItE"},
                             {u"cide", u"sId"},
                             {u"ette", u"it"},
                             {u"fold", u"fEUld"},
                             {u"hood", u"hU:d"},
                             {u"less", u"lIs"},
                             {u"like", u"laIk"},
                             {u"ment", u"mEnt"},
                             {u"most", u"mEUst"},
                             {u"ness", u"nIs"},
                             {u"logy", u"lEdVI"},
                             {u"ship", u"FIp"},
                             {u"some", u"sEm"},
                             {u"ward", u"wEd"}});
}

QString fiveLetterEnding(const QString& ending) {
    return endingOf(ending, {{u"arian", u"Ern"},
                             {u"ation", u"5eIFEn"},
                             {u"ative", u"eItIv"},
                             {u"cracy", u"kreIsI"},
                             {u"esque", u"esk"},
                             {u"ology", u"ClEdVI"},
                             {u"phile", u"faIl"},
                             {u"wards", u"wEdz"}});
}

using Lookup = std::function<QString(const QString&)>;

enum class Output { StemValueAndEnding, StemValue, StemWord };

// Strips known endings in a fixed order of tries; the first try whose stem the lookup knows decides
// the result.
QString derive(const QString& word, const Lookup& lookup, Output output) {
    const QString w = Vb::trim(word).toLower();
    const qsizetype n = w.size();
    const auto last = [&](qsizetype k) { return w.last(k); };
    const auto stemWithout = [&](qsizetype k) { return w.first(n - k); };

    const auto tryStem = [&](const QString& stem, const std::function<QString(const QString&)>& ending,
                             QString& result) {
        const QString value = lookup(stem);
        if (value.isEmpty())
            return false;
        switch (output) {
        case Output::StemValueAndEnding:
            result = value + ending(value);
            break;
        case Output::StemValue:
            result = value;
            break;
        case Output::StemWord:
            result = stem;
            break;
        }
        return true;
    };

    QString result;
    if (n >= 3 && (w.endsWith(u's') || w.endsWith(u'd'))) {
        const bool plural = w.endsWith(u's');
        const auto ending = [plural](const QString& p) {
            if (plural)
                return sEnding(p, u"szFV");
            if (lastIn(p, u"td"))
                return QStringLiteral("id");
            if (lastIn(p, u"ptkfshlW"))
                return QStringLiteral("t");
            return QStringLiteral("d");
        };
        if (tryStem(stemWithout(1), ending, result))
            return result;
    }
    if (n >= 3 && inList(last(2), kTwoLetters)) {
        const QString e = last(2);
        if (tryStem(
                stemWithout(2), [&e](const QString& p) { return twoLetterEnding(e, p); }, result))
            return result;
    }
    if (n >= 4 && w.endsWith(u"ed")) {
        if (tryStem(stemWithout(3), edEnding, result))
            return result;
    }
    if (n >= 4 && w.endsWith(u"ies")) {
        if (tryStem(
                stemWithout(3) + u'y', [](const QString& p) { return sEnding(p, u"szFV"); }, result))
            return result;
    }
    if (n >= 4 && inList(last(3), kThreeLetters)) {
        const QString e = last(3);
        if (tryStem(
                stemWithout(3), [&e](const QString&) { return threeLetterEnding(e); }, result))
            return result;
    }
    if (n >= 5 && w.endsWith(u"ing")) {
        const auto ing = [](const QString&) { return QStringLiteral("iN"); };
        if (tryStem(stemWithout(4), ing, result))
            return result;
        if (tryStem(stemWithout(3) + u'e', ing, result))
            return result;
    }
    if (n >= 5 && inList(last(4), kFourLetters)) {
        const QString e = last(4);
        if (tryStem(
                stemWithout(4), [&e](const QString&) { return fourLetterEnding(e); }, result))
            return result;
    }
    if (n >= 6 && inList(last(5), kFiveLetters)) {
        const QString e = last(5);
        if (tryStem(
                stemWithout(5), [&e](const QString&) { return fiveLetterEnding(e); }, result))
            return result;
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
