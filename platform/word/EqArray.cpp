#include "platform/word/EqArray.h"

namespace {

struct Flat {
    QString text;
    std::vector<int> fonts;
};

Flat flatten(const std::vector<WordRun>& runs) {
    Flat flat;
    for (const WordRun& run : runs) {
        flat.text += run.text;
        flat.fonts.insert(flat.fonts.end(), std::size_t(run.text.size()), run.font);
    }
    return flat;
}

void append(std::vector<WordRun>& runs, QChar c, int font) {
    if (runs.empty() || runs.back().font != font)
        runs.push_back({QString(), font});
    runs.back().text += c;
}

void skipBlanks(const QString& s, qsizetype& i) {
    while (i < s.size() && s[i] == u' ')
        ++i;
}

bool takeWord(const QString& s, qsizetype& i, QStringView word) {
    if (s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    i += word.size();
    return true;
}

} // namespace

std::optional<std::vector<std::vector<WordRun>>> parseEqArray(const std::vector<WordRun>& code) {
    const Flat flat = flatten(code);
    const QString& s = flat.text;
    qsizetype i = 0;
    skipBlanks(s, i);
    if (!takeWord(s, i, u"eq") || i >= s.size() || s[i] != u' ')
        return std::nullopt;
    skipBlanks(s, i);
    if (!takeWord(s, i, u"\\a") || i >= s.size() || (s[i] != u'(' && s[i] != u' ' && s[i] != u'\\'))
        return std::nullopt;
    // Layout switches of the array (\al, \co2, \vs3, ...) do not change what is stacked.
    while (i < s.size() && s[i] != u'(') {
        if (s[i] != u' ' && s[i] != u'\\' && !s[i].isLetterOrNumber())
            return std::nullopt;
        ++i;
    }
    if (i >= s.size())
        return std::nullopt;
    ++i;

    std::vector<std::vector<WordRun>> elements(1);
    int depth = 0;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        const int font = flat.fonts[std::size_t(i)];
        if (c == u'\\' && i + 1 < s.size()) {
            ++i;
            append(elements.back(), s[i], flat.fonts[std::size_t(i)]);
        } else if (c == u'(') {
            ++depth;
            append(elements.back(), c, font);
        } else if (c == u')' && depth > 0) {
            --depth;
            append(elements.back(), c, font);
        } else if (c == u')') {
            break;
        } else if (c == u',' && depth == 0) {
            elements.emplace_back();
        } else {
            append(elements.back(), c, font);
        }
    }
    if (i >= s.size())
        return std::nullopt;
    ++i;
    skipBlanks(s, i);
    if (i != s.size())
        return std::nullopt;
    return elements;
}
