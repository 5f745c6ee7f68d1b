#include "lexicon/LineBreaks.h"
#include "lexicon/Module1.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/Vb.h"
#include "platform/database/Database.h"

#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace {

enum Query { PhoneticQuery, ExistsQuery, MeaningQuery, QueryCount };

// The read connection to data.dat, kept between lookups with its prepared statements. Each
// statement is reset after use, so no read transaction stays open and the next lookup sees every
// write committed through another connection. A data.dat replaced by another file (a new inode) or
// moved program folder opens a new connection.
//
// Answers are remembered while the file's change counter stays the same: every commit to a
// rollback-journal database raises it, so a remembered answer is never older than the last write.
// A database in WAL mode does not keep the counter, and is asked every time.
class ReadConnection {
public:
    ~ReadConnection() { close(); }

    Statement* statement(Query query) {
        const QString path = ProgramFolder::file(QStringLiteral("data.dat"));
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
            close();
            return nullptr;
        }
        if (!db || path != openPath || info.st_dev != device || info.st_ino != inode) {
            close();
            db = Database::open(path, Database::Mode::ReadOnly);
            if (!db)
                return nullptr;
            header = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
            // A write under way through another connection (the entries dialog) is waited for
            // briefly rather than taken as a missing word.
            db->setBusyTimeout(1000);
            // Pages are read through a memory map and stay cached between lookups; a commit by
            // another connection still empties the cache at the next read.
            db->execute(QStringLiteral("PRAGMA mmap_size=268435456"));
            db->execute(QStringLiteral("PRAGMA cache_size=-65536"));
            openPath = path;
            device = info.st_dev;
            inode = info.st_ino;
        }
        checkChangeCounter();
        std::optional<Statement>& stmt = statements[query];
        if (!stmt) {
            stmt = db->prepare(sql(query));
            if (!stmt) {
                // Not a database, or without the lexicon's tables.
                close();
                return nullptr;
            }
        }
        return &*stmt;
    }

    void close() {
        for (auto& stmt : statements)
            stmt.reset();
        db.reset();
        if (header >= 0)
            ::close(header);
        header = -1;
        forgetAnswers();
    }

    const QString* remembered(Query query, const QString& word) const {
        const auto it = answers[query].constFind(word);
        return it == answers[query].constEnd() ? nullptr : &*it;
    }

    void remember(Query query, const QString& word, const QString& answer) {
        if (!counterKnown)
            return;
        if (answers[query].size() >= kMaxAnswers)
            answers[query].clear();
        answers[query].insert(word, answer);
    }

private:
    static constexpr qsizetype kMaxAnswers = 200000;

    // Bytes 24-27 of the header count the commits; bytes 18-19 are 2 in WAL mode.
    void checkChangeCounter() {
        unsigned char bytes[28];
        const bool read = header >= 0 && ::pread(header, bytes, sizeof bytes, 0) == sizeof bytes &&
                          bytes[18] == 1 && bytes[19] == 1;
        const quint32 counter = read ? (quint32(bytes[24]) << 24) | (quint32(bytes[25]) << 16) |
                                           (quint32(bytes[26]) << 8) | quint32(bytes[27])
                                     : 0;
        if (!read || !counterKnown || counter != changeCounter)
            forgetAnswers();
        counterKnown = read;
        changeCounter = counter;
    }

    void forgetAnswers() {
        for (auto& known : answers)
            known.clear();
        counterKnown = false;
    }

    static QString sql(Query query) {
        static constexpr const char16_t* kSql[QueryCount] = {
            u"select ipa13 from word where word=?",
            u"select word from word where word=?",
            u"select word,sjieshi from wordqj where word=?",
        };
        return QString::fromUtf16(kSql[query]);
    }

    std::optional<Statement> statements[QueryCount];
    QHash<QString, QString> answers[QueryCount];
    std::unique_ptr<Database> db;
    int header = -1;
    quint32 changeCounter = 0;
    bool counterKnown = false;
    QString openPath;
    dev_t device = 0;
    ino_t inode = 0;
};

ReadConnection& readConnection() {
    static ReadConnection connection;
    return connection;
}

// The first non-empty value of `column` among the rows of `query` for `word`, after `transform`.
template <typename Transform>
QString firstNonEmpty(Query query, const QString& word, int column, Transform transform) {
    ReadConnection& connection = readConnection();
    Statement* stmt = connection.statement(query);
    if (!stmt)
        return {};
    if (const QString* answer = connection.remembered(query, word))
        return *answer;
    stmt->reset();
    stmt->bind(1, word);
    QString result;
    while (stmt->next()) {
        result = transform(stmt->text(column));
        if (!result.isEmpty())
            break;
    }
    const bool failed = stmt->error();
    stmt->reset();
    if (failed) {
        // Locked or damaged: nothing this time, and a fresh connection next time.
        connection.close();
        return {};
    }
    connection.remember(query, word, result);
    return result;
}

QString preparedWord(const QString& word) {
    QString w = Vb::trim(word).toLower();
    w.remove(u' ');
    return w;
}

// The word of the transcription lookups: without one leading apostrophe; empty optional for a
// word that is only an apostrophe then, which is never looked up.
std::optional<QString> preparedHeadword(const QString& word) {
    QString w = preparedWord(word);
    if (w.startsWith(u'\''))
        w.remove(0, 1);
    if (w == u"'")
        return std::nullopt;
    return w;
}

} // namespace

namespace Module1 {

QString LookupPhoneticDb(const QString& word) {
    const auto w = preparedHeadword(word);
    if (!w)
        return {};
    return firstNonEmpty(PhoneticQuery, *w, 0, [](const QString& v) { return ScrambleText(v); });
}

QString WordExistsDb(const QString& word) {
    const auto w = preparedHeadword(word);
    if (!w)
        return {};
    return firstNonEmpty(ExistsQuery, *w, 0, [](const QString& v) { return v; });
}

QString LookupMeaningDb(const QString& word) {
    return withoutLineBreaks(
        firstNonEmpty(MeaningQuery, preparedWord(word), 1, [](const QString& v) { return v; }));
}

} // namespace Module1
