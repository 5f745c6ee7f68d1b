#pragma once

#include "platform/word/WordDocument.h"

#include <QByteArray>
#include <QString>

// The document as WordprocessingML: one paragraph per line, each field a complex field whose code
// keeps the formats of its characters and whose result is written as it was last updated (a stacked
// result as a ruby, first line above). Every format but the default is the character style "F"
// followed by its index in the font table.
QByteArray documentXml(const WordDocument& document);

// The character styles that documentXml refers to.
QByteArray stylesXml(const WordDocument& document);

// Writes an OOXML package (.docx) holding the document; on failure returns false and says why.
bool writeDocx(const WordDocument& document, const QString& path, QString* error = nullptr);
