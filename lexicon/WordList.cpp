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
    return static_cast<qsizetype>(entries.size() - before);
}

void WordList::clear() {
    entries.clear();
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
    const auto it = std::lower_bound(entries.begin(), entries.end(), lowerKey,
                                     [](const Entry& e, const QString& k) { return e.key < k; });
    if (it == entries.end() || it->key != lowerKey)
        return -1;
    return static_cast<qsizetype>(it - entries.begin());
}
