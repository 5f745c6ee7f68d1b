#pragma once

#include <QString>
#include <QStringList>

class EventYield;
class ProgressReporter;
class RichTextBox;
struct InlineStyle;

namespace AppendedLayout {

// Entries of one paragraph of the appended list.
constexpr qsizetype kEntriesPerParagraph = 100;

// Appends a line break at the end of the document and then every queued transcription, in queue
// order, in the phonetic format, each followed by the separator, or by a line break where it ends a
// paragraph. Polls the insertion run flag before each entry and yields after it.
void append(RichTextBox& editor, const QStringList& transcriptions, const InlineStyle& style,
            ProgressReporter& progress, EventYield& yield);

// The page body: the scanned text with its line breaks as <br>, a rule, then the transcriptions in one
// span (HTML entities in the Unicode font unless the phonetic font shows them).
QString pageBody(const QString& scanned, const QStringList& transcriptions, const InlineStyle& style);

} // namespace AppendedLayout
