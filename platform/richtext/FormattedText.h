#pragma once

#include <QString>

#include <optional>
#include <vector>

// Character attributes of a stretch of text, independent of any editor.
struct CharFormat {
    QString fontName;         // empty: the document's base font
    double fontSize = 0;      // points; 0: the document's base size
    std::optional<int> color; // platform colour value (blue-green-red); none: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;

    bool operator==(const CharFormat&) const = default;
};

// Text in one format; '\n' separates paragraphs.
struct TextRun {
    QString text;
    CharFormat format;

    bool operator==(const TextRun&) const = default;
};

using FormattedText = std::vector<TextRun>;

// Appends text in a format, extending the last run when the format is the same.
inline void appendRun(FormattedText& runs, const QString& text, const CharFormat& format) {
    if (text.isEmpty())
        return;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({text, format});
}
