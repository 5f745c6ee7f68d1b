#pragma once

#include "platform/richtext/FormattedText.h"

class QTextCursor;
class QTextDocument;

// Conversion between a Qt text document and formatted runs.
namespace DocumentRuns {

// Every block's text in its character formats, blocks separated by '\n'; attributes the text does not
// set itself are left to the base font.
FormattedText read(const QTextDocument& document);

// Inserts the runs at the cursor, each in its own format.
void insert(QTextCursor& cursor, const FormattedText& runs);

} // namespace DocumentRuns
