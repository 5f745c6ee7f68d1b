#pragma once

#include "annotation/ScanVariant.h"

#include <QList>
#include <QString>
#include <QStringList>

class EventYield;
class ProgressReporter;
class WordList;

namespace Recognition {

// At a word past this many queued ones recognition stops as after a first stop click.
constexpr qsizetype kMaxQueued = 1'000'000;

// The text a run scans: the document's text with two blanks appended, so a word at the very end is
// followed by a non-letter.
QString scannedText(const QString& documentText);

// Recognition stage of the inline and appended layouts: scans the text, looks every word up through
// the variant's chain, converts it to the chosen notation, and queues each found transcription with
// the 1-based end position of its word. Polls the recognition run flag; reports progress and
// yields at every position. Returns false when the text had more words than kMaxQueued.
bool run(const QString& scanned, const ScanVariant& variant, const WordList& list,
         QStringList& transcriptions, QList<int>& ends, ProgressReporter& progress, EventYield& yield);

} // namespace Recognition
