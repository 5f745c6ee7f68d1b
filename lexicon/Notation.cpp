#include "lexicon/Module1.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct Step {
    const char16_t* from;
    const char16_t* to;
};

// Each step replaces every occurrence in one pass; later steps see what earlier ones inserted, so
// the order of the steps decides the result.
QString applySteps(QString text, std::initializer_list<Step> steps) {
    for (const Step& step : steps) {
        const QStringView from(step.from);
        const QStringView to(step.to);
        if (from.size() != to.size()) {
            text.replace(from.data(), from.size(), to.data(), to.size(), Qt::CaseSensitive);
            continue;
        }
        // Same length: overwrite each match in place, left to right, as replace() would.
        for (qsizetype i = text.indexOf(from); i >= 0; i = text.indexOf(from, i + from.size()))
            std::copy(to.begin(), to.end(), text.begin() + i);
    }
    return text;
}

struct Symbol {
    char16_t code;
    char16_t ipa;
};

// The code characters the font draws as IPA symbols ASCII lacks, in the order the exports replace
// them. "2" is the 15th-edition short o, U+0252.
constexpr Symbol kSymbols[] = {
    {u'5', 0x02C8}, {u'7', 0x02CC}, {u'2', 0x0252}, {u'3', 0x025C}, {u'A', 0x00E6}, {u'T', 0x00F0},
    {u'N', 0x014B}, {u'B', 0x0251}, {u'C', 0x0254}, {u'E', 0x0259}, {u'Z', 0x025B}, {u'I', 0x026A},
    {u'F', 0x0283}, {u'J', 0x028A}, {u'Q', 0x028C}, {u'V', 0x0292}, {u'W', 0x03B8},
};

} // namespace

namespace Module1 {

QString ToOldNotation(const QString& code) {
    return applySteps(code, {{u"I", u"i"}, {u"J", u"u"}, {u"2", u"R"}, {u"3:", u"E:"}, {u"eE", u"ZE"}});
}

QString ToNewNotation(const QString& code) {
    // "U" and "2" serve as intermediate letters.
    return applySteps(code, {{u"u", u"U"},
                             {u"U:", u"u:"},
                             {u"U", u"J"},
                             {u"E:", u"3:"},
                             {u"i", u"I"},
                             {u"I:", u"i:"},
                             {u"R", u"2"},
                             {u"2:", u"R:"},
                             {u"ZE", u"eE"},
                             {u"C", u"2"},
                             {u"2I", u"CI"},
                             {u"2:", u"C:"}});
}

QString ToAmericanNotation(const QString& oldCode) {
    // The Chinese placeholders keep converted symbols away from the single-letter steps.
    return applySteps(oldCode,
                      {{u"i:", u"我"}, {u"E:", u"们"}, {u"R:", u"爱"}, {u"C:", u"爱"}, {u"u:", u"英"},
                       {u"B:", u"语"}, {u"Ci", u"音"}, {u"Ri", u"音"}, {u"ei", u"标"}, {u"iE", u"Ir"},
                       {u"uE", u"ur"}, {u"Eu", u"o"},  {u"C", u"B"},   {u"R", u"B"},   {u"i", u"I"},
                       {u"u", u"J"},   {u"e", u"Z"},   {u"我", u"i"},  {u"们", u"3"},  {u"爱", u"C"},
                       {u"英", u"u"},  {u"语", u"B"},  {u"音", u"CI"}, {u"标", u"e"}});
}

QString ToUnicodeIpa(const QString& code) {
    // Every symbol maps to one character, so replacing in place equals the sequence of whole-text
    // steps: no step's output is another step's input.
    QString out = code;
    for (QChar& c : out) {
        for (const Symbol& s : kSymbols) {
            if (c.unicode() == s.code) {
                c = QChar(s.ipa);
                break;
            }
        }
    }
    return out;
}

QString ToHtmlEntities(const QString& code) {
    // One pass per character equals the sequence of whole-text steps: an entity holds only "&", "#",
    // digits and ";", the letter steps never match it, and no digit step comes after the one for "2"
    // that could match its digits ("&#594;" holds no "3").
    QString out;
    out.reserve(code.size() * 2);
    for (const QChar c : code) {
        if (c == u'5') {
            out += u'\'';
            continue;
        }
        if (c == u'7') {
            out += u'.';
            continue;
        }
        const Symbol* hit = nullptr;
        for (const Symbol& s : kSymbols) {
            if (c.unicode() == s.code) {
                hit = &s;
                break;
            }
        }
        if (hit)
            out += QStringLiteral("&#%1;").arg(int(hit->ipa));
        else
            out += c;
    }
    return out;
}

} // namespace Module1
