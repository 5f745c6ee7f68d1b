#include "platform/word/EqArray.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList texts(const std::vector<std::vector<WordRun>>& elements) {
    QStringList out;
    for (const auto& element : elements) {
        QString s;
        for (const WordRun& run : element)
            s += run.text;
        out << s;
    }
    return out;
}

struct Case {
    const char* code;
    std::optional<QStringList> elements;
};

class EqArrayCases : public ::testing::TestWithParam<Case> {};

TEST_P(EqArrayCases, SplitsTheArrayIntoItsElements) {
    const Case& c = GetParam();
    const auto parsed = parseEqArray({{QString::fromUtf8(c.code), 0}});
    ASSERT_EQ(parsed.has_value(), c.elements.has_value()) << c.code;
    if (parsed) {
        EXPECT_EQ(texts(*parsed), *c.elements) << c.code;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EqArrayCases,
    ::testing::Values(Case{"eq \\A([h@'l@U],Hello)", QStringList{u"[h@'l@U]"_s, u"Hello"_s}},
                      Case{"EQ \\a(Hello, h@'l@U )", QStringList{u"Hello"_s, u" h@'l@U "_s}},
                      Case{"  eq \\a \\al \\co1 (a,b)  ", QStringList{u"a"_s, u"b"_s}},
                      Case{"eq \\a(x\\,y,z)", QStringList{u"x,y"_s, u"z"_s}},
                      Case{"eq \\a(f(x,y),z)", QStringList{u"f(x,y)"_s, u"z"_s}},
                      Case{"eq \\a(one)", QStringList{u"one"_s}}, Case{"eq \\a(a,b", std::nullopt},
                      Case{"eq \\a(a,b) x", std::nullopt}, Case{"eq \\b(a,b)", std::nullopt},
                      Case{"eq \\ad(a,b)", std::nullopt}, Case{"eq\\a(a,b)", std::nullopt},
                      Case{"page", std::nullopt}, Case{"", std::nullopt}),
    [](const ::testing::TestParamInfo<Case>& info) { return caseName(info.index, info.param.code); });

TEST(EqArray, ElementsKeepTheFormatsOfTheirCharacters) {
    const auto parsed =
        parseEqArray({{u"eq \\A(["_s, 0}, {u"k{t"_s, 1}, {u"],"_s, 0}, {u"cat"_s, 2}, {u")"_s, 0}});
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 2u);
    const std::vector<WordRun> top = {{u"["_s, 0}, {u"k{t"_s, 1}, {u"]"_s, 0}};
    const std::vector<WordRun> bottom = {{u"cat"_s, 2}};
    EXPECT_EQ((*parsed)[0], top);
    EXPECT_EQ((*parsed)[1], bottom);
}

} // namespace
