#pragma once

#include <QString>

#include <functional>

class RichTextBox;

// Searches of table `word` by spelling or by sound. Each hit goes to `hit` (word, transcription in
// the chosen notation); after each row `next` runs and ends the search when it returns false. The
// search also ends when the hits reach `limit`. False when data.dat cannot be read.
namespace LexiconSearch {

struct Options {
    bool fuzzy = true;
    bool ed15 = true; // the 15th-edition notation, else the 13th
    int limit = 4;
};
using Hit = std::function<void(const QString& word, const QString& transcription)>;
using Next = std::function<bool()>;

// By spelling: the key lower-cased and trimmed; fuzzy matches any part of the word.
bool bySpelling(const QString& key, const Options& options, const Hit& hit, const Next& next);
// By sound over the whole table: both the stored and the typed transcription in the chosen notation;
// fuzzy matches any part of the transcription.
bool bySound(const QString& typed, const Options& options, const Hit& hit, const Next& next);

// Types a hit at the editor's caret: the word and five blanks in Times New Roman 14 black, then the
// transcription and a line break in the phonetic font 14 blue.
void typeHit(RichTextBox& editor, const QString& word, const QString& transcription);

} // namespace LexiconSearch
