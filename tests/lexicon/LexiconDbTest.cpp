#include "tests/lexicon/LexiconFixtures.h"

#include "lexicon/LexiconTables.h"
#include "platform/database/Database.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace Module1;

class LexiconDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeLexiconDatabase(folder,
                             {{QStringLiteral("cat"), QStringLiteral("kAt")},
                              {QStringLiteral("dog"), QString()},
                              {QStringLiteral("dog"), std::nullopt},
                              {QStringLiteral("dog"), QStringLiteral("dCg")},
                              {QStringLiteral("dog"), QStringLiteral("dRg")},
                              {QStringLiteral("o'clock"), QStringLiteral("E5klCk")},
                              {QStringLiteral("icecream"), QStringLiteral("5aIskri:m")},
                              {QStringLiteral("null"), std::nullopt}},
                             {{QStringLiteral("cat"), QStringLiteral("猫\r\n家猫")},
                              {QStringLiteral("dog"), std::nullopt},
                              {QStringLiteral("dog"), QStringLiteral("狗")},
                              {QStringLiteral("'em"), QStringLiteral("他们")}});
    }
    QString dataPath() const { return folder.file(QStringLiteral("data.dat")); }
    TempFolder folder;
};

TEST_F(LexiconDbTest, LooksUpTranscriptionHeadwordAndMeaning) {
    const struct {
        const char16_t* word;
        const char16_t* phonetic;
        const char16_t* headword;
    } cases[] = {
        {u"cat", u"kAt", u"cat"},
        {u"  CAT  ", u"kAt", u"cat"},
        {u"ice cream", u"5aIskri:m", u"icecream"},
        {u"'cat", u"kAt", u"cat"},
        {u"o'clock", u"E5klCk", u"o'clock"},
        {u"''", u"", u""},
        {u"'", u"", u""},
        {u"mouse", u"", u""},
        {u"", u"", u""},
        {u"null", u"", u"null"},
        {u"ca\"t", u"", u""},
        {u"cat\" or \"1\"=\"1", u"", u""},
        {u"x' or '1'='1", u"", u""},
    };
    for (const auto& c : cases) {
        const QString word = QString::fromUtf16(c.word);
        EXPECT_EQ(LookupPhoneticDb(word), QString::fromUtf16(c.phonetic)) << word.toStdString();
        EXPECT_EQ(WordExistsDb(word), QString::fromUtf16(c.headword)) << word.toStdString();
    }
}

TEST_F(LexiconDbTest, TakesTheFirstNonEmptyRow) {
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("dog")), QStringLiteral("dCg"));
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("Dog")), QStringLiteral("狗"));
}

TEST_F(LexiconDbTest, MeaningComesBackOnOneLine) {
    EXPECT_EQ(LookupMeaningDb(QStringLiteral(" c a t ")), QStringLiteral("猫家猫"));
    // The meaning lookup keeps a leading apostrophe.
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("'em")), QStringLiteral("他们"));
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("em")), QString());
}

TEST_F(LexiconDbTest, SeesWritesCommittedThroughAnotherConnection) {
    ASSERT_EQ(LookupPhoneticDb(QStringLiteral("bird")), QString());
    ASSERT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAt"));
    auto writer = Database::open(dataPath(), Database::Mode::ReadWrite);
    ASSERT_TRUE(writer);
    ASSERT_EQ(writer->execute(QStringLiteral("insert into word (word, ipa13) values (?, ?)"),
                              {QStringLiteral("bird"), ScrambleText(QStringLiteral("bE:d"))}),
              1);
    ASSERT_EQ(writer->execute(QStringLiteral("update word set ipa13 = ? where word = ?"),
                              {ScrambleText(QStringLiteral("kAts")), QStringLiteral("cat")}),
              1);
    ASSERT_EQ(writer->execute(QStringLiteral("insert into wordqj (word, sjieshi) values (?, ?)"),
                              {QStringLiteral("bird"), QStringLiteral("鸟")}),
              1);
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("bird")), QStringLiteral("bE:d"));
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAts"));
    EXPECT_EQ(WordExistsDb(QStringLiteral("bird")), QStringLiteral("bird"));
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("bird")), QStringLiteral("鸟"));
    ASSERT_EQ(writer->execute(QStringLiteral("delete from word where word = ?"), {QStringLiteral("bird")}),
              1);
    EXPECT_EQ(WordExistsDb(QStringLiteral("bird")), QString());
}

TEST_F(LexiconDbTest, EveryCommitIsSeenByTheNextLookupInBothJournalModes) {
    for (const char* mode : {"delete", "wal"}) {
        SCOPED_TRACE(mode);
        auto writer = Database::open(dataPath(), Database::Mode::ReadWrite);
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->execute(QStringLiteral("pragma journal_mode=%1").arg(QLatin1String(mode))));
        for (int i = 0; i < 30; ++i) {
            const QString phonetic = QStringLiteral("k%1t").arg(i);
            ASSERT_EQ(writer->execute(QStringLiteral("update word set ipa13 = ? where word = ?"),
                                      {ScrambleText(phonetic), QStringLiteral("cat")}),
                      1);
            EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), phonetic);
            EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), phonetic);
        }
        ASSERT_TRUE(writer->execute(QStringLiteral("begin")));
        ASSERT_EQ(writer->execute(QStringLiteral("update word set ipa13 = ? where word = ?"),
                                  {ScrambleText(QStringLiteral("kBt")), QStringLiteral("cat")}),
                  1);
        ASSERT_TRUE(writer->execute(QStringLiteral("rollback")));
        EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("k29t"));
    }
}

TEST_F(LexiconDbTest, SeesADatabaseReplacedByAnother) {
    ASSERT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAt"));
    writeLexiconDatabase(folder, {{QStringLiteral("cat"), QStringLiteral("kBt")}});
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kBt"));
}

TEST_F(LexiconDbTest, MissingFileGivesEmptyResults) {
    ASSERT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAt"));
    ASSERT_TRUE(QFile::remove(dataPath()));
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QString());
    EXPECT_EQ(WordExistsDb(QStringLiteral("cat")), QString());
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("cat")), QString());
}

TEST_F(LexiconDbTest, CorruptOrForeignFileGivesEmptyResults) {
    for (const QByteArray& content : {QByteArray("this is not a database"), QByteArray(8192, '\0')}) {
        ASSERT_TRUE(QFile::remove(dataPath()));
        folder.write(QStringLiteral("data.dat"), content);
        EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QString());
        EXPECT_EQ(WordExistsDb(QStringLiteral("cat")), QString());
        EXPECT_EQ(LookupMeaningDb(QStringLiteral("cat")), QString());
    }
    // A database without the lexicon's tables.
    ASSERT_TRUE(QFile::remove(dataPath()));
    auto other = Database::open(dataPath(), Database::Mode::Create);
    ASSERT_TRUE(other->execute(QStringLiteral("create table other (x)")));
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QString());
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("cat")), QString());
}

TEST_F(LexiconDbTest, LockedDatabaseGivesEmptyResultsThenRecovers) {
    auto writer = Database::open(dataPath(), Database::Mode::ReadWrite);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->execute(QStringLiteral("begin exclusive")));
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QString());
    EXPECT_EQ(LookupMeaningDb(QStringLiteral("cat")), QString());
    ASSERT_TRUE(writer->execute(QStringLiteral("commit")));
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAt"));
}

TEST_F(LexiconDbTest, FollowsTheProgramFolder) {
    ASSERT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kAt"));
    TempFolder other;
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QString());
    writeLexiconDatabase(other, {{QStringLiteral("cat"), QStringLiteral("kQt")}});
    EXPECT_EQ(LookupPhoneticDb(QStringLiteral("cat")), QStringLiteral("kQt"));
}

} // namespace
