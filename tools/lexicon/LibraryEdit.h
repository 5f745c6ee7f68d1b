#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Writes and reads of table `word` in data.dat for the entries dialog. Every statement binds its
// values; transcriptions are stored through the column scrambler.
namespace LibraryEdit {

// The first non-empty stored transcription of the word (unscrambled, as stored); empty when the table
// lacks it; empty optional when data.dat cannot be read.
std::optional<QString> lookup(const QString& word);

enum class Change { Done, Missing, Failed };
// Overwrites the transcription of the word's first row.
[[nodiscard]] Change modify(const QString& word, const QString& transcription);
// Deletes every row of the word (Done also when none matched).
[[nodiscard]] Change remove(const QString& word);

struct ImportResult {
    bool ok = false;
    int duplicates = 0; // replaced (replace) or left alone
    int additions = 0;
    int entries = 0;
};
// Writes the entry lines in one transaction: a word the table holds gets the entry's transcription
// when `replace`, else is left; others are added. Any failure rolls everything back. `step` runs
// after each entry with its word.
ImportResult import(const QStringList& lines, bool replace, const std::function<void(const QString&)>& step);

} // namespace LibraryEdit
