#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The user's own entries in selfmake.dat: one "word,transcription,tag" line each, the tag "old" or
// "new". Written in the ANSI code page with CR LF; read as UTF-8 when the bytes are valid UTF-8 (a
// file edited by hand), else in the ANSI code page.
namespace UserEntries {

QString path();

struct Entry {
    QString word;
    QString line; // trimmed of blanks
};

// The entries of the file: trimmed lines holding a comma, in file order. A missing or unreadable file
// gives none.
std::vector<Entry> load();

// Adds a line at the end of the file, creating it when missing; the whole file is replaced at once,
// so a failed write leaves it as it was.
[[nodiscard]] bool append(const QString& line);
// Replaces the file by these lines, each followed by CR LF, and one more CR LF.
[[nodiscard]] bool rewrite(const QStringList& lines);

// The text before the first comma.
QString wordOf(const QString& line);
// The transcription: between the first comma and the ",old"/",new" tag, or everything after the
// comma when the line carries no tag.
QString transcriptionOf(const QString& line);
// The transcription as the import writes it: tagged "new" lines converted to the "old" notation.
QString importTranscriptionOf(const QString& line);

// Where an entry goes in the two lists kept in step: ordered by word without regard to case, then by
// line, after equal ones.
qsizetype sortedIndex(const QStringList& words, const QStringList& lines, const QString& word,
                      const QString& line);

} // namespace UserEntries
