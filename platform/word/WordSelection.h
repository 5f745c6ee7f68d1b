#pragma once

#include "platform/word/WordDocument.h"

// The selection of a document: an anchor and an active end that moves. Counts are characters, field
// marks included.
class WordSelection {
public:
    explicit WordSelection(WordDocument& document) : doc(document) {}

    WordRange range() const;

    // Replaces the selection by the text and leaves an insertion point after it; false when the
    // selection holds a field mark.
    bool typeText(const QString& text);
    // Without extend a selection first collapses to its left (right) end, which uses up one count.
    void moveLeft(int count, bool extend = false);
    void moveRight(int count, bool extend = false);

    // Fields.Add with the selection's range and an empty field: the range is replaced by the field
    // and the insertion point stands inside its code. False when no field can be made there.
    bool addEmptyField();
    // Fields.Update on the fields of the selection.
    void updateFields();

    void setFontName(const QString& name);
    // False for a size outside the 1 to 1638 points a document can hold.
    bool setFontSize(double points);
    void setFontColor(int bgr);

private:
    void collapseTo(int pos);

    WordDocument& doc;
    int anchor = 0;
    int active = 0;
};
