#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/RtfReader.h"

#include <gtest/gtest.h>

namespace {

CharFormat fmt(const QString& font, double size, std::optional<int> color = {}, bool bold = false,
               bool italic = false, bool underline = false, bool strike = false) {
    return CharFormat{font, size, color, bold, italic, underline, strike};
}

TEST(RtfWriter, FontTableSpellsNamesAsTheFontReplacementSearchesThem) {
    const FormattedText runs{{QStringLiteral("中文"), fmt(QStringLiteral("宋体"), 12)},
                             {QStringLiteral("ipa"), fmt(QStringLiteral("Times New Roman"), 12)}};
    const QByteArray rtf = RtfWriter::write(runs, QStringLiteral("宋体"), 12);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl"));
    const qsizetype colorTable = rtf.indexOf("\\colortbl");
    ASSERT_GT(colorTable, 0);
    const QByteArray head = rtf.left(colorTable);
    EXPECT_TRUE(head.contains("{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}")) << head.constData();
    EXPECT_TRUE(head.contains("{\\f1\\fnil\\fcharset0 Times New Roman;}")) << head.constData();
    EXPECT_EQ(head.count("\\f0\\"), 1) << "one entry per font";
    EXPECT_EQ(RtfWriter::fontTableName(QStringLiteral("宋体")), QByteArray("\\'cb\\'ce\\'cc\\'e5"));
    EXPECT_EQ(RtfWriter::fontTableName(QStringLiteral("Arial")), QByteArray("Arial"));
    EXPECT_EQ(RtfWriter::fontTableName(QStringLiteral("a;b")), QByteArray("a\\'3bb"));
}

TEST(RtfWriter, EscapesTextAndWritesUnicodeWithAnsiFallback) {
    const QByteArray rtf =
        RtfWriter::write({{QStringLiteral("a\\b{c}\t中\n"), {}}}, QStringLiteral("Arial"), 10);
    EXPECT_TRUE(rtf.contains("a\\\\b\\{c\\}\\tab \\uc2 \\u20013\\'d6\\'d0\\par")) << rtf.constData();
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "RTF output is 7-bit";
}

TEST(RtfWriter, ReadsBackIdentical) {
    const FormattedText runs{
        {QStringLiteral("宋体 text "), fmt(QStringLiteral("宋体"), 12)},
        {QStringLiteral("bold"), fmt(QStringLiteral("Arial"), 10.5, 0x0000FF, true)},
        {QStringLiteral(" it"), {QStringLiteral("Arial"), 10.5, {}, false, true}},
        {QStringLiteral("\nul"), fmt(QStringLiteral("黑体"), 20, 0x00FF00, false, false, true)},
        {QStringLiteral("st\\{}\n\n"), fmt(QStringLiteral("Fonvella"), 15, 0, false, false, false, true)},
        {QStringLiteral("😀é€\u00A0end"), fmt(QStringLiteral("宋体"), 9)},
    };
    const auto back = RtfReader::read(RtfWriter::write(runs, QStringLiteral("宋体"), 12));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, runs);
}

TEST(RtfWriter, EmptyDocumentStillNamesTheBaseFont) {
    const QByteArray rtf = RtfWriter::write({}, QStringLiteral("Arial"), 12);
    EXPECT_TRUE(rtf.contains("{\\f0\\fnil\\fcharset0 Arial;}"));
    const auto back = RtfReader::read(rtf);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->empty());
}

} // namespace
