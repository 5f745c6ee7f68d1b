#include "tools/lexicon/UserEntries.h"

#include "lexicon/Module1.h"
#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/core/Vb.h"

#include <QFile>
#include <QStringDecoder>

namespace UserEntries {
namespace {

std::optional<QString> readText() {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Ansi::decode(bytes);
    return text;
}

bool hasTag(const QString& line) {
    return line.endsWith(u"old") || line.endsWith(u"new");
}

} // namespace

QString path() {
    return ProgramFolder::file(QStringLiteral("selfmake.dat"));
}

std::vector<Entry> load() {
    std::vector<Entry> entries;
    const std::optional<QString> text = readText();
    if (!text)
        return entries;
    for (const QStringView raw : QStringView(*text).tokenize(u'\n')) {
        QString line = Vb::trim(raw.endsWith(u'\r') ? raw.chopped(1).toString() : raw.toString());
        const qsizetype comma = line.indexOf(u',');
        if (line.isEmpty() || comma < 0)
            continue;
        entries.push_back({line.left(comma), line});
    }
    return entries;
}

bool append(const QString& line) {
    const std::optional<QString> old = readText();
    // A file that is there but cannot be read is never replaced by the new line alone.
    if (!old && QFile::exists(path()))
        return false;
    QString text = old.value_or(QString());
    if (!text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r'))
        text += u"\r\n";
    text += line + QStringLiteral("\r\n");
    return TextFile::writeBytes(path(), Ansi::encode(text));
}

bool rewrite(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    text += u"\r\n";
    return TextFile::writeBytes(path(), Ansi::encode(text));
}

QString wordOf(const QString& line) {
    return line.left(line.indexOf(u','));
}

QString transcriptionOf(const QString& line) {
    const qsizetype comma = line.indexOf(u',');
    const QString rest = line.mid(comma + 1);
    if (!hasTag(line))
        return rest;
    // A line too short to hold its tag after the comma has no transcription.
    return rest.left(std::max<qsizetype>(0, rest.size() - 4));
}

QString importTranscriptionOf(const QString& line) {
    const QString t = transcriptionOf(line);
    return line.endsWith(u"new") ? Module1::ToOldNotation(t) : t;
}

qsizetype sortedIndex(const QStringList& words, const QStringList& lines, const QString& word,
                      const QString& line) {
    qsizetype lo = 0;
    qsizetype hi = words.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        int c = words[mid].compare(word, Qt::CaseInsensitive);
        if (c == 0)
            c = lines[mid].compare(line, Qt::CaseInsensitive);
        if (c <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

} // namespace UserEntries
