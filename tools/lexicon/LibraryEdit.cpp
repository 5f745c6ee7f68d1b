#include "tools/lexicon/LibraryEdit.h"

#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/database/Database.h"
#include "tools/lexicon/UserEntries.h"

namespace LibraryEdit {
namespace {

constexpr int kBusyMs = 3000;

std::unique_ptr<Database> openLibrary(Database::Mode mode) {
    auto db = Database::open(ProgramFolder::file(QStringLiteral("data.dat")), mode);
    if (db)
        db->setBusyTimeout(kBusyMs);
    return db;
}

// The rowid of the word's first row, 0 when there is none; empty optional on failure.
std::optional<qint64> firstRow(Statement& select, const QString& word) {
    select.reset();
    select.bind(1, word);
    const qint64 id = select.next() ? select.integer(0) : 0;
    const bool failed = select.error();
    select.reset();
    if (failed)
        return std::nullopt;
    return id;
}

} // namespace

std::optional<QString> lookup(const QString& word) {
    auto db = openLibrary(Database::Mode::ReadOnly);
    if (!db)
        return std::nullopt;
    auto select = db->prepare(QStringLiteral("select ipa13 from word where word=?"));
    if (!select)
        return std::nullopt;
    select->bind(1, word);
    QString result;
    while (select->next()) {
        result = Module1::ScrambleText(select->text(0));
        if (!result.isEmpty())
            break;
    }
    if (select->error())
        return std::nullopt;
    return result;
}

Change modify(const QString& word, const QString& transcription) {
    auto db = openLibrary(Database::Mode::ReadWrite);
    if (!db)
        return Change::Failed;
    auto select = db->prepare(QStringLiteral("select rowid from word where word=?"));
    if (!select)
        return Change::Failed;
    const std::optional<qint64> id = firstRow(*select, word);
    if (!id)
        return Change::Failed;
    if (*id == 0)
        return Change::Missing;
    const auto changed = db->execute(QStringLiteral("update word set ipa13=? where rowid=?"),
                                     {Module1::ScrambleText(transcription), *id});
    return changed == 1 ? Change::Done : Change::Failed;
}

Change remove(const QString& word) {
    auto db = openLibrary(Database::Mode::ReadWrite);
    if (!db)
        return Change::Failed;
    return db->execute(QStringLiteral("delete from word where word=?"), {word}) ? Change::Done
                                                                                : Change::Failed;
}

ImportResult import(const QStringList& lines, bool replace, const std::function<void(const QString&)>& step) {
    ImportResult result;
    result.entries = static_cast<int>(lines.size());
    auto db = openLibrary(Database::Mode::ReadWrite);
    if (!db)
        return result;
    Transaction transaction(*db);
    auto select = db->prepare(QStringLiteral("select rowid from word where word=?"));
    auto update = db->prepare(QStringLiteral("update word set ipa13=? where rowid=?"));
    auto insert = db->prepare(QStringLiteral("insert into word (word, ipa13) values (?, ?)"));
    if (!transaction.active() || !select || !update || !insert)
        return result;
    for (const QString& line : lines) {
        const QString word = UserEntries::wordOf(line);
        const QString stored = Module1::ScrambleText(UserEntries::importTranscriptionOf(line));
        const std::optional<qint64> id = firstRow(*select, word);
        if (!id)
            return result;
        Statement* write = nullptr;
        if (*id != 0) {
            ++result.duplicates;
            if (replace) {
                update->bindAll({stored, *id});
                write = &*update;
            }
        } else {
            ++result.additions;
            insert->bindAll({word, stored});
            write = &*insert;
        }
        if (write) {
            while (write->next()) {
            }
            const bool failed = write->error();
            write->reset();
            if (failed)
                return result;
        }
        if (step)
            step(word);
    }
    result.ok = transaction.commit();
    return result;
}

} // namespace LibraryEdit
