#include "tests/lexicon/LexiconFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;

struct Case {
    const char16_t* in;
    const char16_t* out;
};

class NumbersTest : public ::testing::Test {
protected:
    void SetUp() override {
        bracketMode = QStringLiteral("/");
        DeriveBrackets();
    }
    void TearDown() override { resetSettings(); }

    static void expectAll(QString (*read)(const QString&), std::initializer_list<Case> cases) {
        for (const Case& c : cases)
            EXPECT_EQ(read(QString::fromUtf16(c.in)), QString::fromUtf16(c.out))
                << QString::fromUtf16(c.in).toStdString();
    }
};

TEST_F(NumbersTest, Digits) {
    expectAll(ReadDigit, {{u"1", u"/wQn/"},
                          {u"5", u"/faIv/"},
                          {u"9", u"/naIn/"},
                          {u"0", u""},
                          {u"12", u""},
                          {u"", u""},
                          {u"x", u""}});
    expectAll(ReadDigitWithZero, {{u"0", u"5ziErEu"}, {u"7", u"/5seven/"}, {u"a", u""}});
    expectAll(ReadPhoneDigit,
              {{u"1", u" wQn "}, {u"7", u" 5seven "}, {u"0", u" Eu "}, {u"x", u""}, {u"", u""}});
}

TEST_F(NumbersTest, TwoDigitGroups) {
    expectAll(ReadTwoDigits, {{u"21", u"/5twenti //wQn/"},
                              {u"45", u"/5fR:tI-//faIv/"},
                              {u"13", u"/5WE:5ti:n/"},
                              {u"19", u"/5nain5ti:n /"},
                              {u"10", u"/ten/"},
                              {u"30", u"/5W3:tI/"},
                              {u"07", u"/5seven/"},
                              {u"00", u""},
                              {u"ab", u""},
                              {u"", u""}});
}

TEST_F(NumbersTest, ThreeDigitGroups) {
    expectAll(ReadThreeDigits, {{u"100", u"/wQn//5hQndrId/"},
                                {u"105", u"/wQn//5hQndrId//End//faIv/"},
                                {u"015", u"/End//5fif5ti:n/"},
                                {u"999", u"/naIn//5hQndrId//End//5naIntI-//naIn/"},
                                {u"000", u""},
                                {u"", u""}});
}

TEST_F(NumbersTest, NoBracketsGiveBlanks) {
    bracketMode = QStringLiteral("|");
    DeriveBrackets();
    EXPECT_EQ(ReadDigit(QStringLiteral("1")), QStringLiteral(" wQn "));
    EXPECT_EQ(ReadThreeDigits(QStringLiteral("200")), QStringLiteral(" tu:  5hQndrId "));
}

TEST(NormalizeNumber, DropsLeadingAndTrailingZeros) {
    const Case cases[] = {
        {u"0", u"0"},       {u"000", u"0"},         {u"0.00", u"0"},    {u"０１２", u"12"}, {u"-3", u"-3"},
        {u"00.50", u"0.5"}, {u"0012.500", u"12.5"}, {u"3.000", u"3.0"}, {u".5", u"0.5"},    {u"007", u"7"},
        {u"  42  ", u"42"}, {u"1。5", u"1.5"},      {u"", u""},         {u"   ", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Module1::NormalizeNumber(QString::fromUtf16(c.in)), QString::fromUtf16(c.out))
            << QString::fromUtf16(c.in).toStdString();
}

TEST(NormalizeNumber, RejectsWhatIsNoNumber) {
    for (const char16_t* text : {u"12a", u"abc", u"1.2.3", u"inf", u"nan", u"--1", u"1e999"})
        EXPECT_EQ(Module1::NormalizeNumber(QString::fromUtf16(text)), std::nullopt)
            << QString::fromUtf16(text).toStdString();
}

} // namespace
