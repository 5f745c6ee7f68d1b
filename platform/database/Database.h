#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class Database;

// One prepared statement. Parameters are bound by 1-based position; a row's columns are read by
// 0-based position. A null column reads as an empty string or 0.
class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Binding rewinds the statement to its start; a failed bind makes next() fail until reset().
    void bind(int position, const QString& text);
    void bind(int position, qint64 value);
    void bindNull(int position);
    // Resets, then binds values[0] to position 1 and so on; a null QVariant binds null.
    void bindAll(const QVariantList& values);

    // Moves to the next row: true when there is one. False at the end and on any error (error()
    // tells them apart); the statement is then rewound.
    bool next();
    bool error() const { return failed; }
    // Ends the current run, so that no read transaction stays open between queries, and clears an
    // earlier error. Bound values stay.
    void reset();

    QString text(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;
    int columnCount() const;

private:
    friend class Database;
    explicit Statement(sqlite3_stmt* statement) : stmt(statement) {}
    sqlite3_stmt* stmt = nullptr;
    bool failed = false;
};

// A connection to an SQLite database file. Double-quoted string literals are switched off, so a
// double-quoted word is always an identifier and values must be bound.
class Database {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    // Empty when the file cannot be opened (a missing file opens only in Create mode).
    static std::unique_ptr<Database> open(const QString& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // How long a statement waits for another connection's lock before it fails.
    void setBusyTimeout(int milliseconds);

    // Empty when the statement does not compile (syntax, unknown table, not a database).
    std::optional<Statement> prepare(const QString& sql);

    // Runs one statement (add, update, delete, schema) with bound values; the number of rows it
    // changed, or empty on failure.
    std::optional<int> execute(const QString& sql, const QVariantList& values = {});

    // Runs a query with bound values and collects every row; empty on failure.
    std::optional<std::vector<QVariantList>> rows(const QString& sql, const QVariantList& values = {});

    qint64 lastInsertRowId() const;
    QString lastError() const;

private:
    explicit Database(sqlite3* connection) : db(connection) {}
    sqlite3* db = nullptr;
};

// Groups writes into one commit; rolled back unless commit() succeeds.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool active() const { return open; }
    bool commit();

private:
    Database& db;
    bool open = false;
};
