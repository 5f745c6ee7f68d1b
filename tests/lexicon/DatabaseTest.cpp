#include "platform/database/Database.h"
#include "tests/lexicon/LexiconFixtures.h"

#include <gtest/gtest.h>

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = Database::open(path(), Database::Mode::Create);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->execute(QStringLiteral("create table t (a TEXT, b INTEGER)")));
    }
    QString path() const { return folder.file(QStringLiteral("t.db")); }
    TempFolder folder;
    std::unique_ptr<Database> db;
};

TEST_F(DatabaseTest, OpensOnlyExistingFilesUnlessCreating) {
    EXPECT_FALSE(Database::open(folder.file(QStringLiteral("none.db")), Database::Mode::ReadOnly));
    EXPECT_FALSE(Database::open(folder.file(QStringLiteral("none.db")), Database::Mode::ReadWrite));
    EXPECT_TRUE(Database::open(path(), Database::Mode::ReadOnly));
}

TEST_F(DatabaseTest, AddsUpdatesAndDeletesWithBoundValues) {
    EXPECT_EQ(db->execute(QStringLiteral("insert into t values (?, ?)"), {QStringLiteral("x\"y'z"), 1}), 1);
    EXPECT_EQ(db->execute(QStringLiteral("insert into t values (?, ?)"), {QStringLiteral("二"), 2}), 1);
    EXPECT_EQ(db->execute(QStringLiteral("update t set b = ? where a = ?"), {5, QStringLiteral("x\"y'z")}),
              1);
    auto rows = db->rows(QStringLiteral("select a, b from t order by b"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0][0].toString(), QStringLiteral("二"));
    EXPECT_EQ((*rows)[1][0].toString(), QStringLiteral("x\"y'z"));
    EXPECT_EQ((*rows)[1][1].toLongLong(), 5);
    EXPECT_EQ(db->execute(QStringLiteral("delete from t where b = ?"), {2}), 1);
    EXPECT_EQ(db->rows(QStringLiteral("select a from t"))->size(), 1u);
}

TEST_F(DatabaseTest, DoubleQuotedTextIsNoStringLiteral) {
    ASSERT_TRUE(db->execute(QStringLiteral("insert into t values ('a', 1)")));
    EXPECT_FALSE(db->rows(QStringLiteral("select a from t where a = \"zzz\"")));
    EXPECT_FALSE(db->execute(QStringLiteral("insert into t values (\"b\", 2)")));
}

TEST_F(DatabaseTest, TextKeepsNulCharactersAndNullReadsEmpty) {
    const QString withNul = QString::fromUtf16(u"a\0b", 3);
    ASSERT_TRUE(db->execute(QStringLiteral("insert into t values (?, ?)"), {withNul, QVariant()}));
    auto stmt = db->prepare(QStringLiteral("select a, b from t"));
    ASSERT_TRUE(stmt);
    ASSERT_TRUE(stmt->next());
    EXPECT_EQ(stmt->text(0), withNul);
    EXPECT_TRUE(stmt->isNull(1));
    EXPECT_EQ(stmt->text(1), QString());
    EXPECT_FALSE(stmt->next());
    EXPECT_FALSE(stmt->error());
}

TEST_F(DatabaseTest, BadStatementsFailWithoutThrowing) {
    EXPECT_FALSE(db->prepare(QStringLiteral("select nothing from nowhere")));
    EXPECT_FALSE(db->execute(QStringLiteral("not sql")));
    EXPECT_FALSE(db->lastError().isEmpty());
    auto stmt = db->prepare(QStringLiteral("select a from t where a = ?"));
    ASSERT_TRUE(stmt);
    stmt->bind(2, QStringLiteral("out of range"));
    EXPECT_FALSE(stmt->next());
    EXPECT_TRUE(stmt->error());
    stmt->reset();
    stmt->bind(1, QStringLiteral("x"));
    EXPECT_FALSE(stmt->next());
    EXPECT_FALSE(stmt->error());
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted) {
    {
        Transaction t(*db);
        ASSERT_TRUE(t.active());
        db->execute(QStringLiteral("insert into t values ('gone', 1)"));
    }
    EXPECT_TRUE(db->rows(QStringLiteral("select a from t"))->empty());
    {
        Transaction t(*db);
        db->execute(QStringLiteral("insert into t values ('kept', 1)"));
        EXPECT_TRUE(t.commit());
    }
    EXPECT_EQ(db->rows(QStringLiteral("select a from t"))->size(), 1u);
}

TEST_F(DatabaseTest, NotADatabaseFailsToPrepare) {
    folder.write(QStringLiteral("junk.db"), QByteArray(4096, 'x'));
    auto junk = Database::open(folder.file(QStringLiteral("junk.db")), Database::Mode::ReadOnly);
    ASSERT_TRUE(junk);
    EXPECT_FALSE(junk->prepare(QStringLiteral("select 1 from t")));
}

} // namespace
