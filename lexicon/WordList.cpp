#include "lexicon/WordList.h"

#include <algorithm>

namespace {

// Range of field `n` of the line trimmed of blanks and split at "|"; length -1 when it is missing.
void fieldRange(const QString& line, int n, qsizetype& from, qsizetype& length) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin] == u' ')
        ++begin;
    while (end > begin && line[end - 1] == u' ')
        --end;
    qsizetype start = begin;
    for (int field = 0; field < n; ++field) {
        const qsizetype bar = line.indexOf(u'|', start);
        if (bar < 0 || bar >= end) {
            from = 0;
            length = -1;
            return;
        }
        start = bar + 1;
    }
    qsizetype stop = line.indexOf(u'|', start);
    if (stop < 0 || stop > end)
        stop = end;
    from = start;
    length = stop - start;
}

} // namespace

qsizetype WordList::add(const QStringList& lines) {
    const size_t before = entries.size();
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || !line.contains(u'|'))
            continue;
        Entry e;
        e.line = line;
        e.key = line.first(equals).toLower();
        fieldRange(line, 1, e.meaningFrom, e.meaningLength);
        fieldRange(line, 2, e.phoneticFrom, e.phoneticLength);
        entries.push_back(std::move(e));
    }
    // Lines already in the list come first among equal keys, new ones in the order read.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    prefixes.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        prefixes[i] = prefixOf(entries[i].key);
    return static_cast<qsizetype>(entries.size() - before);
}

void WordList::clear() {
    entries.clear();
    prefixes.clear();
}

// Missing units pack as 0, so a key ranks after its own proper prefixes, as in the text order; keys
// with equal packed prefixes are told apart by their text.
WordList::Prefix WordList::prefixOf(const QString& key) {
    Prefix p;
    for (qsizetype i = 0; i < 8; ++i) {
        const std::uint64_t unit = i < key.size() ? key[i].unicode() : 0;
        std::uint64_t& half = i < 4 ? p.high : p.low;
        half = (half << 16) | unit;
    }
    return p;
}

QString WordList::meaning(qsizetype i) const {
    const Entry& e = entries[static_cast<size_t>(i)];
    return e.meaningLength < 0 ? QString() : e.line.sliced(e.meaningFrom, e.meaningLength);
}

QString WordList::phonetic(qsizetype i) const {
    const Entry& e = entries[static_cast<size_t>(i)];
    return e.phoneticLength < 0 ? QString() : e.line.sliced(e.phoneticFrom, e.phoneticLength);
}

qsizetype WordList::firstIndexOf(const QString& lowerKey) const {
    const Prefix wanted = prefixOf(lowerKey);
    const bool shortWord = lowerKey.size() <= 8;
    size_t low = 0;
    size_t count = entries.size();
    while (count > 0) {
        const size_t step = count / 2;
        const size_t mid = low + step;
        const auto order = prefixes[mid] <=> wanted;
        // With equal prefixes a word of at most eight units is a prefix of the key, never after it.
        if (order < 0 || (order == 0 && !shortWord && entries[mid].key < lowerKey)) {
            low = mid + 1;
            count -= step + 1;
        } else {
            count = step;
        }
    }
    if (low == entries.size() || prefixes[low] != wanted)
        return -1;
    const QString& key = entries[low].key;
    if (shortWord ? key.size() != lowerKey.size() : key != lowerKey)
        return -1;
    return static_cast<qsizetype>(low);
}
