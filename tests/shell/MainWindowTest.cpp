#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/ToolbarIcons.h"

#include <QCloseEvent>
#include <QImage>
#include <QToolBar>

TEST_F(ShellTest, ResizeWithTheSidePanelHidden) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnuleft"));
    EXPECT_FALSE(w.Frame3.Visible());
    w.resize(900, 600);
    w.Form_Resize();
    EXPECT_NEAR(w.Rich1.Width(), w.Width() - 200, Twips::kPerPixel);
}

TEST_F(ShellTest, ResizeWithTheSymbolPanelShown) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnuviewline"));
    EXPECT_TRUE(w.Frmadd.Visible());
    w.resize(900, 600);
    w.Form_Resize();
    EXPECT_NEAR(w.Rich1.Height(), w.Height() - w.tbToolBar.Height() - w.sbStatusBar.Height() + 50,
                Twips::kPerPixel);
    EXPECT_NEAR(w.Rich1.Width(), w.Width() - w.Frame3.Width() - 150, Twips::kPerPixel);
    EXPECT_NEAR(w.Frame3.Left(), w.Rich1.Left() + w.Rich1.Width(), Twips::kPerPixel);
    EXPECT_NEAR(w.Frmadd.Width(), w.Rich1.Width(), 1);
}

TEST_F(ShellTest, NarrowWindowSkipsTheFailingStepOnly) {
    frmMain& w = started();
    const float before = w.Rich1.Width();
    w.setMinimumSize(0, 0);
    w.resize(50, 600); // 750 twips: narrower than the side panel and its margin
    w.Form_Resize();
    ASSERT_LT(w.Width(), w.Frame3.Width() + 150);
    EXPECT_EQ(w.Rich1.Width(), before);
    EXPECT_NEAR(w.Frame1.Width(), w.Width(), 1);
    EXPECT_NEAR(w.Rich1.Top(), w.tbToolBar.Top() + w.tbToolBar.Height() + 50, 1);
}

TEST_F(ShellTest, ShutdownDeletesTemporaryCopiesAndAsks) {
    frmMain& w = started();
    w.show();
    for (const char* name : {"tmp1.rtf", "tmpab.rtf", "keep.rtf", "tmp2.txt"})
        folder.write(QString::fromLatin1(name), "x");
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    w.Rich1->setText(QStringLiteral("my text"));
    chooseMenuItem(w, QStringLiteral("mnuFileExit"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("my text"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("tmp1.rtf"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("tmpab.rtf"))));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("keep.rtf"))));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("tmp2.txt"))));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("您确定要退出吗?"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, 289);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_TRUE(fakes.programExit.exits.empty());

    fakes.messageBox.queueAnswer(MsgBox::Ok);
    chooseMenuItem(w, QStringLiteral("mnuFileExit"));
    EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0});
}

TEST_F(ShellTest, StatusBarPanelOneOpensTheWebPage) {
    frmMain& w = started();
    w.sbStatusBar_PanelClick(2);
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    w.sbStatusBar_PanelClick(1);
    ASSERT_EQ(fakes.shell.opened.size(), 1);
    EXPECT_TRUE(fakes.shell.opened[0].endsWith(QStringLiteral("articlecenter/article.asp?id=225")));
}

TEST_F(ShellTest, RecentFileMenu) {
    frmMain& w = started();
    EXPECT_EQ(w.mlastfile[0]->text(), QStringLiteral("无历史文件"));
    EXPECT_FALSE(w.mnuclearlist->isVisible());
    for (const char* path : {"/a.rtf", "/b.rtf", "/c.rtf", "/d.rtf", "/e.rtf"})
        w.recentFiles().AddRecentFile(QString::fromLatin1(path));
    QStringList shown;
    for (QAction* item : w.mlastfile)
        shown << item->text();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("&1 /e.rtf"), QStringLiteral("&2 /d.rtf"),
                                  QStringLiteral("&3 /c.rtf"), QStringLiteral("&4 /b.rtf")}));
    chooseMenuItem(w, QStringLiteral("mnuclearlist"));
    EXPECT_EQ(w.mlastfile[0]->text(), QStringLiteral("无历史文件"));
    EXPECT_FALSE(w.mlastfile[1]->isVisible());
    EXPECT_FALSE(w.mnuclearlist->isVisible());
    w.recentFiles().AddRecentFile(QStringLiteral("/f.rtf"));
    EXPECT_EQ(fakes.settings.get(QStringLiteral("PhonexaDesk"), QStringLiteral("recentfiles"),
                                 QStringLiteral("File3"), {}),
              QStringLiteral("/f.rtf"));
}

TEST_F(ShellTest, MenuBarHasEveryTopLevelMenu) {
    frmMain& w = main();
    QStringList names;
    for (QAction* a : w.menuBar()->actions())
        names << a->objectName();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("mnufile"), QStringLiteral("mnuedit"), QStringLiteral("mnuview"),
                           QStringLiteral("mnubiaozhu"), QStringLiteral("mnuzizhu"),
                           QStringLiteral("mnutran"), QStringLiteral("mnutongji"), QStringLiteral("mnugeshi"),
                           QStringLiteral("mnuHelp"), QStringLiteral("mnuattach")}));
    EXPECT_EQ(w.mnupiliang->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(w.mnupiliang->text(), QStringLiteral("全文批量标注(&P)"));
    EXPECT_EQ(w.mnuHelpAbout->text(), QStringLiteral("关于...(&A) "));
}

TEST_F(ShellTest, ToolbarButtonsShowPicturesOfTheirCommands) {
    frmMain& w = started();
    int buttons = 0;
    for (QAction* a : w.tbToolBar->actions()) {
        if (a->isSeparator())
            continue;
        ++buttons;
        EXPECT_FALSE(a->icon().pixmap(16).isNull()) << a->objectName().toStdString();
    }
    EXPECT_EQ(buttons, 15);
    // Without a desktop theme our drawings stand in: each distinct, and greyed when disabled.
    using ToolbarIcons::Picture;
    QList<QImage> seen;
    for (int i = 0; i <= int(Picture::Colour); ++i) {
        const QIcon icon = ToolbarIcons::drawn(Picture(i));
        const QImage normal = icon.pixmap(16).toImage();
        EXPECT_FALSE(seen.contains(normal)) << i;
        EXPECT_NE(normal, icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage()) << i;
        seen.append(normal);
    }
}
