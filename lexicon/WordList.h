#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The in-memory word list: lines of the form key=...|meaning|transcription, kept whole and ordered by
// their lower-cased key (code units compared one by one), the order the binary search needs. Lines
// with equal keys keep the order in which they were added.
class WordList {
public:
    // Adds the lines that hold both "=" and "|"; others are skipped. Returns how many were added.
    qsizetype add(const QStringList& lines);
    void clear();

    qsizetype count() const { return static_cast<qsizetype>(entries.size()); }
    bool isEmpty() const { return entries.empty(); }
    // Entry i as it was read (untrimmed). i must be in [0, count()).
    const QString& item(qsizetype i) const { return entries[static_cast<size_t>(i)].line; }
    // Lower-cased text of entry i before its first "=".
    const QString& key(qsizetype i) const { return entries[static_cast<size_t>(i)].key; }
    // Field 1 (meaning) and field 2 (transcription) of the trimmed entry split at "|"; empty when the
    // entry has no such field.
    QString meaning(qsizetype i) const;
    QString phonetic(qsizetype i) const;

    // Index of the first entry whose key equals `lowerKey`, or -1.
    qsizetype firstIndexOf(QStringView lowerKey) const;
    // The transcription of that entry, and its index (-1 when there is none).
    QString firstPhonetic(QStringView lowerKey, qsizetype& index) const;

private:
    struct Entry {
        QString line;
        QString key;
        qsizetype meaningFrom = 0;
        qsizetype meaningLength = -1;
        // Kept whole; lookups read it where the slot cannot hold it.
        QString phonetic;
    };
    // One slot per key, open addressing, one cache line each. The key and its transcription are
    // kept in the slot where both fit, so a lookup reads nothing else; otherwise the entry holds them.
    struct alignas(64) Slot {
        static constexpr int kText = 26;
        static constexpr std::uint16_t kApart = 0xFFFF; // transcription not in the slot
        std::int32_t index = -1;                        // first entry with the key; -1: empty slot
        std::uint32_t hash = 0;
        std::uint16_t keyLength = 0;
        std::uint16_t phoneticLength = kApart;
        char16_t text[kText] = {};
    };
    static_assert(sizeof(Slot) == 64);

    static std::uint32_t hashOf(QStringView key);
    const Slot* find(QStringView key) const;
    void rebuildIndex();

    std::vector<Entry> entries;
    std::vector<Slot> table;
    std::uint32_t mask = 0;
};
