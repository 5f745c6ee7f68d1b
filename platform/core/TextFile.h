#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program, in the ANSI code page.
namespace TextFile {

// The file's lines, split at CR LF, CR or LF as a line input does; empty when it cannot be read.
// A final line break does not start an empty last line.
std::optional<QStringList> readAnsiLines(const QString& path);

// Writes every line followed by CR LF, through a temporary file renamed over the target, so a
// failed write leaves the old file as it was. Returns false on failure.
bool writeAnsiLines(const QString& path, const QStringList& lines);

// Writes raw bytes the same safe way.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace TextFile
