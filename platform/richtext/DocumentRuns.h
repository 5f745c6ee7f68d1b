#pragma once

#include "platform/richtext/FormattedText.h"

class QString;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

// Conversion between a Qt text document and formatted runs.
namespace DocumentRuns {

// Every block's text in its character formats, blocks separated by '\n'; attributes the text does not
// set itself are left to the base font.
FormattedText read(const QTextDocument& document);

// Sets the font family of a character format in the form that keeps format look-ups fast.
void setFamily(QTextCharFormat& format, const QString& name);

// Inserts the runs at the cursor, each in its own format.
void insert(QTextCursor& cursor, const FormattedText& runs);

} // namespace DocumentRuns
