#include "platform/core/TextFile.h"

#include "platform/core/Ansi.h"

#include <QFile>
#include <QSaveFile>

namespace TextFile {

std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    // A read error after some data leaves readAll's result cut short without an error, so the length
    // is checked too (files that report no size, as in /proc, read until their end).
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (!file.isSequential() && bytes.size() < file.size())
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> readAnsiLines(const QString& path) {
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    const QString text = Ansi::decode(*bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A small write only fills Qt's buffer; commit() would not notice that flushing it failed.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeAnsiLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return writeBytes(path, Ansi::encode(text));
}

} // namespace TextFile
