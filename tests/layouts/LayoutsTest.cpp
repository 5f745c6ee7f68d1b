#include "annotation/InterlinearLayout.h"
#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/SelectedWord.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/EventYield.h"
#include "platform/services/MessageBox.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/WordApplication.h"
#include "tests/support/NoProgress.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A small word list in a program folder without a database; notation left as stored.
class Layouts : public ::testing::Test {
protected:
    void SetUp() override {
        list.add({u"the=|这|D@"_s, u"cat=|猫|k{t"_s, u"don=|唐|dQn"_s, u"t=|t|ti:"_s, u"hello=|你好|h@'l@U"_s,
                  u"world=|世界|w3:ld"_s, u"wellknown=|著名|welnEUn"_s, u"mnopqrstuvwxyzab=|x|LONG"_s,
                  u"defghijklmnopqr=|x|last15"_s});
        Module1::phoneticSystem = u"as-stored"_s;
        Module1::bracketMode = u"["_s;
        Module1::leftBracket = u"["_s;
        Module1::rightBracket = u"]"_s;
        Module1::wordSeparator = u"kongge"_s;
        Module1::phoneticFontName = u"Fonvella"_s;
        Module1::phoneticFontSize = 15;
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
    }

    QString line(const QString& text) {
        CachedLookup lookup(ScanVariants::TranscriptionLine(), list);
        NoProgress sink;
        ProgressReporter progress(sink);
        EventYield events;
        return InterlinearLayout::transcriptionLine(text + u"     "_s, lookup, progress, events);
    }

    TempFolder folder;
    WordList list;
};

TEST_F(Layouts, SelectedWordChecks) {
    const struct {
        QString selection;
        QString prompt; // empty: accepted
        int style;
    } cases[] = {
        {u""_s, u"当前未选定内容"_s, MsgBox::Information},
        {u"   "_s, u"当前未选定内容"_s, MsgBox::Information},
        {u" cat"_s, u"选定内容（ cat）中存在空格或非英文字符，选定内容不是英文单词！"_s, MsgBox::Critical},
        {u"two words"_s, u"选定内容（two words）中存在空格或非英文字符，选定内容不是英文单词！"_s,
         MsgBox::Critical},
        {u"ca\r\nt"_s, u"选定内容（ca\r\nt）中存在空格或非英文字符，选定内容不是英文单词！"_s,
         MsgBox::Critical},
        {u"3.5"_s, QString(), 0},
        {u"１２"_s, QString(), 0},
        {u"cat  "_s, QString(), 0},
        {u"don't"_s, QString(), 0},
    };
    for (const auto& c : cases) {
        const SelectedWord::Refusal r = SelectedWord::check(c.selection);
        EXPECT_EQ(r.prompt, c.prompt) << c.selection.toStdString();
        if (!c.prompt.isEmpty()) {
            EXPECT_EQ(r.style, c.style) << c.selection.toStdString();
        }
    }
}

TEST_F(Layouts, SelectedWordAnnotation) {
    const auto same = [](const QString& s) { return s; };
    EXPECT_EQ(SelectedWord::annotation(u"Cat"_s, list, same), u"[k{t] "_s);
    EXPECT_EQ(SelectedWord::annotation(u"3.5"_s, list, same), u"[  ] "_s);
    Module1::wordSeparator = u"huiche"_s;
    EXPECT_EQ(SelectedWord::annotation(u"cat  "_s, list, same), u"[k{t]\r\n"_s);
}

TEST_F(Layouts, TranscriptionLines) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {u"the cat."_s, u" [D@ ]  [k{t]       "_s},
        {u"don't"_s, u" [dQn]  [ti:]      "_s},
        {u"well-known"_s, u" [welnEUn  ]      "_s},
        // 18 letters: the first three starts find no end, the last 15 letters form the word.
        {u"abcdefghijklmnopqr"_s, u" [last15         ]      "_s},
        {u"你好。"_s, u"         "_s},
        {u"zzz"_s, u" [   ]      "_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(line(c.text), c.expected) << c.text.toStdString();
}

TEST_F(Layouts, StoppedRunGivesSingleBlankLines) {
    Module1::stopAnnotateFlag = false;
    EXPECT_EQ(line(u"the cat"_s), u" "_s);
}

TEST_F(Layouts, TextLinesDropBlankLinesAndPadTheOthers) {
    bool tooMany = true;
    EXPECT_EQ(InterlinearLayout::textLines({u"a"_s, u"   "_s, u""_s, u"\tb"_s}, tooMany),
              (QStringList{u"a     "_s, u"\tb     "_s}));
    EXPECT_FALSE(tooMany);
}

TEST_F(Layouts, PageBodyOrderFollowsTheLayout) {
    const QStringList text{u"the cat     "_s};
    const QStringList phon{u" [D@]"_s};
    EXPECT_EQ(InterlinearLayout::pageBody(text, phon, true),
              u"<span class=pronounce> [D@]</span><br>the cat     <br>"_s);
    EXPECT_EQ(InterlinearLayout::pageBody(text, phon, false),
              u"the cat     <br><span class=pronounce> [D@]</span><br>"_s);
}

struct ExportCase {
    bool above;
    QString bracketMode;
    QStringList codes;
};

class WordExportTest : public Layouts, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(WordExportTest, HelloWorldFieldsAndText) {
    const ExportCase& c = GetParam();
    Module1::bracketMode = c.bracketMode;
    FakeShell shell;
    WordApplication word(shell);
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    EXPECT_EQ(
        WordExport::run(word, Recognition::scannedText(u"Hello, world."_s), c.above, list, progress, events),
        2);
    const WordDocument* doc = word.activeDocument();
    ASSERT_NE(doc, nullptr);
    QString text = doc->text({0, doc->length()});
    const auto fields = doc->fields();
    ASSERT_EQ(fields.size(), 2u);
    for (const auto& f : fields)
        text.replace(f.code, u"code"_s);
    text.replace(QChar(WordDocument::kBeginMark), u'{').replace(QChar(WordDocument::kEndMark), u'}');
    EXPECT_EQ(text, WordExport::note() + u"\r\n{code}, {code}.  "_s);
    EXPECT_EQ(fields[0].code, c.codes[0]);
    EXPECT_EQ(fields[1].code, c.codes[1]);
    for (const auto& f : fields) {
        EXPECT_TRUE(f.result.stacked);
        for (const WordRun& r : f.codeRuns) {
            const WordFont& font = doc->font(r.font);
            if (r.text == u"Hello" || r.text == u"world") {
                EXPECT_EQ(font, (WordFont{u"Times New Roman"_s, 32, std::nullopt}));
            } else if (r.text.contains(u'@') || r.text.contains(u'3')) {
                EXPECT_EQ(font, (WordFont{u"Fonvella"_s, 28, 16711680}));
            } else {
                EXPECT_EQ(font, WordFont());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Placements, WordExportTest,
    ::testing::Values(ExportCase{true, u"["_s, {u"eq \\A([h@'l@U],Hello)"_s, u"eq \\A([w3:ld],world)"_s}},
                      ExportCase{true, u"/"_s, {u"eq \\A(/h@'l@U/,Hello)"_s, u"eq \\A(/w3:ld/,world)"_s}},
                      ExportCase{true, u"|"_s, {u"eq \\A( h@'l@U ,Hello)"_s, u"eq \\A( w3:ld ,world)"_s}},
                      ExportCase{false, u"["_s, {u"eq \\A(Hello,[h@'l@U])"_s, u"eq \\A(world,[w3:ld])"_s}},
                      ExportCase{false, u"/"_s, {u"eq \\A(Hello,/h@'l@U/)"_s, u"eq \\A(world,/w3:ld/)"_s}},
                      ExportCase{false, u"|"_s, {u"eq \\A(Hello, h@'l@U )"_s, u"eq \\A(world, w3:ld )"_s}}),
    [](const ::testing::TestParamInfo<ExportCase>& info) {
        const QString& mode = info.param.bracketMode;
        return std::string(info.param.above ? "Above" : "Below") + (mode == u"["   ? "Square"
                                                                    : mode == u"/" ? "Slashes"
                                                                                   : "Bars");
    });

TEST_F(Layouts, WordExportUnknownWordAndStop) {
    FakeShell shell;
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    Module1::bracketMode = u"/"_s;
    {
        WordApplication word(shell);
        WordExport::run(word, Recognition::scannedText(u"zzz\r\n"_s), false, list, progress, events);
        const auto fields = word.activeDocument()->fields();
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].code, u"eq \\A(zzz,/  /)"_s);
        EXPECT_TRUE(word.activeDocument()->text({0, word.activeDocument()->length()}).endsWith(u"\r\n  "_s));
    }
    Module1::stopAnnotateFlag = false;
    WordApplication word(shell);
    EXPECT_EQ(WordExport::run(word, Recognition::scannedText(u"Hello"_s), true, list, progress, events), 0);
    EXPECT_EQ(word.activeDocument()->text({0, word.activeDocument()->length()}),
              WordExport::note() + u"\r\n"_s);
}

TEST_F(Layouts, WordExportKeepsTheLeadingLettersOfALongRun) {
    FakeShell shell;
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    WordApplication word(shell);
    // 25 letters: the last 20 form the word, the first five are typed as they stand.
    WordExport::run(word, Recognition::scannedText(u"abcdefghijklmnopqrstuvwxy"_s), true, list, progress,
                    events);
    const WordDocument* doc = word.activeDocument();
    const QString text = doc->text({0, doc->length()});
    EXPECT_TRUE(text.startsWith(WordExport::note() + u"\r\nabcde\x13"_s)) << text.toStdString();
    ASSERT_EQ(doc->fields().size(), 1u);
    EXPECT_TRUE(doc->fields()[0].code.endsWith(u",fghijklmnopqrstuvwxy)"_s));
}

} // namespace
