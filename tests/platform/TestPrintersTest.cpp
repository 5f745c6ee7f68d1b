#include <QStringList>

#include <gtest/gtest.h>

TEST(TestPrinters, QStringsPrintAsTheirText) {
    EXPECT_EQ(::testing::PrintToString(QStringLiteral("音标 [kAt]")), "\"音标 [kAt]\"");
    EXPECT_EQ(::testing::PrintToString(QStringList{QStringLiteral("a"), QStringLiteral("b")}),
              "{ \"a\", \"b\" }");
}

TEST(TestPrinters, CaseNamesKeepLettersAndDigitsAfterTheIndex) {
    EXPECT_EQ(caseName(3, "eq \\a(x\\,y,z)"), "3_eq_a_x_y_z");
    EXPECT_EQ(caseName(12, ""), "12");
}
