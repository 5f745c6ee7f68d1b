#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Frmjincheng.h"
#include "tests/support/Mouse.h"

#include <QDir>

#include <QLabel>
#include <QTimer>
#include <QToolBar>

namespace {
QString code(const char* raw) {
    return Module1::ToNewNotation(QString::fromLatin1(raw));
}
} // namespace

class FullTextTest : public ShellTest {
protected:
    frmMain& ready(const QString& text, const char* placement = "dangqian") {
        folder.write(QStringLiteral("canshushezhi.txt"),
                     QByteArray("canshu1=new\r\ncanshu2=[\r\ncanshu4=") + placement + "\r\n[end]\r\n");
        frmMain& w = started();
        w.Rich1->setText(text);
        return w;
    }
    // Long enough for the run to yield; few of its words are known, so the insertion stays short.
    static QString longText() {
        return (QStringLiteral("the cat ") + QStringLiteral("qq ").repeated(5000)).repeated(70);
    }
    static bool unlocked(frmMain& w) {
        return w.Rich1->isEnabled() && w.tbToolBar->isEnabled() && w.Frame0->isEnabled() &&
               w.mnupiliang->isEnabled() && w.mnuFileExit->isEnabled() &&
               w.mnufile->menuAction()->isEnabled();
    }
};

TEST_F(FullTextTest, AnnotatesTheWholeDocumentInline) {
    frmMain& w = ready(QStringLiteral("the cat"));
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("the[") + code("DE") + QStringLiteral("]  cat[") + code("kAt") +
                                   QStringLiteral("] "));
    EXPECT_EQ(w.List5, (QList<int>{4, 8}));
    EXPECT_TRUE(unlocked(w));
    EXPECT_FALSE(w.progressWindow().isVisible());
    EXPECT_EQ(w.progressWindow().windowTitle(), QStringLiteral("植入完成：100%"));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
    EXPECT_TRUE(fakes.shell.opened.isEmpty()); // Lucida off: no page
}

TEST_F(FullTextTest, LucidaSettingWritesAndOpensThePage) {
    frmMain& w = ready(QStringLiteral("cat"));
    Module1::useLucidaFont = true;
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    Module1::useLucidaFont = false;
    EXPECT_EQ(fakes.shell.opened, QStringList{folder.file(QStringLiteral("tmpHTML.htm"))});
    EXPECT_TRUE(folder.read(QStringLiteral("tmpHTML.htm")).endsWith("</span>  </body></html>\r\n"));
}

TEST_F(FullTextTest, EmptyDocumentDoesNothing) {
    frmMain& w = ready(QStringLiteral("   "));
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_FALSE(w.progressWindow().isVisible());
    EXPECT_TRUE(w.progressWindow().windowTitle().isEmpty());
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("   "));
}

TEST_F(FullTextTest, PlacementNamingNoLayoutUnlocksTheWindow) {
    frmMain& w = ready(QStringLiteral("the cat"), "UP");
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("the cat"));
    EXPECT_TRUE(unlocked(w));
    EXPECT_FALSE(w.progressWindow().isVisible());
}

TEST_F(FullTextTest, WindowIsLockedDuringTheRun) {
    frmMain& w = ready(longText());
    bool lockedSeen = false;
    QTimer::singleShot(0, &w, [&] {
        lockedSeen = !w.Rich1->isEnabled() && !w.Frame0->isEnabled() && !w.mnupiliang->isEnabled() &&
                     !w.mnuviewzhedie->isEnabled() && !w.mnuedit->menuAction()->isEnabled() &&
                     w.progressWindow().isVisible();
    });
    w.mnuviewline->setEnabled(false); // stays as it was after the run
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_TRUE(lockedSeen);
    EXPECT_TRUE(unlocked(w));
    EXPECT_FALSE(w.mnuviewline->isEnabled());
}

TEST_F(FullTextTest, FirstStopClickKeepsWhatWasFound) {
    const QString text = longText();
    frmMain& w = ready(text);
    QTimer::singleShot(0, &w, [&] { w.progressWindow().Label3_Click(); });
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_GT(w.List4.size(), 0);
    EXPECT_LT(w.List4.size(), 140);
    EXPECT_EQ(w.Rich1->text().count(u'['), w.List4.size());
    EXPECT_TRUE(unlocked(w));
}

TEST_F(FullTextTest, SecondStopClickStopsTheInsertion) {
    const QString text = longText();
    frmMain& w = ready(text);
    QTimer::singleShot(0, &w, [&] {
        w.progressWindow().Label3_Click();
        w.progressWindow().Label3_Click();
    });
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    EXPECT_GT(w.List4.size(), 0);
    EXPECT_EQ(w.Rich1->text(), text.left(text.size()));
    EXPECT_TRUE(unlocked(w));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
}

TEST(Frmjincheng, TwoStageStop) {
    Frmjincheng window;
    window.load();
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    window.Label3_Click();
    EXPECT_FALSE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
    EXPECT_EQ(window.Label3->text(), QStringLiteral("停止植入"));
    EXPECT_TRUE(window.isVisible());
    window.Label3_Click();
    EXPECT_FALSE(Module1::stopInsertFlag);
    EXPECT_FALSE(window.Label3->isEnabled());
    EXPECT_FALSE(window.isVisible());
    Module1::stopInsertFlag = true;
    window.Label3_Click(); // a late click changes nothing
    EXPECT_TRUE(Module1::stopInsertFlag);
    window.load();
    EXPECT_EQ(window.Label3->text(), QStringLiteral("停止"));
    EXPECT_TRUE(window.Label3->isEnabled());
    Module1::stopAnnotateFlag = true;
}

TEST_F(FullTextTest, StopClickIsSeenWhileTranscriptionLinesAreBuilt) {
    frmMain& w = ready(QStringLiteral("the cat the cat the cat the cat\r\n").repeated(3000), "up");
    QTimer::singleShot(0, &w, [&] { w.progressWindow().Label3_Click(); });
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    ASSERT_EQ(w.List31.size(), 3000);
    EXPECT_NE(w.List31.first(), QStringLiteral(" "));
    EXPECT_EQ(w.List31.last(), QStringLiteral(" ")); // lines after the click get a single blank
    EXPECT_EQ(w.Rich1->text().count(QStringLiteral("\r\n")), 2 * 3000);
    EXPECT_TRUE(unlocked(w));
}

TEST_F(FullTextTest, UnwritableWorkFileEndsTheRunUnrebuiltAndReported) {
    // A folder in place of the work file fails the write whatever the user's rights.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("putcenter.txt")));
    folder.write(QStringLiteral("putcenter.txt/old.txt"), "old text");
    for (const char* placement : {"up", "down"}) {
        fakes.messageBox.shown.clear();
        frmMain& w = ready(QStringLiteral("the cat"), placement);
        chooseMenuItem(w, QStringLiteral("mnupiliang"));
        EXPECT_EQ(w.Rich1->text(), QStringLiteral("the cat")) << placement;
        EXPECT_TRUE(unlocked(w)) << placement;
        EXPECT_FALSE(w.progressWindow().isVisible()) << placement;
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u) << placement;
        EXPECT_TRUE(fakes.messageBox.shown[0].prompt.contains(QStringLiteral("putcenter.txt")));
        EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
        EXPECT_TRUE(fakes.shell.opened.isEmpty()) << placement;
    }
}

TEST_F(FullTextTest, QuittingDuringARunStopsItAndOpensNothing) {
    for (const char* placement : {"dangqian", "up", "self", "word1"}) {
        fakes.programExit.exits.clear();
        frmMain& w = ready(longText(), placement);
        const QString before = w.Rich1->text();
        Module1::useLucidaFont = true;
        bool closed = false;
        QTimer::singleShot(0, &w, [&] { closed = w.close(); });
        chooseMenuItem(w, QStringLiteral("mnupiliang"));
        Module1::useLucidaFont = false;
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
        EXPECT_TRUE(closed) << placement;
        EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0}) << placement;
        EXPECT_TRUE(fakes.shell.opened.isEmpty()) << placement;
        // The appended layout adds what it listed before the stop below the text, as a stop click does.
        if (std::string_view(placement) == "self")
            EXPECT_TRUE(w.Rich1->text().startsWith(before));
        else
            EXPECT_EQ(w.Rich1->text(), before) << placement;
        EXPECT_FALSE(w.progressWindow().isVisible()) << placement;
        restart();
    }
}

TEST_F(FullTextTest, ProgressWindowStartsCentredOverTheMainWindowWithoutTheLastFigure) {
    frmMain& w = ready(QStringLiteral("the cat"));
    w.setGeometry(200, 150, 800, 600);
    w.show();
    chooseMenuItem(w, QStringLiteral("mnupiliang"));
    ASSERT_EQ(w.progressWindow().windowTitle(), QStringLiteral("植入完成：100%"));
    w.progressWindow().load();
    EXPECT_TRUE(w.progressWindow().windowTitle().isEmpty());
    const QPoint offset = w.progressWindow().frameGeometry().center() - w.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    w.progressWindow().unload();
}

TEST(Frmjincheng, StopLabelClicksStayInTheLabel) {
    Frmjincheng window;
    window.load();
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    leftClick(window.Label3);
    EXPECT_FALSE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
    leftClick(window.Label3);
    EXPECT_FALSE(Module1::stopInsertFlag);
    EXPECT_FALSE(window.isVisible());
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
}
