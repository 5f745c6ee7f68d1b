#include "annotation/Recognition.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/WordApplication.h"
#include "platform/word/WordDocument.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/support/MenuItems.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The main window with a two-word list, driven through its own menus.
class LayoutCommands : public ::testing::Test {
protected:
    LayoutCommands()
        : start(fakes.services(), folder.file(u"phonexa.lock"_s)), window(fakes.services(), start) {
        window.Listword.add({u"hello=|你好|he5lEu"_s, u"world=|世界|wE:ld"_s});
        Module1::phoneticSystem = u"old"_s;
        Module1::bracketMode = u"["_s;
        Module1::DeriveBrackets();
        Module1::wordSeparator = u"kongge"_s;
        Module1::phoneticFontName = u"Fonvella"_s;
        Module1::phoneticFontSize = 15;
    }

    QAction* action(const char* name) {
        auto* a = window.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    TempFolder folder;
    FakeServices fakes;
    frmstep1 start;
    frmMain window;
};

TEST_F(LayoutCommands, SelectionMenuAnnotatesTheSelectedWordInEachNotation) {
    const struct {
        const char* item;
        QString expected; // the separator follows the transcription
    } cases[] = {
        {"mnupcidian", u"hello[he5lEu]  world"_s},
        {"mnupcidian2", u"hello[he5lEJ]  world"_s},
        {"mnupcidian3", u"hello[hZ5lo]  world"_s},
    };
    for (const auto& c : cases) {
        window.Rich1->setText(u"hello world"_s);
        window.Rich1->setSelStart(0);
        window.Rich1->setSelLength(5);
        QAction* item = action(c.item);
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(window.findChild<QMenu*>(u"popmenu2"_s)->actions().contains(item)) << c.item;
        chooseMenuItem(window, c.item);
        EXPECT_EQ(window.Rich1->text(), c.expected) << c.item;
    }
}

TEST_F(LayoutCommands, ExportThatCannotBeOpenedIsReportedAndUnlocks) {
    Module1::outputPlacement = u"word1"_s;
    fakes.shell.succeed = false;
    window.Rich1->setText(u"hello world."_s);
    chooseMenuItem(window, "mnupiliang");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"友情提示"_s);
    EXPECT_TRUE(window.Rich1->isEnabled());
    EXPECT_TRUE(action("mnupiliang")->isEnabled());
    ASSERT_EQ(fakes.shell.opened.size(), 1u);
    EXPECT_TRUE(fakes.shell.opened[0].endsWith(u".docx"_s));
}

// Past 1,000,000 words the appended layout and the Word export say that the text is too large, as the
// inline layout does, and still end their run.
TEST_F(LayoutCommands, TextPastTheWordLimitIsReported) {
    window.Listword.add({u"t=|t|ti:"_s});
    // Lines of 40 words and one of the 41st.
    const QString text = (u"t "_s.repeated(40) + u"\r\n"_s).repeated(Recognition::kMaxQueued / 40) + u"t"_s;
    for (const char* placement : {"self", "word1"}) {
        fakes.messageBox.shown.clear();
        Module1::outputPlacement = QString::fromLatin1(placement);
        window.Rich1->setText(text);
        action("mnupiliang")->trigger();
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u) << placement;
        EXPECT_EQ(fakes.messageBox.shown[0].prompt, u"当前标注文档太大，建议分成更多小文档继续处理！"_s);
        EXPECT_TRUE(window.Rich1->isEnabled()) << placement;
    }
}

// Each full-text placement through the annotation command, as the user runs it: the document it
// leaves in the editor and, for the Word placement, the text of the word processor's document with
// each field shown as {code}.
TEST_F(LayoutCommands, PlacementsLeaveTheirDocuments) {
    const QString text = u"hello world.\r\n\r\nworld"_s;
    const struct {
        const char* placement;
        QString editor;
        QString word;
    } cases[] = {
        // The full stop ends "world" and adds nothing; each appended blank adds one.
        {"up", u" [he5lEu]  [wE:ld]       \r\nhello world.     \r\n [wE:ld]      \r\nworld     \r\n"_s, {}},
        {"down", u"hello world.     \r\n [he5lEu]  [wE:ld]       \r\nworld     \r\n [wE:ld]      \r\n"_s, {}},
        {"self", u"hello world.\r\n\r\nworld\r\n[he5lEu] [wE:ld] [wE:ld] "_s, {}},
        {"word2", text,
         u"\r\n{eq \\A(hello,[he5lEu])} {eq \\A(world,[wE:ld])}.\r\n\r\n{eq \\A(world,[wE:ld])}  "_s},
    };
    for (const auto& c : cases) {
        fakes.shell.opened.clear();
        Module1::outputPlacement = QString::fromLatin1(c.placement);
        window.Rich1->setText(text);
        chooseMenuItem(window, "mnupiliang");
        EXPECT_EQ(window.Rich1->text(), c.editor) << c.placement;
        EXPECT_TRUE(window.Rich1->isEnabled()) << c.placement;
        if (c.word.isEmpty()) {
            EXPECT_TRUE(fakes.shell.opened.isEmpty()) << c.placement;
            continue;
        }
        ASSERT_NE(window.wordApp, nullptr);
        const WordDocument* doc = window.wordApp->activeDocument();
        ASSERT_NE(doc, nullptr);
        QString shown = doc->text({0, doc->length()});
        shown.replace(QChar(WordDocument::kBeginMark), u'{').replace(QChar(WordDocument::kEndMark), u'}');
        EXPECT_EQ(shown, WordExport::note() + c.word) << c.placement;
        EXPECT_EQ(fakes.shell.opened.size(), 1) << c.placement;
    }
}

} // namespace
