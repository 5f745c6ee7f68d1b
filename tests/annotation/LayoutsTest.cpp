#include "annotation/AppendedLayout.h"
#include "annotation/InlineLayout.h"
#include "annotation/InterlinearLayout.h"
#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/SelectedWord.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/EventYield.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/DocxWriter.h"
#include "platform/word/WordApplication.h"
#include "tests/support/NoProgress.h"
#include "tests/support/TempFolder.h"

#include <QXmlStreamReader>

#include <map>

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

// A long list goes in as paragraphs of kEntriesPerParagraph entries, each laid out on its own.
TEST_F(Layouts, AppendedListEndsAParagraphEveryHundredEntries) {
    RichTextBox editor;
    editor.setText(u"text"_s);
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    AppendedLayout::append(editor, QStringList(250, u"k{t"_s), InlineStyle::fromSettings(0xFF0000), progress,
                           events);
    const QString paragraph = u"[k{t] "_s.repeated(99) + u"[k{t]\r\n"_s;
    EXPECT_EQ(editor.text(), u"text\r\n"_s + paragraph + paragraph + u"[k{t] "_s.repeated(50));
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
        WordExport::run(word, Recognition::scannedText(u"Hello, world."_s), c.above, list, progress, events)
            .fields,
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

// A run of a ruby in the written document, with the parts of its format that the export sets.
struct RubyRun {
    QString text;
    QString font;
    QString color;
    QString halfPoints;
    bool operator==(const RubyRun&) const = default;
};

struct Ruby {
    QString topHalfPoints;
    std::vector<RubyRun> top;
    std::vector<RubyRun> base;
};

// The formats of the character styles, by style id.
std::map<QString, RubyRun> characterStyles(const QByteArray& xml) {
    std::map<QString, RubyRun> out;
    QXmlStreamReader reader(xml);
    RubyRun* style = nullptr;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.qualifiedName();
        const auto attributes = reader.attributes();
        if (name == u"w:style")
            style = &out[attributes.value(u"w:styleId"_s).toString()];
        else if (style && name == u"w:rFonts")
            style->font = attributes.value(u"w:ascii"_s).toString();
        else if (style && name == u"w:color")
            style->color = attributes.value(u"w:val"_s).toString();
        else if (style && name == u"w:sz")
            style->halfPoints = attributes.value(u"w:val"_s).toString();
    }
    return out;
}

// The rubies of the document, each run with its format, set directly or through its style.
std::vector<Ruby> rubies(const WordDocument& doc) {
    const std::map<QString, RubyRun> styles = characterStyles(stylesXml(doc));
    std::vector<Ruby> out;
    QXmlStreamReader reader(documentXml(doc));
    std::vector<RubyRun>* line = nullptr;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        const auto name = reader.qualifiedName();
        if (token == QXmlStreamReader::EndElement && name == u"w:ruby")
            line = nullptr;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString value = reader.attributes().value(u"w:val"_s).toString();
        if (name == u"w:ruby")
            out.emplace_back();
        else if (out.empty())
            continue;
        else if (name == u"w:hps" && !line)
            out.back().topHalfPoints = value;
        else if (name == u"w:rt")
            line = &out.back().top;
        else if (name == u"w:rubyBase")
            line = &out.back().base;
        else if (name == u"w:r" && line)
            line->emplace_back();
        else if (!line || line->empty())
            continue;
        else if (name == u"w:rStyle" && styles.count(value))
            line->back() = styles.at(value);
        else if (name == u"w:rFonts")
            line->back().font = reader.attributes().value(u"w:ascii"_s).toString();
        else if (name == u"w:color")
            line->back().color = value;
        else if (name == u"w:sz")
            line->back().halfPoints = value;
        else if (name == u"w:t")
            line->back().text = reader.readElementText();
    }
    return out;
}

void PrintTo(const RubyRun& r, std::ostream* os) {
    *os << '"' << r.text.toStdString() << "\" " << r.font.toStdString() << ' ' << r.color.toStdString() << ' '
        << r.halfPoints.toStdString();
}

struct ShortWordCase {
    bool above;
    QString bracketMode;
    QString open;
    QString close;
};

class WordExportShortWords : public Layouts, public ::testing::WithParamInterface<ShortWordCase> {};

// A transcription of one or two symbols keeps the phonetic format in the written document, though
// the brackets of "word1", in the default format, are as many characters or more.
TEST_P(WordExportShortWords, TranscriptionKeepsItsFormat) {
    const ShortWordCase& c = GetParam();
    Module1::bracketMode = c.bracketMode;
    list.add({u"a=|一|@"_s, u"on=|在|Qn"_s});
    FakeShell shell;
    WordApplication word(shell);
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    ASSERT_EQ(
        WordExport::run(word, Recognition::scannedText(u"a on"_s), c.above, list, progress, events).fields,
        2);
    const std::vector<Ruby> found = rubies(*word.activeDocument());
    ASSERT_EQ(found.size(), 2u);
    const std::pair<QString, QString> words[] = {{u"a"_s, u"@"_s}, {u"on"_s, u"Qn"_s}};
    for (std::size_t k = 0; k < 2; ++k) {
        const auto& [spelling, phon] = words[k];
        SCOPED_TRACE(spelling.toStdString());
        const std::vector<RubyRun> transcription = {
            {c.open + phon + c.close, u"Fonvella"_s, u"0000FF"_s, u"28"_s}};
        const std::vector<RubyRun> plain = {{spelling, u"Times New Roman"_s, QString(), u"32"_s}};
        EXPECT_EQ(found[k].top, c.above ? transcription : plain);
        EXPECT_EQ(found[k].base, c.above ? plain : transcription);
        EXPECT_EQ(found[k].topHalfPoints, c.above ? u"28"_s : u"32"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(BracketModes, WordExportShortWords,
                         ::testing::Values(ShortWordCase{true, u"["_s, u"["_s, u"]"_s},
                                           ShortWordCase{true, u"/"_s, u"/"_s, u"/"_s},
                                           ShortWordCase{true, u"|"_s, u" "_s, u" "_s},
                                           ShortWordCase{false, u"["_s, u"["_s, u"]"_s},
                                           ShortWordCase{false, u"/"_s, u"/"_s, u"/"_s},
                                           ShortWordCase{false, u"|"_s, u" "_s, u" "_s}),
                         [](const ::testing::TestParamInfo<ShortWordCase>& info) {
                             const QString& mode = info.param.bracketMode;
                             return std::string(info.param.above ? "Above" : "Below") +
                                    (mode == u"["   ? "Square"
                                     : mode == u"/" ? "Slashes"
                                                    : "Blanks");
                         });

// Past 1,000,000 words the appended layout's recognition and the export stop before the next word and
// say so; exactly 1,000,000 words is within the limit.
TEST_F(Layouts, WordLimitIsMoreThanAMillion) {
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    for (const qsizetype words : {Recognition::kMaxQueued, Recognition::kMaxQueued + 1}) {
        SCOPED_TRACE(words);
        const QString scanned = Recognition::scannedText(u"t "_s.repeated(words));
        QStringList queue;
        QList<int> ends;
        Module1::stopAnnotateFlag = true;
        EXPECT_EQ(Recognition::run(scanned, ScanVariants::Appended(), list, queue, ends, progress, events),
                  words == Recognition::kMaxQueued);
        EXPECT_EQ(queue.size(), Recognition::kMaxQueued);

        Module1::stopAnnotateFlag = true;
        FakeShell shell;
        WordApplication word(shell);
        const WordExport::Written written = WordExport::run(word, scanned, true, list, progress, events);
        EXPECT_EQ(written.fields, Recognition::kMaxQueued);
        EXPECT_EQ(written.tooMany, words > Recognition::kMaxQueued);
    }
}

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
    EXPECT_EQ(
        WordExport::run(word, Recognition::scannedText(u"Hello"_s), true, list, progress, events).fields, 0);
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
