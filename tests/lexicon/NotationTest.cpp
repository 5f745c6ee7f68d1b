#include "tests/lexicon/LexiconFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;

struct Case {
    const char16_t* in;
    const char16_t* out;
};

QString s(const char16_t* text) {
    return QString::fromUtf16(text);
}

void expectAll(QString (*convert)(const QString&), std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(convert(s(c.in)), s(c.out)) << "input " << s(c.in).toStdString();
}

TEST(Notation, NewFromOldKeepsLongVowelsAndConvertsShortOnes) {
    expectAll(ToNewNotation, {{u"u:", u"u:"},
                              {u"u", u"J"},
                              {u"CI", u"CI"},
                              {u"C:", u"C:"},
                              {u"C", u"2"},
                              {u"R:", u"R:"},
                              {u"R", u"2"},
                              {u"i", u"I"},
                              {u"i:", u"i:"},
                              {u"bE:d", u"b3:d"},
                              {u"hZE", u"heE"},
                              {u"bju:tifEl", u"bju:tIfEl"},
                              {u"", u""}});
}

TEST(Notation, OldFromNew) {
    expectAll(ToOldNotation, {{u"b3:d", u"bE:d"},
                              {u"heE", u"hZE"},
                              {u"d2g", u"dRg"},
                              {u"bJk", u"buk"},
                              {u"sIt", u"sit"},
                              {u"", u""}});
}

TEST(Notation, OldAndNewAreNotInverses) {
    EXPECT_EQ(ToOldNotation(ToNewNotation(QStringLiteral("C"))), QStringLiteral("R"));
    EXPECT_EQ(ToOldNotation(ToNewNotation(QStringLiteral("bju:tifEl"))), QStringLiteral("bju:tifEl"));
}

TEST(Notation, AmericanFromOld) {
    expectAll(ToAmericanNotation, {{u"ei", u"e"},
                                   {u"Ci", u"CI"},
                                   {u"i:", u"i"},
                                   {u"E:", u"3"},
                                   {u"R:", u"C"},
                                   {u"C:", u"C"},
                                   {u"B:", u"B"},
                                   {u"u:", u"u"},
                                   {u"hiE", u"hIr"},
                                   {u"puE", u"pJr"},
                                   {u"gEu", u"go"},
                                   {u"kCt", u"kBt"},
                                   {u"hRt", u"hBt"},
                                   {u"bed", u"bZd"},
                                   {u"buk", u"bJk"},
                                   {u"fifti:n", u"fIftin"},
                                   {u"我", u"i"},
                                   {u"", u""}});
}

TEST(Notation, ExportsEverySymbolOfTheCode) {
    const struct {
        char16_t code;
        char16_t ipa;
    } table[] = {{u'2', 0x0252}, {u'3', 0x025C}, {u'A', 0x00E6}, {u'T', 0x00F0}, {u'N', 0x014B},
                 {u'B', 0x0251}, {u'C', 0x0254}, {u'E', 0x0259}, {u'Z', 0x025B}, {u'I', 0x026A},
                 {u'F', 0x0283}, {u'J', 0x028A}, {u'Q', 0x028C}, {u'V', 0x0292}, {u'W', 0x03B8}};
    for (const auto& row : table) {
        const QString code(QChar(row.code));
        EXPECT_EQ(ToUnicodeIpa(code), QString(QChar(row.ipa))) << code.toStdString();
        EXPECT_EQ(ToHtmlEntities(code), QStringLiteral("&#%1;").arg(int(row.ipa))) << code.toStdString();
    }
    EXPECT_EQ(ToUnicodeIpa(QStringLiteral("5")), QString(QChar(0x02C8)));
    EXPECT_EQ(ToUnicodeIpa(QStringLiteral("7")), QString(QChar(0x02CC)));
}

TEST(Notation, HtmlExportLeavesTheDigitsOfItsEntitiesAlone) {
    expectAll(ToHtmlEntities, {{u"5A", u"'&#230;"},
                               {u"N", u"&#331;"},
                               {u"2", u"&#594;"},
                               {u"73:", u".&#604;:"},
                               {u"5kAt", u"'k&#230;t"},
                               {u"RUab:", u"RUab:"},
                               {u"", u""}});
}

TEST(Notation, UnicodeExportPassesOtherCharactersThrough) {
    expectAll(ToUnicodeIpa, {{u"5kAt", u"\u02C8k\u00E6t"},
                             {u"fi:t", u"fi:t"},
                             {u"RUG", u"RUG"},
                             {u"d2g", u"d\u0252g"},
                             {u"", u""}});
}

} // namespace
