// Builds the program folder's lexicon files from the committed lexicon.tsv:
//   dictionary.txt  the word list (GB18030, CR LF), the entries marked for it, sorted by key
//   data.dat        every headword: table word (ipa13 scrambled) and table wordqj
// Usage: lexicon_build <lexicon.tsv> <output folder>

#include "lexicon/LexiconTables.h"
#include "lexicon/Module1.h"
#include "platform/core/TextFile.h"
#include "platform/database/Database.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Entry {
    QString word;
    QString transcription;
    bool inWordList = false;
    QString meaning;
};

// One entry per line: word TAB transcription TAB 0/1 TAB meaning; "#" starts a comment.
std::optional<std::vector<Entry>> readLexicon(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<Entry> entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 4 || fields[0].isEmpty()) {
            std::fprintf(stderr, "lexicon_build: skipping malformed line: %s\n", qPrintable(line));
            continue;
        }
        entries.push_back({fields[0], fields[1], fields[2] == u"1", fields[3]});
    }
    return entries;
}

// The word list's binary search compares lower-cased keys code unit by code unit.
bool writeWordList(const QString& path, std::vector<Entry> entries) {
    std::erase_if(entries, [](const Entry& e) { return !e.inWordList; });
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.word.toLower() < b.word.toLower(); });
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const Entry& e : entries)
        lines << e.word + QStringLiteral("=|") + e.meaning + u'|' + e.transcription;
    return TextFile::writeAnsiLines(path, lines);
}

bool fillDatabase(Database& db, const std::vector<Entry>& entries) {
    if (!createLexiconTables(db))
        return false;
    Transaction transaction(db);
    auto addWord = db.prepare(QStringLiteral("insert into word (word, ipa13) values (?, ?)"));
    auto addMeaning = db.prepare(QStringLiteral("insert into wordqj (word, sjieshi) values (?, ?)"));
    if (!transaction.active() || !addWord || !addMeaning)
        return false;
    for (const Entry& e : entries) {
        addWord->bindAll({e.word, Module1::ScrambleText(e.transcription)});
        addWord->next();
        addMeaning->bindAll({e.word, e.meaning});
        addMeaning->next();
        if (addWord->error() || addMeaning->error())
            return false;
        addWord->reset();
        addMeaning->reset();
    }
    return transaction.commit();
}

// Builds beside the target and renames over it, so a failed build leaves the old file.
bool writeDatabase(const QString& path, const std::vector<Entry>& entries) {
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    bool filled = false;
    if (auto db = Database::open(partial, Database::Mode::Create))
        filled = fillDatabase(*db, entries);
    if (filled && (!QFile::exists(path) || QFile::remove(path)) && QFile::rename(partial, path))
        return true;
    QFile::remove(partial);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lexicon_build <lexicon.tsv> <output folder>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const auto entries = readLexicon(source);
    if (!entries || entries->empty()) {
        std::fprintf(stderr, "lexicon_build: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!writeWordList(output.filePath(QStringLiteral("dictionary.txt")), *entries)) {
        std::fprintf(stderr, "lexicon_build: cannot write dictionary.txt\n");
        return 1;
    }
    if (!writeDatabase(output.filePath(QStringLiteral("data.dat")), *entries)) {
        std::fprintf(stderr, "lexicon_build: cannot write data.dat\n");
        return 1;
    }
    return 0;
}
