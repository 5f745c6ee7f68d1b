#include "platform/core/Vb.h"

#include <gtest/gtest.h>

namespace {

TEST(VbTrim, RemovesBlanksOnly) {
    EXPECT_EQ(Vb::trim(QStringLiteral("  ab c  ")), QStringLiteral("ab c"));
    EXPECT_EQ(Vb::trim(QStringLiteral("\tab\r\n")), QStringLiteral("\tab\r\n"));
    EXPECT_EQ(Vb::trim(QStringLiteral("   ")), QString());
}

TEST(VbVal, TakesTheLongestNumericPrefix) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},   {u"abc", 0},  {u"  42", 42}, {u"15abc", 15}, {u"-3.5x", -3.5},  {u"1e3", 1000},
        {u"2e", 2}, {u".5", 0.5}, {u"+7", 7},    {u"- 7", 0},    {u"12.3.4", 12.3},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Vb::val(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(VbRound, HalvesGoToEven) {
    EXPECT_EQ(Vb::roundHalfEven(0.5), 0);
    EXPECT_EQ(Vb::roundHalfEven(1.5), 2);
    EXPECT_EQ(Vb::roundHalfEven(2.5), 2);
    EXPECT_EQ(Vb::roundHalfEven(-1.5), -2);
    EXPECT_EQ(Vb::toInt16(3.5), std::int16_t(4));
    EXPECT_EQ(Vb::toInt16(40000), std::nullopt);
}

TEST(VbBool, AcceptsWordsAndNumbers) {
    EXPECT_EQ(Vb::toBool(QStringLiteral("True")), true);
    EXPECT_EQ(Vb::toBool(QStringLiteral(" false ")), false);
    EXPECT_EQ(Vb::toBool(QStringLiteral("-1")), true);
    EXPECT_EQ(Vb::toBool(QStringLiteral("0")), false);
    EXPECT_EQ(Vb::toBool(QStringLiteral("yes")), std::nullopt);
    EXPECT_EQ(Vb::toBool(QString()), std::nullopt);
}

TEST(VbPercent, FollowsThePattern) {
    const struct {
        double ratio;
        const char16_t* text;
    } cases[] = {
        {0, u".%"},        {0.5, u"50.%"},   {0.12345, u"12.35%"}, {1, u"100.%"},
        {0.125, u"12.5%"}, {0.00004, u".%"}, {0.0001, u".01%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Vb::formatPercent(c.ratio), QString::fromUtf16(c.text)) << c.ratio;
}

TEST(VbReplace, OnePassCaseSensitive) {
    EXPECT_EQ(Vb::replaceAll(QStringLiteral("aAa"), QStringLiteral("a"), QStringLiteral("aa")),
              QStringLiteral("aaAaa"));
    EXPECT_EQ(Vb::replaceAll(QStringLiteral("aaa"), QStringLiteral("aa"), QStringLiteral("b")),
              QStringLiteral("ba"));
    EXPECT_EQ(Vb::replaceAll(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
}

} // namespace
