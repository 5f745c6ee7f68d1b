#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// Character format of a run; unset parts take the document's defaults.
struct WordFont {
    QString name;
    int halfPoints = 0;       // size in half points; 0 is the default size
    std::optional<int> color; // colour value, blue-green-red
    bool operator==(const WordFont&) const = default;
};

// A span of positions: start inclusive, end exclusive.
struct WordRange {
    int start = 0;
    int end = 0;
};

// Text in one format; the format is an index into the document's font table.
struct WordRun {
    QString text;
    int font = 0;
    bool operator==(const WordRun&) const = default;
};

// What a field shows when its code is hidden: a stack of two lines, the first above the second.
struct WordFieldResult {
    bool stacked = false;
    std::vector<WordRun> top;
    std::vector<WordRun> bottom;
};

// A document as Word counts its positions with field codes shown: each character is one position,
// and so are the begin and end marks of a field; the code of a field lies between its marks.
class WordDocument {
public:
    enum class Kind : quint8 { Text, FieldBegin, FieldEnd };
    struct Cell {
        char16_t ch;
        Kind kind;
        quint8 depth;  // number of fields around the cell
        quint32 value; // Text: font index; marks: field number
    };
    struct FieldInfo {
        QString code;
        std::vector<WordRun> codeRuns;
        WordFieldResult result;
    };

    // Begin and end marks as they appear in text(), as Word writes them.
    static constexpr char16_t kBeginMark = 0x13;
    static constexpr char16_t kEndMark = 0x15;

    WordDocument();

    int length() const { return int(content.size()); }
    const std::vector<Cell>& cells() const { return content; }
    const WordFont& font(int index) const { return fontTable[std::size_t(index)]; }
    // Formats in the font table; index 0 is the default format.
    int fontCount() const { return int(fontTable.size()); }
    const WordFieldResult& fieldResult(int field) const { return results[std::size_t(field)]; }

    // The characters of a range, field marks included.
    QString text(WordRange range) const;
    // Every field in the order of its begin mark, nested ones included.
    std::vector<FieldInfo> fields() const;

    // Replaces the range by text in the format of the character before it inside the same code, or
    // the default format; returns the position after the text. Empty when the range holds a field mark.
    std::optional<int> replaceText(WordRange range, QStringView text);
    // Replaces the range by an empty field and returns the position inside its code; empty when the
    // range crosses a field mark or fields would nest too deep.
    std::optional<int> insertEmptyField(WordRange range);
    // Changes the format of the characters in the range; field marks keep theirs.
    void changeFont(WordRange range, const std::function<void(WordFont&)>& change);
    // Recomputes the results of the fields that the range touches: fields with a mark inside it or
    // right beside it, and the fields around it.
    void updateFields(WordRange range);

private:
    int depthAt(int pos) const;
    int fontIndex(const WordFont& f);
    int matchingEnd(int begin) const;
    std::vector<WordRun> runsOf(int from, int to) const;
    void updateField(int begin);

    std::vector<Cell> content;
    std::vector<WordFont> fontTable;
    std::vector<WordFieldResult> results;
};
