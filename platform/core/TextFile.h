#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program, in the ANSI code page, and the one safe way to read and write a file whole.
namespace TextFile {

// The file's bytes, or nullopt when it cannot be opened or a read fails or ends short of the file's
// size, so that a damaged medium never passes for a complete file.
[[nodiscard]] std::optional<QByteArray> readBytes(const QString& path);

// The file's lines, split at CR LF, CR or LF as a line input does; empty when it cannot be read whole.
// A final line break does not start an empty last line.
[[nodiscard]] std::optional<QStringList> readAnsiLines(const QString& path);

// Writes every line followed by CR LF, through a temporary file renamed over the target, so a
// failed write leaves the old file as it was. Returns false on failure.
[[nodiscard]] bool writeAnsiLines(const QString& path, const QStringList& lines);

// Writes raw bytes the same safe way. Every byte reaches the file system before the rename, so a
// full disk fails the write instead of leaving an empty file in the target's place.
[[nodiscard]] bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace TextFile
