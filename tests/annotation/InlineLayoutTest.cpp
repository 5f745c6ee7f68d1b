#include "annotation/InlineLayout.h"
#include "annotation/HtmlPage.h"
#include "annotation/PhoneticFont.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "lexicon/Module1.h"
#include "platform/core/Ansi.h"
#include "platform/core/EventYield.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct NullSink final : ProgressSink {
    void setCaption(const QString& text) override { last = text; }
    QString last;
};

class InlineLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.add({QStringLiteral("cat=|猫|kAt"), QStringLiteral("the=|这|DE")});
        Module1::phoneticSystem = QStringLiteral("new");
        Module1::wordSeparator = QStringLiteral("kongge");
        Module1::phoneticFontSize = 12;
        Module1::bracketMode = QStringLiteral("[");
        Module1::DeriveBrackets();
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
    }

    // Recognition and insertion of the inline layout on the editor's text.
    QString annotate(const QString& text) {
        editor.setText(text);
        scanned = Recognition::scannedText(editor.text());
        ProgressReporter progress(sink);
        EventYield events;
        Recognition::run(scanned, ScanVariants::Inline(), list, transcriptions, ends, progress, events);
        InlineLayout::insert(editor, transcriptions, ends, InlineStyle::fromSettings(kColor), progress);
        return editor.text();
    }

    static QString code(const char* raw) { return Module1::ToNewNotation(QString::fromLatin1(raw)); }

    static constexpr int kColor = 0xFF3300;
    TempFolder folder;
    WordList list;
    RichTextBox editor;
    NullSink sink;
    QString scanned;
    QStringList transcriptions;
    QList<int> ends;
};

} // namespace

TEST_F(InlineLayoutTest, QueuesTranscriptionsWithEndPositions) {
    annotate(QStringLiteral("The cat"));
    EXPECT_EQ(transcriptions, (QStringList{code("DE"), code("kAt")}));
    EXPECT_EQ(ends, (QList<int>{4, 8}));
}

TEST_F(InlineLayoutTest, BracketModesAndSeparators) {
    struct Case {
        const char* mode;
        const char* separator;
        QString left, right, sep;
    };
    const std::vector<Case> cases = {
        {"[", "kongge", QStringLiteral("["), QStringLiteral("]"), QStringLiteral(" ")},
        {"/", "kongge", QStringLiteral("/"), QStringLiteral("/"), QStringLiteral(" ")},
        {"|", "kongge", QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")},
        {"[", "huiche", QStringLiteral("["), QStringLiteral("]"), QStringLiteral("\r\n")},
    };
    for (const Case& c : cases) {
        Module1::bracketMode = QString::fromLatin1(c.mode);
        Module1::wordSeparator = QString::fromLatin1(c.separator);
        Module1::DeriveBrackets();
        transcriptions.clear();
        ends.clear();
        const QString the = c.left + code("DE") + c.right + c.sep;
        const QString cat = c.left + code("kAt") + c.right + c.sep;
        EXPECT_EQ(annotate(QStringLiteral("the cat.")),
                  QStringLiteral("the") + the + QStringLiteral(" cat") + cat + QStringLiteral("."))
            << c.mode << " " << c.separator;

        // Each inserted part carries the phonetic run format; the words keep theirs.
        const int catAt = 3 + static_cast<int>(the.size()) + 4;
        for (const auto& [start, length] : {std::pair{3, the.size()}, std::pair{catAt, cat.size()}}) {
            editor.setSelStart(start);
            editor.setSelLength(static_cast<int>(length));
            EXPECT_EQ(editor.selFontName(), PhoneticFont::family()) << c.mode << c.separator;
            EXPECT_EQ(editor.selColor(), kColor);
            EXPECT_EQ(editor.selFontSize(), 12.0);
        }
        editor.setSelStart(0);
        editor.setSelLength(3);
        EXPECT_NE(editor.selFontName(), PhoneticFont::family());
    }
}

TEST_F(InlineLayoutTest, UnknownWordGetsNoMark) {
    EXPECT_EQ(annotate(QStringLiteral("zzz cat")),
              QStringLiteral("zzz cat[") + code("kAt") + QStringLiteral("] "));
}

TEST_F(InlineLayoutTest, LineBreaksCountTwiceInPositions) {
    EXPECT_EQ(annotate(QStringLiteral("the\r\ncat")), QStringLiteral("the[") + code("DE") +
                                                          QStringLiteral("] \r\ncat[") + code("kAt") +
                                                          QStringLiteral("] "));
    EXPECT_EQ(ends, (QList<int>{4, 9}));
}

TEST_F(InlineLayoutTest, StopStages) {
    Module1::stopAnnotateFlag = false;
    EXPECT_EQ(annotate(QStringLiteral("the cat")), QStringLiteral("the cat"));
    EXPECT_TRUE(transcriptions.isEmpty());

    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = false;
    EXPECT_EQ(annotate(QStringLiteral("the cat")), QStringLiteral("the cat"));
    EXPECT_EQ(transcriptions.size(), 2);
}

TEST_F(InlineLayoutTest, ProgressEndsOnTheLastFigures) {
    annotate(QStringLiteral("the cat"));
    EXPECT_EQ(sink.last, QStringLiteral("植入音标：.%")); // the insertion counts down to entry 0
}

TEST_F(InlineLayoutTest, HtmlPageBytesForASmallDocument) {
    annotate(QStringLiteral("the 猫 <b>"));
    FakeShell shell;
    const QString body =
        InlineLayout::pageBody(scanned, transcriptions, ends, InlineStyle::fromSettings(kColor));
    ASSERT_TRUE(
        HtmlPage::writeAndOpen(HtmlPage::header(12, 12), body, QStringLiteral("</body></html>"), shell));
    EXPECT_EQ(shell.opened, QStringList{folder.file(QStringLiteral("tmpHTML.htm"))});

    const QString expected =
        QStringLiteral(
            "<html><head><meta http-equiv=Content-Type content=text/html; charset=gbk /><meta "
            "http-equiv=content-language content=gbk /><style type=text/css><!--\r\n"
            ".pronounce1{font-family: Lucida Sans Unicode, Microsoft Sans Serif;font-size: 12px;color: "
            "#0033FF;}\r\n"
            ".pronounce{font-family:Fonvella;font-size: 12px;color: #0033FF;}\r\n"
            "--></style><body bgcolor=#ffffff>") +
        QStringLiteral("the<span class=pronounce1>[") + Module1::ToHtmlEntities(code("DE")) +
        QStringLiteral("] </span> 猫 &lt;b&gt;  </body></html>\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("tmpHTML.htm")), Ansi::encode(expected));
}

TEST_F(InlineLayoutTest, UnwritablePageIsNotOpened) {
    FakeShell shell;
    QDir().mkpath(folder.file(QStringLiteral("tmpHTML.htm/x"))); // a folder where the page should go
    EXPECT_FALSE(HtmlPage::writeAndOpen(HtmlPage::header(12, 12), QString(), QString(), shell));
    EXPECT_TRUE(shell.opened.isEmpty());
}
