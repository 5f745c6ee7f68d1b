#include "tests/lexicon/LexiconFixtures.h"

#include "platform/core/Ansi.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using namespace Module1;

TEST(Scramble, CombinesEachCharacterWithTheKeyInTurn) {
    EXPECT_EQ(ScrambleText(QString()), QString());
    // Positions 1, 2, 3, 4 use "z", "q", "k", "z".
    const QString out = ScrambleText(QStringLiteral("abcd"));
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0].unicode(), u'a' ^ u'z');
    EXPECT_EQ(out[1].unicode(), u'b' ^ u'q');
    EXPECT_EQ(out[2].unicode(), u'c' ^ u'k');
    EXPECT_EQ(out[3].unicode(), u'd' ^ u'z');
}

TEST(Scramble, KeepsNulCharacters) {
    // "z" at position 1 and "k" at position 3 scramble to NUL.
    const QString out = ScrambleText(QStringLiteral("zqk"));
    EXPECT_EQ(out, QString(3, QChar(0)));
    EXPECT_EQ(ScrambleText(out), QStringLiteral("zqk"));
}

TEST(Scramble, TwiceGivesTheTextBack) {
    const QString texts[] = {QStringLiteral("5kAt"), QStringLiteral("E5klCk"),
                             QStringLiteral("汉字与 ASCII 混排：音标"), QStringLiteral("\u00E6\u0252\u02C8"),
                             QString::fromUtf16(u"\U0001F600x")};
    for (const QString& t : texts) {
        EXPECT_EQ(ScrambleText(ScrambleText(t)), t) << t.toStdString();
        EXPECT_EQ(ScrambleText(t).size(), t.size());
        EXPECT_EQ(ScrambleText2(ScrambleText(t)), t);
    }
    QString random;
    auto* rng = QRandomGenerator::global();
    for (int i = 0; i < 5000; ++i)
        random.append(QChar(static_cast<char16_t>(rng->bounded(0x20, 0xD800))));
    EXPECT_EQ(ScrambleText(ScrambleText(random)), random);
}

TEST(Scramble, ChineseCharactersStayInTheCodePage) {
    const QString out = ScrambleText(QStringLiteral("汉字音标"));
    EXPECT_EQ(Ansi::decode(Ansi::encode(out)), out);
    EXPECT_NE(out, QStringLiteral("汉字音标"));
}

} // namespace
