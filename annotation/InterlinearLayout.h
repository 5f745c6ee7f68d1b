#pragma once

#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "platform/core/EventYield.h"

#include <QString>
#include <QStringList>

class RichTextBox;
class WordList;

namespace InterlinearLayout {

// Past this many text lines a document is too big for one run.
constexpr qsizetype kMaxLines = 1'000'000;

// What the lines of one run share: the lookup cache, the progress figure and the yield throttle,
// which must outlive a line for a stop click to be seen while the lines are built.
struct Run {
    Run(const WordList& list, ProgressSink& sink);
    CachedLookup lookup;
    ProgressReporter progress;
    EventYield events;
};

// The text lines of a run from the lines of the saved document: blank lines dropped, five blanks
// appended to the others. At most kMaxLines; `tooMany` tells whether lines were left out.
QStringList textLines(const QStringList& savedLines, bool& tooMany);

// The transcription line of one text line: a blank for each non-letter, the bracketed transcription
// (padded to the word's length, two blanks when unknown) and two blanks for each word, after one
// leading blank. Hyphens are removed first, so "well-known" is one word. A cleared recognition flag
// ends the line at once.
QString transcriptionLine(const QString& line, CachedLookup& lookup, ProgressReporter& progress,
                          EventYield& yield);

// Replaces the document by the line pairs: the transcription line above its text line ("up") or
// below it.
void rebuild(RichTextBox& editor, const QStringList& text, const QStringList& phonetic, bool up,
             int phoneticColor);

// The page body of the line pairs, in the same order as the document.
QString pageBody(const QStringList& text, const QStringList& phonetic, bool up);

} // namespace InterlinearLayout
