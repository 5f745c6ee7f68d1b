#pragma once

#include <QString>

#include <array>

// One half of the lexicon a lookup chain asks.
enum class LexiconSource { WordList, Database, DeriveWordList, DeriveDatabase };

// How a layout cuts words out of the text and asks the lexicon for them. Each layout picks its row of
// ScanVariants; nothing else differs between the scans.
struct ScanVariant {
    int window;      // W: a window from position i covers i to i + W
    bool apostrophe; // the apostrophe counts as a letter
    bool lowerCase;  // the word is trimmed and lower-cased before the lookups, else passed as written
    std::array<LexiconSource, 4> chain; // asked in this order while the result is empty
    // True: the run flag is tested once per position, before the progress, and a cleared flag ends
    // the scan. False: it is tested at every window step (no word is cut once it is cleared) and
    // again before the lookups, and the scan walks on to the end of the text.
    bool stopEndsScan;
    bool yieldPerLetter; // also yields after every letter inside a window
    QString progressText;
};

namespace ScanVariants {
// Transcription after each word.
const ScanVariant& Inline();
// All transcriptions after the text.
const ScanVariant& Appended();
// The transcription line above or below each text line.
const ScanVariant& TranscriptionLine();
// The selected word: no scan, only the lookup chain and the lower-casing apply.
const ScanVariant& SelectedWord();
} // namespace ScanVariants
