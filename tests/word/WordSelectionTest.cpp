#include "platform/word/WordSelection.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Field marks as braces, so expected texts read like field codes on screen.
QString shown(const WordDocument& doc) {
    QString s = doc.text({0, doc.length()});
    s.replace(QChar(WordDocument::kBeginMark), u'{').replace(QChar(WordDocument::kEndMark), u'}');
    return s;
}

struct Fixture {
    WordDocument doc;
    WordSelection sel{doc};
};

TEST(WordSelection, MovesCollapseAnExtendedSelectionWithTheirFirstCount) {
    Fixture f;
    f.sel.typeText(u"abcdefgh"_s);
    f.sel.moveLeft(6);
    f.sel.moveRight(3, true);
    EXPECT_EQ(f.sel.range().start, 2);
    EXPECT_EQ(f.sel.range().end, 5);
    f.sel.moveRight(2); // collapse to 5, then one step
    EXPECT_EQ(f.sel.range().start, 6);
    EXPECT_EQ(f.sel.range().end, 6);
    f.sel.moveLeft(2, true);
    f.sel.moveLeft(1); // collapse to the left end only
    EXPECT_EQ(f.sel.range().start, 4);
    f.sel.moveLeft(100);
    EXPECT_EQ(f.sel.range().end, 0);
    f.sel.moveRight(100, true);
    EXPECT_EQ(f.sel.range().end, 8);
    f.sel.moveRight(0);
    EXPECT_EQ(f.sel.range().start, 0) << "a zero count leaves the selection";
}

TEST(WordSelection, FieldMarksCountAsPositionsAndTypingGoesIntoTheCode) {
    Fixture f;
    f.sel.typeText(u"ab"_s);
    ASSERT_TRUE(f.sel.addEmptyField());
    EXPECT_EQ(f.sel.range().start, 3);
    f.sel.typeText(u"eq x"_s);
    EXPECT_EQ(shown(f.doc), u"ab{eq x}"_s);
    f.sel.moveRight(2);
    f.sel.typeText(u"."_s);
    EXPECT_EQ(shown(f.doc), u"ab{eq x}."_s);
    EXPECT_EQ(f.doc.length(), 9);
}

TEST(WordSelection, TypingOverAFieldMarkIsRefused) {
    Fixture f;
    f.sel.typeText(u"a"_s);
    f.sel.addEmptyField();
    f.sel.typeText(u"code"_s);
    f.sel.moveLeft(10);
    f.sel.moveRight(3, true);
    EXPECT_FALSE(f.sel.typeText(u"x"_s));
    EXPECT_FALSE(f.sel.addEmptyField());
    EXPECT_EQ(shown(f.doc), u"a{code}"_s);
}

TEST(WordSelection, TypedTextTakesTheFormatBeforeItWithinTheSameCode) {
    Fixture f;
    f.sel.typeText(u"ab"_s);
    f.sel.moveLeft(2, true);
    f.sel.setFontName(u"Serif"_s);
    f.sel.moveRight(1);
    f.sel.typeText(u"c"_s); // after "b": Serif
    f.sel.addEmptyField();
    f.sel.typeText(u"d"_s); // first in the code: default
    f.sel.moveRight(1);
    f.sel.typeText(u"e"_s); // after the field: default
    const auto& cells = f.doc.cells();
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(f.doc.font(int(cells[2].value)).name, u"Serif"_s);
    EXPECT_EQ(f.doc.font(int(cells[4].value)).name, QString());
    EXPECT_EQ(f.doc.font(int(cells[6].value)).name, QString());
}

TEST(WordSelection, FontSizeOutsideTheDocumentRangeIsRefused) {
    Fixture f;
    f.sel.typeText(u"ab"_s);
    f.sel.moveLeft(2, true);
    EXPECT_FALSE(f.sel.setFontSize(0));
    EXPECT_FALSE(f.sel.setFontSize(-3));
    EXPECT_FALSE(f.sel.setFontSize(2000));
    EXPECT_EQ(f.doc.font(int(f.doc.cells()[0].value)).halfPoints, 0);
    EXPECT_TRUE(f.sel.setFontSize(10.5));
    EXPECT_EQ(f.doc.font(int(f.doc.cells()[0].value)).halfPoints, 21);
}

TEST(WordSelection, UpdateReachesTheFieldsTheSelectionTouches) {
    Fixture f;
    for (int k = 0; k < 2; ++k) {
        f.sel.addEmptyField();
        f.sel.typeText(u"eq \\a(up,down)"_s);
        f.sel.moveRight(1);
        f.sel.typeText(u"  "_s);
    }
    // Two blanks stand between the caret and the last field: nothing is touched.
    f.sel.updateFields();
    EXPECT_FALSE(f.doc.fieldResult(1).stacked);
    f.sel.moveLeft(2);
    f.sel.updateFields(); // right after the end mark
    EXPECT_TRUE(f.doc.fieldResult(1).stacked);
    EXPECT_FALSE(f.doc.fieldResult(0).stacked);
    f.sel.moveLeft(25);
    f.sel.updateFields(); // inside the first field's code
    EXPECT_TRUE(f.doc.fieldResult(0).stacked);
}

// The export's cursor counts: from the end of the code back to the transcription, select it, skip
// the separator, select the word, leave the field.
struct StackCase {
    bool phoneticAbove;
    QString open, close; // delimiters around the transcription
};

class ExportSteps : public ::testing::TestWithParam<StackCase> {};

TEST_P(ExportSteps, CountsSelectExactlyTheTranscriptionAndTheWord) {
    const StackCase& c = GetParam();
    const QString word = u"Hello"_s;
    const QString phon = u"h@'l@U"_s;
    Fixture f;
    f.sel.typeText(u"note\r\n"_s);
    ASSERT_TRUE(f.sel.addEmptyField());
    const int n = int(phon.size()), w = int(word.size());
    if (c.phoneticAbove) {
        f.sel.typeText(u"eq \\A("_s + c.open + phon + c.close + u',' + word + u')');
        f.sel.moveLeft(n + w + 3);
        f.sel.moveRight(n, true);
        f.sel.setFontName(u"Fonvella"_s);
        f.sel.setFontSize(14);
        f.sel.setFontColor(16711680);
        f.sel.moveRight(3);
        f.sel.moveRight(w, true);
        f.sel.setFontName(u"Times New Roman"_s);
        f.sel.setFontSize(16);
    } else {
        f.sel.typeText(u"eq \\A("_s + word + u',' + c.open + phon + c.close + u')');
        f.sel.moveLeft(w + n + 4);
        f.sel.moveRight(w, true);
        f.sel.setFontName(u"Times New Roman"_s);
        f.sel.setFontSize(16);
        f.sel.moveRight(2);
        f.sel.moveRight(n + 2, true);
        f.sel.setFontName(u"Fonvella"_s);
        f.sel.setFontSize(14);
        f.sel.setFontColor(16711680);
    }
    f.sel.moveRight(4);
    f.sel.updateFields();
    f.sel.typeText(u","_s);
    EXPECT_EQ(shown(f.doc).right(2), u"},"_s) << "the comma follows the field";

    const auto fields = f.doc.fields();
    ASSERT_EQ(fields.size(), 1u);
    const auto& runs = fields[0].codeRuns;
    auto fontOf = [&](const QString& text) {
        for (const WordRun& r : runs)
            if (r.text == text)
                return f.doc.font(r.font);
        ADD_FAILURE() << "no run " << text.toStdString();
        return WordFont();
    };
    const QString phonPart = c.phoneticAbove ? phon : c.open + phon + c.close;
    EXPECT_EQ(fontOf(phonPart), (WordFont{u"Fonvella"_s, 28, 16711680}));
    EXPECT_EQ(fontOf(word), (WordFont{u"Times New Roman"_s, 32, std::nullopt}));
    QString formatted;
    for (const WordRun& r : runs)
        if (r.font != 0)
            formatted += r.text;
    EXPECT_EQ(formatted, c.phoneticAbove ? phon + word : word + phonPart);

    const WordFieldResult& result = fields[0].result;
    ASSERT_TRUE(result.stacked);
    QString top, bottom;
    for (const WordRun& r : result.top)
        top += r.text;
    for (const WordRun& r : result.bottom)
        bottom += r.text;
    EXPECT_EQ(top, c.phoneticAbove ? c.open + phon + c.close : word);
    EXPECT_EQ(bottom, c.phoneticAbove ? word : c.open + phon + c.close);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ExportSteps,
                         ::testing::Values(StackCase{true, u"["_s, u"]"_s}, StackCase{true, u"/"_s, u"/"_s},
                                           StackCase{true, u" "_s, u" "_s}, StackCase{false, u"["_s, u"]"_s},
                                           StackCase{false, u"/"_s, u"/"_s},
                                           StackCase{false, u" "_s, u" "_s}),
                         [](const ::testing::TestParamInfo<StackCase>& info) {
                             const QString& open = info.param.open;
                             return std::string(info.param.phoneticAbove ? "Above" : "Below") +
                                    (open == u"["   ? "Square"
                                     : open == u"/" ? "Slashes"
                                                    : "Blanks");
                         });

TEST(WordDocument, FieldsNestNoDeeperThanWordAllows) {
    Fixture f;
    int made = 0;
    while (f.sel.addEmptyField() && made < 100)
        ++made;
    EXPECT_EQ(made, 20);
}

} // namespace
