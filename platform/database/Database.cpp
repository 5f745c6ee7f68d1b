#include "platform/database/Database.h"

#include <sqlite3.h>

#include <QFileInfo>

namespace {

QString fromUtf16(const void* data, int bytes) {
    if (!data)
        return {};
    return QString(static_cast<const QChar*>(data), bytes / static_cast<int>(sizeof(QChar)));
}

} // namespace

Statement::Statement(Statement&& other) noexcept : stmt(other.stmt), failed(other.failed) {
    other.stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt);
        stmt = other.stmt;
        failed = other.failed;
        other.stmt = nullptr;
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(stmt);
}

void Statement::bind(int position, const QString& text) {
    sqlite3_reset(stmt);
    // Counted UTF-16, so embedded NUL characters survive.
    // A null QString has no data; it still binds as an empty text, not as null.
    static const char16_t empty[] = u"";
    const void* data = text.isNull() ? static_cast<const void*>(empty) : text.utf16();
    if (sqlite3_bind_text16(stmt, position, data, static_cast<int>(text.size() * sizeof(QChar)),
                            SQLITE_TRANSIENT) != SQLITE_OK)
        failed = true;
}

void Statement::bind(int position, qint64 value) {
    sqlite3_reset(stmt);
    if (sqlite3_bind_int64(stmt, position, value) != SQLITE_OK)
        failed = true;
}

void Statement::bindNull(int position) {
    sqlite3_reset(stmt);
    if (sqlite3_bind_null(stmt, position) != SQLITE_OK)
        failed = true;
}

void Statement::bindAll(const QVariantList& values) {
    reset();
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        if (v.isNull())
            bindNull(i + 1);
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                 v.typeId() == QMetaType::Bool)
            bind(i + 1, v.toLongLong());
        else
            bind(i + 1, v.toString());
    }
}

bool Statement::next() {
    if (failed)
        return false;
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        failed = true;
    sqlite3_reset(stmt);
    return false;
}

void Statement::reset() {
    sqlite3_reset(stmt);
    failed = false;
}

QString Statement::text(int column) const {
    const void* data = sqlite3_column_text16(stmt, column);
    return fromUtf16(data, sqlite3_column_bytes16(stmt, column));
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(stmt, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt, column) == SQLITE_NULL;
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt);
}

std::unique_ptr<Database> Database::open(const QString& path, Mode mode) {
    if (mode != Mode::Create && !QFileInfo(path).isFile())
        return nullptr;
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    sqlite3* connection = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &connection, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(connection);
        return nullptr;
    }
    sqlite3_db_config(connection, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(connection, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    return std::unique_ptr<Database>(new Database(connection));
}

Database::~Database() {
    sqlite3_close_v2(db);
}

void Database::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db, milliseconds);
}

std::optional<Statement> Database::prepare(const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare16_v3(db, sql.utf16(), static_cast<int>(sql.size() * sizeof(QChar)),
                                        SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        return std::nullopt;
    }
    return Statement(stmt);
}

std::optional<int> Database::execute(const QString& sql, const QVariantList& values) {
    auto stmt = prepare(sql);
    if (!stmt)
        return std::nullopt;
    stmt->bindAll(values);
    while (stmt->next()) {
    }
    if (stmt->error())
        return std::nullopt;
    return sqlite3_changes(db);
}

std::optional<std::vector<QVariantList>> Database::rows(const QString& sql, const QVariantList& values) {
    auto stmt = prepare(sql);
    if (!stmt)
        return std::nullopt;
    stmt->bindAll(values);
    std::vector<QVariantList> result;
    while (stmt->next()) {
        QVariantList row;
        for (int c = 0; c < stmt->columnCount(); ++c) {
            switch (sqlite3_column_type(stmt->stmt, c)) {
            case SQLITE_INTEGER:
                row.append(stmt->integer(c));
                break;
            case SQLITE_FLOAT:
                row.append(sqlite3_column_double(stmt->stmt, c));
                break;
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            default:
                row.append(stmt->text(c));
                break;
            }
        }
        result.push_back(std::move(row));
    }
    if (stmt->error())
        return std::nullopt;
    return result;
}

qint64 Database::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db);
}

QString Database::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Transaction::Transaction(Database& database) : db(database) {
    open = db.execute(QStringLiteral("BEGIN IMMEDIATE")).has_value();
}

Transaction::~Transaction() {
    if (open)
        db.execute(QStringLiteral("ROLLBACK"));
}

bool Transaction::commit() {
    if (!open)
        return false;
    if (!db.execute(QStringLiteral("COMMIT")))
        return false;
    open = false;
    return true;
}
