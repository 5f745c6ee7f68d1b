#pragma once

#include <QString>
#include <QStringList>

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
    qsizetype firstIndexOf(const QString& lowerKey) const;

private:
    struct Entry {
        QString line;
        QString key;
        qsizetype meaningFrom = 0;
        qsizetype meaningLength = -1;
        qsizetype phoneticFrom = 0;
        qsizetype phoneticLength = -1;
    };
    std::vector<Entry> entries;
};
