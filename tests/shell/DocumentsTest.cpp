#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "shell/Form1.h"
#include "shell/Frmchayi.h"
#include "shell/frmMain.h"
#include "shell/frmstep1.h"
#include "tests/support/LocalFileServer.h"
#include "tests/support/MenuItems.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

const QString kTitle = QStringLiteral("英语Phonexa企业版");

class DocumentsTest : public ::testing::Test {
protected:
    DocumentsTest()
        : start(fakes.services(), folder.file(QStringLiteral("phonexa.lock"))),
          window(fakes.services(), start) {}

    RichTextBox& rich() { return *window.Rich1; }

    // Selects and lets the editor report the new selection, as it does once the view follows.
    void select(int start, int length) {
        rich().setSelStart(start);
        rich().setSelLength(length);
        QCoreApplication::processEvents();
    }

    QString document(const QString& name, const QByteArray& bytes) {
        folder.write(name, bytes);
        return folder.file(name);
    }

    QStringList recent() const {
        QStringList out;
        for (QAction* item : window.mlastfile)
            if (item->isVisible())
                out.append(item->text());
        return out;
    }

    TempFolder folder;
    FakeServices fakes;
    frmstep1 start;
    frmMain window;
};

} // namespace

TEST_F(DocumentsTest, OpensPlainTextInEitherEncoding) {
    const QString text = QStringLiteral("音标 phonetic\r\n第二行");
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"utf-8", text.toUtf8()},
        {"utf-8 with byte order mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"gb18030", Ansi::encode(text)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = document(QStringLiteral("doc.txt"), c.bytes);
        fakes.dialogs.openAnswers.push_back({path});

        chooseMenuItem(window, "mnuFileopen");

        EXPECT_EQ(rich().text(), text);
        EXPECT_EQ(window.lblfile->text(), path);
        EXPECT_EQ(window.windowTitle(), path + QStringLiteral("    ") + kTitle);
        EXPECT_TRUE(window.mnuFileSaveAs->isEnabled());
    }
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 3u);
    EXPECT_EQ(fakes.dialogs.openRequests[0].filter, QStringLiteral("纯文本(*.txt)|*.txt|全部(*.*)|*.*"));
    EXPECT_EQ(fakes.dialogs.openRequests[0].title, QStringLiteral("打开文件|Phonexa"));
    // The same path opened again stays one entry.
    EXPECT_EQ(recent(), QStringList{QStringLiteral("&1 ") + folder.file(QStringLiteral("doc.txt"))});
}

TEST_F(DocumentsTest, OpenedPlainTextTakesTheDefaultTypingFont) {
    rich().setText(QStringLiteral("old"));
    select(0, 3);
    rich().setSelColor(0x0000FF);
    fakes.dialogs.openAnswers.push_back({document(QStringLiteral("a.txt"), "plain words")});
    chooseMenuItem(window, "mnuFileopen");
    select(0, 5);
    EXPECT_EQ(rich().selFontName(), QStringLiteral("宋体"));
    EXPECT_EQ(rich().selColor(), 0);
}

TEST_F(DocumentsTest, OpensRtfWithItsFormattingAndSavesTextFilesAsRtf) {
    const QString rtf =
        document(QStringLiteral("doc.rtf"), "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil Arial;}}"
                                            "\\f0\\fs24 plain \\b bold\\b0  \\'d2\\'f4\\par second}");
    fakes.dialogs.openAnswers.push_back({rtf});
    chooseMenuItem(window, "mnuFileopen");
    EXPECT_EQ(rich().text(), QStringLiteral("plain bold 音\r\nsecond"));
    select(6, 4);
    EXPECT_EQ(rich().selBold(), true);
    select(0, 5);
    EXPECT_EQ(rich().selBold(), false);
    EXPECT_EQ(window.lblfile->text(), rtf);

    // A plain-text document saved with Save is written as RTF to its own path.
    const QString txt = document(QStringLiteral("notes.txt"), "some notes");
    fakes.dialogs.openAnswers.push_back({txt});
    chooseMenuItem(window, "mnuFileopen");
    rich().setText(QStringLiteral("some notes, edited"));
    chooseMenuItem(window, "mnuFileSave");
    EXPECT_TRUE(folder.read(QStringLiteral("notes.txt")).startsWith("{\\rtf"));
    EXPECT_EQ(rich().text(), QStringLiteral("some notes, edited"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(DocumentsTest, CancelledOpenChangesNothing) {
    rich().setText(QStringLiteral("keep me"));
    fakes.dialogs.openAnswers.push_back({std::nullopt});
    chooseMenuItem(window, "mnuFileopen");
    EXPECT_EQ(rich().text(), QStringLiteral("keep me"));
    EXPECT_TRUE(window.lblfile->text().isEmpty());
    EXPECT_EQ(recent(), QStringList{QStringLiteral("无历史文件")});
}

TEST_F(DocumentsTest, UnreadableFileIsReportedAndChangesNothing) {
    rich().setText(QStringLiteral("keep me"));
    QDir(folder.path()).mkdir(QStringLiteral("folder.txt"));
    fakes.dialogs.openAnswers.push_back({folder.file(QStringLiteral("folder.txt"))});

    chooseMenuItem(window, "mnuFileopen");

    EXPECT_EQ(rich().text(), QStringLiteral("keep me"));
    EXPECT_TRUE(window.lblfile->text().isEmpty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(recent(), QStringList{QStringLiteral("无历史文件")});
}

TEST_F(DocumentsTest, RecentFileRingFollowsTheOpenedFiles) {
    QStringList paths;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"})
        paths.append(document(QLatin1String(name), QByteArray(name)));
    for (const QString& path : paths) {
        fakes.dialogs.openAnswers.push_back({path});
        chooseMenuItem(window, "mnuFileopen");
    }
    EXPECT_EQ(recent(), (QStringList{QStringLiteral("&1 ") + paths[4], QStringLiteral("&2 ") + paths[3],
                                     QStringLiteral("&3 ") + paths[2], QStringLiteral("&4 ") + paths[1]}));

    // Opening a listed file moves it to the front; choosing an item opens it and moves it too.
    fakes.dialogs.openAnswers.push_back({paths[2]});
    chooseMenuItem(window, "mnuFileopen");
    EXPECT_EQ(recent().first(), QStringLiteral("&1 ") + paths[2]);
    window.mlastfile[3]->trigger();
    EXPECT_EQ(rich().text(), QStringLiteral("b.txt"));
    EXPECT_EQ(window.lblfile->text(), paths[1]);
    EXPECT_EQ(recent().first(), QStringLiteral("&1 ") + paths[1]);
}

TEST_F(DocumentsTest, MissingRecentFileIsReportedAndStaysListed) {
    const QString path = document(QStringLiteral("gone.txt"), "x");
    fakes.dialogs.openAnswers.push_back({path});
    chooseMenuItem(window, "mnuFileopen");
    rich().setText(QStringLiteral("current"));
    QFile::remove(path);

    window.mlastfile[0]->trigger();

    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt,
              QStringLiteral("要打开的文件：") + path + QStringLiteral(" 不存在！"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(rich().text(), QStringLiteral("current"));
    EXPECT_EQ(recent(), QStringList{QStringLiteral("&1 ") + path});
}

TEST_F(DocumentsTest, SavingANeverSavedDocumentAsksForAName) {
    rich().setText(QStringLiteral("text"));
    ASSERT_TRUE(window.mnuFileSave->isEnabled());
    fakes.dialogs.saveAnswers.push_back({std::nullopt});

    chooseMenuItem(window, "mnuFileSave");

    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("    ") + kTitle);
    // Nothing was saved, so Save stays available.
    EXPECT_TRUE(window.mnuFileSave->isEnabled());

    const QString path = folder.file(QStringLiteral("new.rtf"));
    fakes.dialogs.saveAnswers.push_back({path});
    chooseMenuItem(window, "mnuFileSave");

    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(fakes.dialogs.saveRequests[1].filter, QStringLiteral("富文本(*.rtf)|*.rtf|"));
    EXPECT_EQ(fakes.dialogs.saveRequests[1].title, QStringLiteral("保存文件(富文本才能保存格式)"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(window.lblfile->text(), path);
    EXPECT_EQ(window.windowTitle(), path + QStringLiteral("    ") + kTitle);
    EXPECT_FALSE(window.mnuFileSave->isEnabled());
    EXPECT_TRUE(fakes.messageBox.shown.empty());

    // With a current path Save writes there without asking.
    rich().setText(QStringLiteral("changed"));
    EXPECT_TRUE(window.mnuFileSave->isEnabled());
    chooseMenuItem(window, "mnuFileSave");
    EXPECT_EQ(fakes.dialogs.saveRequests.size(), 2u);
    EXPECT_FALSE(window.mnuFileSave->isEnabled());
}

TEST_F(DocumentsTest, SaveAsOntoAnExistingFileAsksFirst) {
    const QByteArray old = "old contents";
    const QString target = document(QStringLiteral("exists.rtf"), old);
    const QString current = folder.file(QStringLiteral("current.rtf"));
    rich().setText(QStringLiteral("text"));
    fakes.dialogs.saveAnswers.push_back({current});
    chooseMenuItem(window, "mnuFileSaveAs");
    ASSERT_EQ(window.lblfile->text(), current);

    // Cancel: the chosen file stays as it was, the document is saved to its own path instead.
    rich().setText(QStringLiteral("more text"));
    fakes.dialogs.saveAnswers.push_back({target});
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    chooseMenuItem(window, "mnuFileSaveAs");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt,
              QStringLiteral("文件名已经存在，将覆盖原文件！您确定要覆盖它吗？"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::OkCancel | MsgBox::Question);
    EXPECT_EQ(folder.read(QStringLiteral("exists.rtf")), old);
    EXPECT_EQ(window.lblfile->text(), current);
    EXPECT_FALSE(window.mnuFileSave->isEnabled());

    // OK: the chosen file is replaced and becomes the current path.
    fakes.dialogs.saveAnswers.push_back({target});
    fakes.messageBox.queueAnswer(MsgBox::Ok);
    chooseMenuItem(window, "mnuFileSaveAs");
    EXPECT_NE(folder.read(QStringLiteral("exists.rtf")), old);
    EXPECT_EQ(window.lblfile->text(), target);
    EXPECT_EQ(window.windowTitle(), target + QStringLiteral("    ") + kTitle);
}

TEST_F(DocumentsTest, FailedSaveIsReportedAndKeepsTheOldFile) {
    // A folder where the document should go makes the write fail whatever the user's rights.
    const QString path = folder.file(QStringLiteral("doc.rtf"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("doc.rtf")));
    folder.write(QStringLiteral("doc.rtf/old.txt"), "old");

    rich().setText(QStringLiteral("text"));
    fakes.dialogs.saveAnswers.push_back({path});
    fakes.messageBox.queueAnswer(MsgBox::Ok);
    chooseMenuItem(window, "mnuFileSaveAs");

    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[1].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[1].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(folder.read(QStringLiteral("doc.rtf/old.txt")), QByteArrayLiteral("old"));
    EXPECT_TRUE(window.lblfile->text().isEmpty());
    EXPECT_TRUE(window.mnuFileSave->isEnabled());
    EXPECT_EQ(rich().text(), QStringLiteral("text"));
}

TEST_F(DocumentsTest, FailedHandOverSaysTheCopyCouldNotBeWritten) {
    // A file in place of the program folder: no copy can be written there, whatever the user's rights.
    rich().setText(QStringLiteral("text"));
    const QString blocked = folder.file(QStringLiteral("blocked"));
    folder.write(QStringLiteral("blocked"), "not a folder");
    ProgramFolder::setOverride(blocked);
    chooseMenuItem(window, "mnuintoword");
    ProgramFolder::setOverride(folder.path());
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.startsWith(
        QStringLiteral("无法写入交给文字处理软件打开的文档副本：")))
        << fakes.messageBox.shown[0].prompt.toStdString();
    EXPECT_FALSE(fakes.messageBox.shown[0].prompt.contains(QStringLiteral("原有的文件没有改动")));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::OkOnly | MsgBox::Critical);
}

TEST_F(DocumentsTest, HandOversWriteDistinctTemporaryFiles) {
    rich().setText(QStringLiteral("C:\\temp"));
    chooseMenuItem(window, "mnuintoword");
    chooseMenuItem(window, "mnuintoword");
    ASSERT_EQ(fakes.shell.opened.size(), 2);
    EXPECT_NE(fakes.shell.opened[0], fakes.shell.opened[1]);
    for (const QString& path : fakes.shell.opened) {
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("tmp")));
        EXPECT_TRUE(path.endsWith(QStringLiteral(".rtf")));
        EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    }
    EXPECT_EQ(rich().text(), QStringLiteral("C:\\temp"));
    EXPECT_TRUE(window.lblfile->text().isEmpty());
}

TEST_F(DocumentsTest, HelpOpensTheHelpDocument) {
    chooseMenuItem(window, "mnuHelpSearchForHelpOn");
    EXPECT_EQ(fakes.shell.opened, QStringList{folder.file(QStringLiteral("help.doc"))});
}

TEST_F(DocumentsTest, BackslashesSurviveSaveAndOpen) {
    const QString text = QStringLiteral("C:\\temp\\new {braces}\r\n\\\\server");
    rich().setText(text);
    const QString path = folder.file(QStringLiteral("slashes.rtf"));
    fakes.dialogs.saveAnswers.push_back({path});
    chooseMenuItem(window, "mnuFileSaveAs");
    EXPECT_EQ(rich().text(), text);
    chooseMenuItem(window, "mnuFileSave");
    EXPECT_EQ(rich().text(), text);

    rich().setText(QString());
    fakes.dialogs.openAnswers.push_back({path});
    chooseMenuItem(window, "mnuFileopen");
    EXPECT_EQ(rich().text(), text);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(DocumentsTest, VersionCheckItemIsHidden) {
    auto* update = window.findChild<QAction*>(QStringLiteral("update"));
    ASSERT_NE(update, nullptr);
    EXPECT_FALSE(update->isVisible());
}

TEST_F(DocumentsTest, EditorChangesSwitchTheSaveItems) {
    rich().setText(QStringLiteral("a"));
    EXPECT_TRUE(window.mnuFileSave->isEnabled());
    EXPECT_TRUE(window.mnuFileSaveAs->isEnabled());
    select(0, 1);
    rich().setSelColor(0x00FF00);
    rich().setSelText(QString());
    EXPECT_FALSE(window.mnuFileSaveAs->isEnabled());
    QCoreApplication::processEvents();
    rich().setSelText(QStringLiteral("b"));
    EXPECT_TRUE(window.mnuFileSaveAs->isEnabled());
    select(0, 1);
    EXPECT_EQ(rich().selFontName(), QStringLiteral("宋体"));
    EXPECT_EQ(rich().selColor(), 0);
}

TEST_F(DocumentsTest, SelectionSwitchesTheCutAndCopyButtons) {
    QAction* cut = window.toolButton(QStringLiteral("剪切"));
    QAction* copy = window.toolButton(QStringLiteral("复制"));
    ASSERT_NE(cut, nullptr);
    ASSERT_NE(copy, nullptr);
    rich().setText(QStringLiteral("hello"));
    select(0, 2);
    EXPECT_TRUE(cut->isEnabled());
    EXPECT_TRUE(copy->isEnabled());
    select(1, 0);
    EXPECT_FALSE(cut->isEnabled());
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_TRUE(window.mnucut->isEnabled());
    EXPECT_TRUE(window.mnucopy->isEnabled());
}

TEST_F(DocumentsTest, RightButtonChoosesTheContextMenu) {
    rich().setText(QStringLiteral("hello world"));
    window.Rich1_MouseUp(1, 0, 150, 150);
    window.Rich1_MouseUp(4, 0, 150, 150);
    EXPECT_FALSE(window.popmenu1->isVisible());
    EXPECT_FALSE(window.popmenu2->isVisible());

    window.Rich1_MouseUp(2, 0, 150, 150);
    EXPECT_TRUE(window.popmenu1->isVisible());
    window.popmenu1->hide();

    select(0, 5);
    window.Rich1_MouseUp(2, 0, 150, 150);
    EXPECT_TRUE(window.popmenu2->isVisible());
    EXPECT_FALSE(window.popmenu1->isVisible());
    window.popmenu2->hide();
}

TEST_F(DocumentsTest, CutCopyAndPasteGoThroughTheClipboard) {
    rich().setText(QStringLiteral("hello world"));
    select(6, 5);
    rich().setSelColor(0x0000FF);
    chooseMenuItem(window, "mnucopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("world"));
    EXPECT_EQ(rich().text(), QStringLiteral("hello world"));

    select(0, 6);
    window.tbToolBar_ButtonClick(QStringLiteral("剪切"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello "));
    EXPECT_EQ(rich().text(), QStringLiteral("world"));
    rich().setSelText(QStringLiteral("x"));
    select(0, 1);
    EXPECT_EQ(rich().selFontName(), QStringLiteral("宋体"));
    EXPECT_EQ(rich().selColor(), 0);

    QApplication::clipboard()->setText(QStringLiteral("pasted\r\ntext"));
    select(0, 1);
    window.mnuppaste->trigger();
    EXPECT_EQ(rich().text(), QStringLiteral("pasted\r\ntextworld"));
}

TEST_F(DocumentsTest, AttributeTogglesMakeMixedSelectionsUniform) {
    using Get = std::optional<bool> (RichTextBox::*)() const;
    using Set = void (RichTextBox::*)(bool);
    struct Case {
        const char* item;
        Get get;
        Set set;
    };
    const Case cases[] = {
        {"mnub", &RichTextBox::selBold, &RichTextBox::setSelBold},
        {"mnuxie", &RichTextBox::selItalic, &RichTextBox::setSelItalic},
        {"mnushanchu", &RichTextBox::selStrikeThru, &RichTextBox::setSelStrikeThru},
        {"mnuxiahua", &RichTextBox::selUnderline, &RichTextBox::setSelUnderline},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        rich().setText(QStringLiteral("abcdef"));
        select(0, 3);
        (rich().*c.set)(true);
        select(0, 6);
        ASSERT_EQ((rich().*c.get)(), std::nullopt);
        chooseMenuItem(window, c.item);
        EXPECT_EQ((rich().*c.get)(), true);
        chooseMenuItem(window, c.item);
        EXPECT_EQ((rich().*c.get)(), false);
    }
}

TEST_F(DocumentsTest, CancelledFontDialogStillApplies) {
    rich().setText(QStringLiteral("abcdef"));
    select(0, 6);
    rich().setSelStrikeThru(true);
    rich().setSelUnderline(true);
    rich().setSelFontName(QStringLiteral("Courier"));
    fakes.dialogs.colorAnswers.push_back(0x0000FF);
    chooseMenuItem(window, "mnugeshifont");
    EXPECT_EQ(rich().selColor(), 0x0000FF);
    select(0, 3);
    rich().setSelColor(0x00FF00);
    select(0, 6);

    fakes.dialogs.fontAnswers.push_back(std::nullopt);
    chooseMenuItem(window, "mnufont");

    ASSERT_EQ(fakes.dialogs.fontRequests.size(), 1u);
    EXPECT_EQ(fakes.dialogs.fontRequests[0].name, rich().baseFontName());
    EXPECT_EQ(rich().selFontName(), rich().baseFontName());
    EXPECT_EQ(rich().selColor(), 0x0000FF);
    EXPECT_EQ(rich().selStrikeThru(), false);
    EXPECT_EQ(rich().selUnderline(), false);
}

TEST_F(DocumentsTest, ChosenFontIsApplied) {
    rich().setText(QStringLiteral("abc"));
    select(0, 3);
    FontChoice chosen;
    chosen.name = QStringLiteral("Serif");
    chosen.size = 20;
    chosen.bold = true;
    chosen.italic = true;
    fakes.dialogs.fontAnswers.push_back(chosen);
    chooseMenuItem(window, "mnufont");
    EXPECT_EQ(rich().selFontName(), QStringLiteral("Serif"));
    EXPECT_EQ(rich().selFontSize(), 20.0);
    EXPECT_EQ(rich().selBold(), true);
    EXPECT_EQ(rich().selItalic(), true);
}

TEST_F(DocumentsTest, ColourDialogCannotApplyBlack) {
    rich().setText(QStringLiteral("abc"));
    select(0, 3);
    rich().setSelColor(0x00FF00);
    const std::pair<std::optional<int>, int> cases[] = {
        {0, 0x00FF00}, {std::nullopt, 0x00FF00}, {0xFF0000, 0xFF0000}, {0x000001, 0x000001}};
    for (const auto& [answer, expected] : cases) {
        fakes.dialogs.colorAnswers.push_back(answer);
        chooseMenuItem(window, "mnugeshifont");
        EXPECT_EQ(fakes.dialogs.colorRequests.back(), 0);
        EXPECT_EQ(rich().selColor(), expected);
    }
}

TEST_F(DocumentsTest, AppendixPictures) {
    chooseMenuItem(window, "mnucha2");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("文件 houzhui.gif 丢失，请咨询作者！"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    // Qt writes no GIF; the reader goes by the content.
    ASSERT_TRUE(picture.save(folder.file(QStringLiteral("houzhui.gif")), "PNG"));
    ASSERT_TRUE(picture.save(folder.file(QStringLiteral("chayi.gif")), "PNG"));

    chooseMenuItem(window, "mnucha2");
    Frmchayi& window2 = window.chayiWindow();
    EXPECT_TRUE(window2.isVisible());
    EXPECT_EQ(window2.windowTitle(), QStringLiteral("英语常见后缀的发音"));
    EXPECT_EQ(window2.Image1->pixmap().size(), QSize(40, 30));

    // The first appendix reuses the open window, which stays modeless.
    chooseMenuItem(window, "mnucha1");
    EXPECT_TRUE(window2.isVisible());
    EXPECT_FALSE(window2.isModal());
    EXPECT_EQ(window2.windowTitle(), QStringLiteral("英美发音差异"));
    window2.hide();

    // Shown on its own, the first appendix is modal until closed.
    bool wasModal = false;
    QTimer::singleShot(0, &window2, [&] {
        wasModal = window2.isModal() && window2.isVisible();
        window2.reject();
    });
    chooseMenuItem(window, "mnucha1");
    EXPECT_TRUE(wasModal);
}

// Also where folder permissions do not hold (a run as root): a target below a plain file.
TEST_F(DocumentsTest, SaveToAnImpossiblePathIsReported) {
    const QString current = document(QStringLiteral("current.txt"), "old");
    fakes.dialogs.openAnswers.push_back({current});
    chooseMenuItem(window, "mnuFileopen");
    rich().setText(QStringLiteral("edited"));
    fakes.dialogs.saveAnswers.push_back({current + QStringLiteral("/doc.rtf")});

    chooseMenuItem(window, "mnuFileSaveAs");

    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(window.lblfile->text(), current);
    EXPECT_EQ(window.windowTitle(), current + QStringLiteral("    ") + kTitle);
    EXPECT_TRUE(window.mnuFileSave->isEnabled());
    EXPECT_EQ(rich().text(), QStringLiteral("edited"));
    EXPECT_EQ(folder.read(QStringLiteral("current.txt")), QByteArrayLiteral("old"));
}

TEST_F(DocumentsTest, EveryOptionsOpenerShowsTheDialogModally) {
    const std::function<void()> openers[] = {
        [&] { chooseMenuItem(window, "mnuset"); },
        [&] { chooseMenuItem(window, "mnutooloption"); },
        [&] { window.mnupcanshu->trigger(); },
        [&] { window.mnupcanshu2->trigger(); },
        [&] { window.tbToolBar_ButtonClick(QStringLiteral("设置")); },
    };
    for (const auto& open : openers) {
        Form1* shown = nullptr;
        QTimer::singleShot(0, &window, [&] {
            shown = qobject_cast<Form1*>(QApplication::activeModalWidget());
            if (shown)
                shown->Command2_Click();
        });
        open();
        EXPECT_NE(shown, nullptr);
    }
}

TEST_F(DocumentsTest, VersionCheckFromTheWindowUsesItsServer) {
    folder.write(QStringLiteral("update.txt"), "version:10.0\r\n");
    LocalFileServer server;
    server.files.insert(QStringLiteral("/update.txt"), "version:10.5\r\n");
    window.updateServerFile = server.url(QStringLiteral("/update.txt"));

    window.update_Click();

    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(fakes.shell.started, QStringList{folder.file(QStringLiteral("update.exe"))});
}
