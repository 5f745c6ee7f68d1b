#pragma once

#include <QString>

class WordList;

namespace SelectedWord {

// The message that refuses a selection, empty when the selection may be annotated: nothing but
// blanks selected, or a character outside letters, digits, full stop and apostrophe among the first
// n characters (n the length of the selection with blanks trimmed).
struct Refusal {
    QString prompt;
    int style = 0;
};
Refusal check(const QString& selection);

// The text written after the selection: brackets around the transcription in the given notation (two
// blanks when none is known), then the separator.
QString annotation(const QString& selection, const WordList& list, QString (*notation)(const QString&));

} // namespace SelectedWord
