#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ProgressReporter;
class RichTextBox;

// The transcription written right after each word: the run format and the text around it.
struct InlineStyle {
    QString fontName;
    int color = 0; // platform colour value
    double size = 0;
    QString leftBracket;
    QString rightBracket;
    QString separator;

    // From the settings and the phonetic colour; the separator is CR LF for "huiche", else a blank.
    static InlineStyle fromSettings(int phoneticColor);
};

namespace InlineLayout {

// Inserts the queued transcriptions after their words, from the last to the first so that every
// earlier position stays valid, in one edit block. Polls the insertion run flag before each entry.
void insert(RichTextBox& editor, const QStringList& transcriptions, const QList<int>& ends,
            const InlineStyle& style, ProgressReporter& progress);

// The page body: the scanned text with, after each queued word, the transcription as HTML entities
// in a "pronounce1" span.
QString pageBody(const QString& scanned, const QStringList& transcriptions, const QList<int>& ends,
                 const InlineStyle& style);

} // namespace InlineLayout
