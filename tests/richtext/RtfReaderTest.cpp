#include "platform/richtext/RtfReader.h"

#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

CharFormat fmt(const QString& font, double size, std::optional<int> color = {}, bool bold = false,
               bool italic = false, bool underline = false, bool strike = false) {
    return CharFormat{font, size, color, bold, italic, underline, strike};
}

QByteArray fixture(const QString& name) {
    QFile f(fixturePath(QStringLiteral("rtf/") + name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

QString plain(const FormattedText& runs) {
    QString out;
    for (const TextRun& run : runs)
        out += run.text;
    return out;
}

// The format of the run holding the first occurrence of a text.
CharFormat formatOf(const FormattedText& runs, const QString& text) {
    for (const TextRun& run : runs)
        if (run.text.contains(text))
            return run.format;
    ADD_FAILURE() << "no run holds " << text.toStdString();
    return {};
}

constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;

struct FixtureCase {
    const char* file;
    const char* text;
};

class RtfFixtures : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(RtfFixtures, TextAndFormatsOfTheWordPadDocument) {
    const auto runs = RtfReader::read(fixture(QString::fromLatin1(GetParam().file)));
    ASSERT_TRUE(runs);
    EXPECT_EQ(plain(*runs), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(formatOf(*runs, QStringLiteral("你好")).fontName, QStringLiteral("宋体"));
    EXPECT_EQ(formatOf(*runs, QStringLiteral("Hello")).fontName, QStringLiteral("Arial"));
    EXPECT_EQ(formatOf(*runs, QStringLiteral("Hello")).fontSize, 11);
    const CharFormat world = formatOf(*runs, QStringLiteral("world"));
    EXPECT_TRUE(world.bold);
    EXPECT_EQ(world.color, kRed);
    EXPECT_TRUE(formatOf(*runs, QStringLiteral("italic")).italic);
    EXPECT_TRUE(formatOf(*runs, QStringLiteral("under")).underline);
    EXPECT_FALSE(formatOf(*runs, QStringLiteral("under")).italic);
    EXPECT_TRUE(formatOf(*runs, QStringLiteral("gone")).strikeThru);
    const CharFormat braces = formatOf(*runs, QStringLiteral("braces"));
    EXPECT_EQ(braces.color, kBlue);
    EXPECT_EQ(braces.fontSize, 16);
    EXPECT_FALSE(braces.strikeThru);
    EXPECT_EQ(formatOf(*runs, QStringLiteral("音标")).fontName, QStringLiteral("宋体"));
}

INSTANTIATE_TEST_SUITE_P(
    WrittenBy, RtfFixtures,
    ::testing::Values(FixtureCase{"wordpad.rtf",
                                  "你好 Hello world\nitalic under gone\nback\\slash {braces}\n音标 €"},
                      FixtureCase{"libreoffice-from-wordpad.rtf",
                                  "你好 Hello world\nitalic under gone\nback\\slash {braces}\n音标 €"}));

TEST(RtfReader, WordDocumentWithFieldsPicturesAndFontAlternatives) {
    {
        const auto runs = RtfReader::read(fixture(QStringLiteral("word.rtf")));
        ASSERT_TRUE(runs);
        EXPECT_EQ(plain(*runs), QStringLiteral("The quick 你好\nlink: example\nold黑体\t{}"));
        EXPECT_TRUE(formatOf(*runs, QStringLiteral("quick")).bold);
        EXPECT_FALSE(formatOf(*runs, QStringLiteral("The")).bold);
        EXPECT_EQ(formatOf(*runs, QStringLiteral("The")).fontSize, 10.5);
        EXPECT_EQ(formatOf(*runs, QStringLiteral("你好")).color, kRed);
        EXPECT_EQ(formatOf(*runs, QStringLiteral("link")).fontSize, 14);
        EXPECT_TRUE(formatOf(*runs, QStringLiteral("example")).underline);
        EXPECT_EQ(formatOf(*runs, QStringLiteral("example")).color, kBlue);
        const CharFormat old = formatOf(*runs, QStringLiteral("old"));
        EXPECT_TRUE(old.italic && old.strikeThru);
    }
    const auto word = RtfReader::read(fixture(QStringLiteral("word.rtf")));
    EXPECT_EQ(formatOf(*word, QStringLiteral("The")).fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(formatOf(*word, QStringLiteral("你好")).fontName, QStringLiteral("宋体"));
    EXPECT_EQ(formatOf(*word, QStringLiteral("黑体")).fontName, QStringLiteral("黑体"));
}

struct SourceCase {
    const char* name;
    QByteArray rtf;
    const char* text;
};

TEST(RtfReader, DecodesCharsetsAndUnicode) {
    const SourceCase cases[] = {
        {"ansicpg when the font says nothing", "{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0}", "中"},
        {"font charset wins over ansicpg",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset136 X;}}\\f0 \\'a4\\'a4}", "中"},
        {"Shift-JIS", "{\\rtf1{\\fonttbl{\\f1\\fcharset128 M;}}\\f1\\'92\\'86}", "中"},
        {"Cyrillic", "{\\rtf1{\\fonttbl{\\f0\\fcharset204 C;}}\\f0\\'c0}", "А"},
        {"no code page is Windows-1252", "{\\rtf1 \\'e9\\'80}", "é€"},
        {"unicode skips one fallback by default", "{\\rtf1 \\u20013?x}", "中x"},
        {"uc2 skips two escapes", "{\\rtf1\\uc2\\u20013\\'d6\\'d0x}", "中x"},
        {"negative unicode", "{\\rtf1\\uc0\\u-2 }", "\xEF\xBF\xBE"},
        {"uc is scoped to its group", "{\\rtf1{\\uc2\\u20013\\'d6\\'d0}\\u20013?}", "中中"},
        {"surrogate pair", "{\\rtf1\\uc0\\u-10179\\u-8704 }", "😀"},
        {"fallback skip ends with the group", "{\\rtf1\\uc3{\\u20013}ab}", "中ab"},
        {"unknown ignorable destination", "{\\rtf1 a{\\*\\unknownthing secret}b}", "ab"},
        {"known control words", "{\\rtf1 a\\tab b\\line c\\~d\\emdash}", "a\tb\nc\u00A0d\u2014"},
        {"binary data skipped", "{\\rtf1 a{\\pict\\bin4 }}{x}b}", "ab"},
        {"bin outside pictures", "{\\rtf1 a\\bin3 {}}b}", "ab"},
        {"final paragraph mark dropped", "{\\rtf1 a\\par\\par }", "a\n"},
        {"unclosed groups", "{\\rtf1 a{\\b b{\\i c", "abc"},
        {"text after the document ignored", "{\\rtf1 a}}b{c}", "a"},
        {"truncated escape", "{\\rtf1 a\\'", "a"},
        {"header only", "{\\rtf", ""},
        {"huge parameters", "{\\rtf1\\fs999999999999999\\uc99999999999\\u99999999999 a}", "\xEF\xBF\xBF"},
    };
    for (const SourceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto runs = RtfReader::read(c.rtf);
        ASSERT_TRUE(runs);
        EXPECT_EQ(plain(*runs), QString::fromUtf8(c.text));
    }
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    EXPECT_FALSE(RtfReader::read("plain text"));
    EXPECT_FALSE(RtfReader::read(""));
    EXPECT_FALSE(RtfReader::read("{\\rt"));
    EXPECT_TRUE(RtfReader::read("\r\n  {\\rtf1 a}"));
}

TEST(RtfReader, DeepNestingIsCappedNotFollowed) {
    QByteArray deep = "{\\rtf1 a";
    deep += QByteArray(100000, '{') + "lost" + QByteArray(100000, '}') + "b}";
    const auto runs = RtfReader::read(deep);
    ASSERT_TRUE(runs);
    EXPECT_EQ(plain(*runs), QStringLiteral("ab"));
}

TEST(RtfReader, FormatsFollowGroupsAndPlain) {
    const auto runs =
        RtfReader::read("{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}{\\colortbl;\\red1\\green2\\blue3;}\\f1\\fs30 "
                        "x{\\b\\cf1 y}z\\plain w}");
    ASSERT_TRUE(runs);
    ASSERT_EQ(runs->size(), 4u);
    EXPECT_EQ((*runs)[0], (TextRun{QStringLiteral("x"), {QStringLiteral("B"), 15, {}, false}}));
    EXPECT_EQ((*runs)[1], (TextRun{QStringLiteral("y"), fmt(QStringLiteral("B"), 15, 0x030201, true)}));
    EXPECT_EQ((*runs)[2], (TextRun{QStringLiteral("z"), {QStringLiteral("B"), 15, {}, false}}));
    EXPECT_EQ((*runs)[3], (TextRun{QStringLiteral("w"), {QStringLiteral("A"), 12, {}, false}}));
}

// Inputs the fuzzer found: each must load without a crash or a hang.
TEST(RtfReader, CrashRegressions) {
    const QDir dir(fixturePath(QStringLiteral("rtf/crashes")));
    ASSERT_TRUE(dir.exists());
    for (const QString& name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto runs = RtfReader::read(bytes);
        EXPECT_EQ(runs.has_value(), RtfReader::isRtf(bytes));
    }
}

} // namespace
