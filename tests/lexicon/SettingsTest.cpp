#include "tests/lexicon/LexiconFixtures.h"

#include "platform/core/Ansi.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace Module1;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }
    void TearDown() override { resetSettings(); }
    void writeFile(const QString& text) const {
        folder.write(QStringLiteral("canshushezhi.txt"), Ansi::encode(text));
    }
    TempFolder folder;
};

void expectDefaults() {
    EXPECT_EQ(phoneticSystem, QStringLiteral("new"));
    EXPECT_EQ(wordSeparator, QStringLiteral("kongge"));
    EXPECT_EQ(outputPlacement, QStringLiteral("up"));
    EXPECT_EQ(notationCheck, QStringLiteral("yes"));
    EXPECT_FALSE(useLucidaFont);
    EXPECT_TRUE(canshu7Flag);
    EXPECT_EQ(phoneticFontName, QStringLiteral("Lucida Sans Unicode"));
    EXPECT_EQ(phoneticFontSize, 15);
}

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
    ReadSettings();
    expectDefaults();
    EXPECT_EQ(bracketMode, QString());
    EXPECT_EQ(leftBracket, QStringLiteral(" "));
    EXPECT_EQ(rightBracket, QStringLiteral(" "));
}

TEST_F(SettingsTest, BracketLineAloneDerivesThePair) {
    writeFile(QStringLiteral("canshu2=[\r\n"));
    ReadSettings();
    expectDefaults();
    EXPECT_EQ(leftBracket, QStringLiteral("["));
    EXPECT_EQ(rightBracket, QStringLiteral("]"));
}

TEST_F(SettingsTest, BracketPairFollowsTheMode) {
    const struct {
        const char16_t* mode;
        const char16_t* left;
        const char16_t* right;
    } cases[] = {
        {u"/", u"/", u"/"}, {u"[", u"[", u"]"}, {u"|", u" ", u" "}, {u"", u" ", u" "}, {u"<", u" ", u" "}};
    for (const auto& c : cases) {
        bracketMode = QString::fromUtf16(c.mode);
        DeriveBrackets();
        EXPECT_EQ(leftBracket, QString::fromUtf16(c.left));
        EXPECT_EQ(rightBracket, QString::fromUtf16(c.right));
    }
}

TEST_F(SettingsTest, ReadsEveryKeyInAnyOrderWithTheLastWinning) {
    writeFile(QStringLiteral("  canshu9=12  \r\ncanshu1=old\r\ncanshu1:mei\r\ncanshu2=/\r\ncanshu3=huiche\r\n"
                             "canshu4=dangqian\r\ncanshu5=no\r\ncanshu6=TRUE\r\ncanshu7=False\r\n"
                             "canshu8=Fonvella\r\n[end]\r\nanything else\r\n"));
    ReadSettings();
    EXPECT_EQ(phoneticSystem, QStringLiteral("mei"));
    EXPECT_EQ(bracketMode, QStringLiteral("/"));
    EXPECT_EQ(leftBracket, QStringLiteral("/"));
    EXPECT_EQ(wordSeparator, QStringLiteral("huiche"));
    EXPECT_EQ(outputPlacement, QStringLiteral("dangqian"));
    EXPECT_EQ(notationCheck, QStringLiteral("no"));
    EXPECT_TRUE(useLucidaFont);
    EXPECT_TRUE(canshu7Flag); // always true after start-up
    EXPECT_EQ(phoneticFontName, QStringLiteral("Fonvella"));
    EXPECT_EQ(phoneticFontSize, 12);
}

TEST_F(SettingsTest, ValuesThatDoNotConvertKeepTheirVariables) {
    const struct {
        const char16_t* file;
        bool lucida;
        int size;
    } cases[] = {
        {u"canshu9=abc\r\ncanshu6=maybe\r\n", false, 15},
        {u"canshu9=0\r\n", false, 15},
        {u"canshu9=12.5\r\ncanshu6=-1\r\n", true, 12},
        {u"canshu9=13.5\r\ncanshu6=0\r\n", false, 14},
        {u"canshu9=99999\r\n", false, 15},
        {u"canshu9=\r\ncanshu6=\r\n", false, 15},
        {u"canshu9\r\ncanshu\r\n\r\n", false, 15},
    };
    for (const auto& c : cases) {
        resetSettings();
        writeFile(QString::fromUtf16(c.file));
        ReadSettings();
        EXPECT_EQ(useLucidaFont, c.lucida) << QString::fromUtf16(c.file).toStdString();
        EXPECT_EQ(phoneticFontSize, c.size) << QString::fromUtf16(c.file).toStdString();
        EXPECT_EQ(phoneticSystem, QStringLiteral("new"));
    }
}

TEST_F(SettingsTest, GarbageFileKeepsTheDefaults) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    folder.write(QStringLiteral("canshushezhi.txt"), garbage);
    ReadSettings();
    EXPECT_EQ(wordSeparator, QStringLiteral("kongge"));
    EXPECT_EQ(phoneticFontSize, 15);
    EXPECT_TRUE(canshu7Flag);
}

TEST_F(SettingsTest, WritesTheTenLinesAndReadsThemBack) {
    phoneticSystem = QStringLiteral("old");
    bracketMode = QStringLiteral("|");
    wordSeparator = QStringLiteral("huiche");
    outputPlacement = QStringLiteral("word2");
    notationCheck = QStringLiteral("no");
    useLucidaFont = true;
    canshu7Flag = false;
    phoneticFontName = QStringLiteral("Fonvella");
    phoneticFontSize = 18;
    ASSERT_TRUE(WriteSettings());
    EXPECT_EQ(folder.read(QStringLiteral("canshushezhi.txt")),
              QByteArray("canshu1=old\r\ncanshu2=|\r\ncanshu3=huiche\r\ncanshu4=word2\r\ncanshu5=no\r\n"
                         "canshu6=True\r\ncanshu7=False\r\ncanshu8=Fonvella\r\ncanshu9=18\r\n[end]\r\n"));
    resetSettings();
    ReadSettings();
    EXPECT_EQ(phoneticSystem, QStringLiteral("old"));
    EXPECT_EQ(bracketMode, QStringLiteral("|"));
    EXPECT_EQ(leftBracket, QStringLiteral(" "));
    EXPECT_EQ(outputPlacement, QStringLiteral("word2"));
    EXPECT_TRUE(useLucidaFont);
    EXPECT_TRUE(canshu7Flag);
    EXPECT_EQ(phoneticFontSize, 18);
}

TEST_F(SettingsTest, FailedWriteReportsFalseAndKeepsTheValues) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("canshushezhi.txt")));
    phoneticSystem = QStringLiteral("mei");
    EXPECT_FALSE(WriteSettings());
    EXPECT_EQ(phoneticSystem, QStringLiteral("mei"));
}

} // namespace
