#include "lexicon/WordList.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
    entries.reserve(before + static_cast<size_t>(lines.size()));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || !line.contains(u'|'))
            continue;
        Entry e;
        e.line = line;
        e.key = line.first(equals);
        if (std::any_of(e.key.cbegin(), e.key.cend(),
                        [](QChar c) { return c.isUpper() || c.unicode() > 0x7F; }))
            e.key = e.key.toLower();
        fieldRange(line, 1, e.meaningFrom, e.meaningLength);
        qsizetype phoneticFrom = 0;
        qsizetype phoneticLength = -1;
        fieldRange(line, 2, phoneticFrom, phoneticLength);
        if (phoneticLength >= 0)
            e.phonetic = line.sliced(phoneticFrom, phoneticLength);
        entries.push_back(std::move(e));
    }
    // Lines already in the list come first among equal keys, new ones in the order read. The shipped
    // file is sorted already, and the check is far cheaper than the sort.
    const auto byKey = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    if (!std::is_sorted(entries.begin(), entries.end(), byKey))
        std::stable_sort(entries.begin(), entries.end(), byKey);
    rebuildIndex();
    return static_cast<qsizetype>(entries.size() - before);
}

void WordList::clear() {
    entries.clear();
    table.clear();
    mask = 0;
}

QString WordList::meaning(qsizetype i) const {
    const Entry& e = entries[static_cast<size_t>(i)];
    return e.meaningLength < 0 ? QString() : e.line.sliced(e.meaningFrom, e.meaningLength);
}

QString WordList::phonetic(qsizetype i) const {
    return entries[static_cast<size_t>(i)].phonetic;
}

std::uint32_t WordList::hashOf(QStringView key) {
    // Four code units a step; the high half of the last product depends on every unit.
    constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;
    const char16_t* p = key.utf16();
    qsizetype n = key.size();
    std::uint64_t h = static_cast<std::uint64_t>(n);
    for (; n >= 4; p += 4, n -= 4) {
        std::uint64_t units;
        std::memcpy(&units, p, sizeof units);
        h = (std::rotl(h, 5) ^ units) * kOdd;
    }
    if (n > 0) {
        std::uint64_t units = 0;
        for (qsizetype i = 0; i < n; ++i)
            units |= static_cast<std::uint64_t>(p[i]) << (16 * i);
        h = (std::rotl(h, 5) ^ units) * kOdd;
    }
    return static_cast<std::uint32_t>(h >> 32);
}

void WordList::rebuildIndex() {
    std::uint32_t size = 16;
    while (size < entries.size() + entries.size() / 2)
        size *= 2;
    table = std::vector<Slot>(size);
    mask = size - 1;
    for (size_t i = 0; i < entries.size(); ++i) {
        // Equal keys are adjacent: only the first of each run gets a slot.
        if (i > 0 && entries[i].key == entries[i - 1].key)
            continue;
        const QString& key = entries[i].key;
        const std::uint32_t h = hashOf(key);
        std::uint32_t at = h & mask;
        while (table[at].index >= 0)
            at = (at + 1) & mask;
        Slot& slot = table[at];
        slot.index = static_cast<std::int32_t>(i);
        slot.hash = h;
        slot.keyLength = static_cast<std::uint16_t>(std::min<qsizetype>(key.size(), 0xFFFF));
        if (key.size() > Slot::kText)
            continue;
        std::copy_n(key.utf16(), key.size(), slot.text);
        const QString& phonetic = entries[i].phonetic;
        if (key.size() + phonetic.size() <= Slot::kText) {
            slot.phoneticLength = static_cast<std::uint16_t>(phonetic.size());
            std::copy_n(phonetic.utf16(), phonetic.size(), slot.text + key.size());
        }
    }
}

const WordList::Slot* WordList::find(QStringView key) const {
    if (table.empty())
        return nullptr;
    const std::uint32_t h = hashOf(key);
    const auto length = static_cast<size_t>(key.size());
    const auto keyLength = static_cast<std::uint16_t>(std::min<size_t>(length, 0xFFFF));
    for (std::uint32_t at = h & mask;; at = (at + 1) & mask) {
        const Slot& slot = table[at];
        if (slot.index < 0)
            return nullptr;
        if (slot.hash != h || slot.keyLength != keyLength)
            continue;
        if (length <= Slot::kText) {
            if (std::equal(key.utf16(), key.utf16() + length, slot.text))
                return &slot;
        } else if (entries[static_cast<size_t>(slot.index)].key == key) {
            return &slot;
        }
    }
}

qsizetype WordList::firstIndexOf(QStringView lowerKey) const {
    const Slot* slot = find(lowerKey);
    return slot ? slot->index : -1;
}

QString WordList::firstPhonetic(QStringView lowerKey, qsizetype& index) const {
    const Slot* slot = find(lowerKey);
    if (!slot) {
        index = -1;
        return {};
    }
    index = slot->index;
    if (slot->phoneticLength == Slot::kApart)
        return entries[static_cast<size_t>(slot->index)].phonetic;
    return QString(reinterpret_cast<const QChar*>(slot->text + slot->keyLength), slot->phoneticLength);
}
