#pragma once

#include <QString>

class EventYield;
class ProgressReporter;
class WordApplication;
class WordList;

namespace WordExport {

// The note typed at the top of the document.
QString note();

struct Written {
    int fields = 0;
    bool tooMany = false; // the text has more words than Recognition::kMaxQueued; the rest is left out
};

// Types the text into the application's document, every word as an equation field that stacks its
// transcription above the word (transcriptionAbove) or below it, every other character as it is.
// Ends early when the recognition flag is cleared, or before a word past the limit.
Written run(WordApplication& word, const QString& scanned, bool transcriptionAbove, const WordList& list,
            ProgressReporter& progress, EventYield& yield);

} // namespace WordExport
