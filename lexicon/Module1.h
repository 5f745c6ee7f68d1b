#pragma once

#include "lexicon/WordList.h"

#include <QString>

#include <cstdint>
#include <optional>

class MessageBox;
class ProgramExit;

// The phonetic lexicon: transcriptions in the font letter code (ASCII that the phonetic font draws as
// IPA), their notations, the word list and database lookups, suffix derivation, syllables, number
// read-out, and the annotation settings with the two run flags that every window reads.
// All of it runs on the UI thread.
namespace Module1 {

// Notations: "old" (13th edition, what the database stores), "new" (15th edition), "mei" (K.K.).
QString ToOldNotation(const QString& code);
QString ToNewNotation(const QString& code);
QString ToAmericanNotation(const QString& oldCode);
// Exports of the code: Unicode IPA characters, and text for an HTML page (numeric entities).
QString ToUnicodeIpa(const QString& code);
QString ToHtmlEntities(const QString& code);

// Word list (dictionary.txt in the program folder). A missing or unreadable file shows its message
// and ends the program through `exit`, and gives false. Adds to the list without clearing it.
[[nodiscard]] bool LoadDictionary(WordList& list, MessageBox& messageBox, ProgramExit& exit);
// Transcription (field 2) of the first entry whose key is the lower-cased word; sets
// foundWordIndex.
QString LookupPhoneticFast(const WordList& list, const QString& word);
// Meaning (field 1) of the first entry whose key is the lower-cased word, without CR and LF.
QString LookupMeaningFast(const WordList& list, const QString& word);
// Index of the last LookupPhoneticFast hit; 0 after a miss.
extern std::int32_t foundWordIndex;

// Database data.dat in the program folder. Each returns empty when the word is missing, and when
// the file is missing, locked or not a database.
QString LookupPhoneticDb(const QString& word); // unscrambled, "old" notation
QString WordExistsDb(const QString& word);     // the headword as stored
QString LookupMeaningDb(const QString& word);  // without CR and LF

// The symmetric scrambler of the stored ipa13 column (key "kzq"), on ANSI code units. The result has
// the input's length and may hold control characters, NUL included.
QString ScrambleText(const QString& text);
QString ScrambleText2(const QString& text);

// Suffix derivation of an unknown word from a known stem; empty when no stem is found.
QString DerivePhoneticFast(const WordList& list, const QString& word);
QString DerivePhoneticDb(const QString& word);
QString DeriveMeaningFast(const WordList& list, const QString& word);
QString DeriveWordDb(const QString& word);

// Syllables of a transcription in the "new" or "old" notation.
int CountSyllables(const QString& code);
// Whether the m, n or l at index i of a transcription is syllabic: next to a consonant letter at
// either end, between a consonant letter and a non-vowel in the middle. No notation conversion.
bool SyllabicConsonantAt(const QString& code, qsizetype i);

// Number read-out. Each word comes between leftBracket and rightBracket except where said.
// NormalizeNumber: empty optional when the text is not a number.
std::optional<QString> NormalizeNumber(const QString& text);
QString ReadDigit(const QString& digit);
QString ReadDigitWithZero(const QString& digit); // "0" gives the word for zero, unbracketed
QString ReadPhoneDigit(const QString& digit);    // blank, word, blank; no brackets; "0" is " Eu "
QString ReadTwoDigits(const QString& digits);
QString ReadThreeDigits(const QString& digits);

// Run flags: a batch loop goes on while its flag is true; the progress window clears them.
extern bool stopAnnotateFlag;
extern bool stopInsertFlag;

// Annotation settings, kept in canshushezhi.txt (keys canshu1 to canshu9).
extern QString phoneticSystem;   // canshu1: "new", "old", "mei"
extern QString bracketMode;      // canshu2: "/", "[", "|" (none)
extern QString wordSeparator;    // canshu3: "kongge", "huiche"
extern QString outputPlacement;  // canshu4: "dangqian", "up", "down", "self", "word1", "word2"
extern QString notationCheck;    // canshu5: "yes", "no"
extern bool useLucidaFont;       // canshu6
extern bool canshu7Flag;         // canshu7
extern QString phoneticFontName; // canshu8
extern int phoneticFontSize;     // canshu9
extern QString leftBracket;      // derived from bracketMode
extern QString rightBracket;

// Sets leftBracket and rightBracket from bracketMode: "/" "/", "[" "]", else a blank and a blank.
void DeriveBrackets();
// Reads canshushezhi.txt into the settings (values that do not convert are skipped), then applies
// the defaults and derives the brackets. A missing file leaves only the defaults.
void ReadSettings();
// Rewrites canshushezhi.txt from the settings; false when it cannot be written.
[[nodiscard]] bool WriteSettings();

} // namespace Module1
