#include "tests/shell/ShellFixture.h"

#include "shell/InstanceLock.h"
#include "shell/ProductSite.h"
#include "tests/support/Mouse.h"

#include <QLockFile>
#include <QProcess>
#include <QTimer>

TEST_F(ShellTest, SplashShowsTheMainWindowOnTheThirdTick) {
    ASSERT_TRUE(start().Form_Load());
    start().show();
    start().Timer1->start();
    start().Timer1_Timer();
    start().Timer1_Timer();
    EXPECT_FALSE(mainWindow);
    start().Frame1_Click(); // hiding the splash early does not stop the hand-over
    EXPECT_FALSE(start().isVisible());
    start().Timer1_Timer();
    ASSERT_TRUE(mainWindow);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(start().Timer1->isActive());
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(ShellTest, SecondInstanceIsRefused) {
    QLockFile first(folder.file(QStringLiteral("phonexa.lock")));
    ASSERT_TRUE(first.tryLock(0));
    EXPECT_FALSE(start().Form_Load());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("已经有实例在运行！"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0});
    EXPECT_FALSE(mainWindow);
}

TEST_F(ShellTest, LockOfACrashedInstanceIsTakenOver) {
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    // A lock as this machine writes it, left by a process that no longer runs.
    const QString path = folder.file(QStringLiteral("phonexa.lock"));
    QByteArray lines;
    {
        QLockFile own(path);
        ASSERT_TRUE(own.tryLock(0));
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        lines = written.readAll();
    }
    folder.write(QStringLiteral("phonexa.lock"), QByteArray::number(pid) + lines.mid(lines.indexOf('\n')));
    EXPECT_TRUE(start().Form_Load());
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(ShellTest, AboutWindowOpensAgainAndAgain) {
    frmMain& w = main();
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, &start(), [this] { start().Frame1_Click(); });
        chooseMenuItem(w, QStringLiteral("mnuHelpAbout"));
        EXPECT_FALSE(start().isVisible());
    }
    EXPECT_FALSE(start().Timer1->isActive());
}

TEST_F(ShellTest, SplashLinkOpensTheSiteAndKeepsTheWindow) {
    start().show();
    leftClick(start().Label12);
    EXPECT_EQ(fakes.shell.opened, QStringList{ProductSite::home()});
    EXPECT_TRUE(start().isVisible());
    leftClick(start().Frame1);
    EXPECT_FALSE(start().isVisible());
}

TEST_F(ShellTest, DeferredStartUpArrangesPanelsAndLoadsTheWordList) {
    frmMain& w = started();
    EXPECT_FALSE(w.mnuviewzhedie->isChecked());
    EXPECT_FALSE(w.Frame1.Visible());
    EXPECT_FALSE(w.Frame0.Visible());
    EXPECT_FALSE(w.mnuviewline->isChecked());
    EXPECT_FALSE(w.Frmadd.Visible());
    EXPECT_TRUE(w.mnuleft->isChecked());
    EXPECT_TRUE(w.Frame3.Visible());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("<<"));
    EXPECT_EQ(w.Listword.count(), 2);
    EXPECT_FALSE(w.Timer3->isActive());
    w.Timer3_Timer(); // later ticks do nothing
    EXPECT_EQ(w.Listword.count(), 2);
}

TEST_F(ShellTest, MissingWordListEndsTheProgram) {
    QFile::remove(folder.file(QStringLiteral("dictionary.txt")));
    started();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].prompt.contains(QStringLiteral("dictionary.txt")));
    EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0});
}

TEST_F(ShellTest, LoadReadsTheSettings) {
    folder.write(QStringLiteral("canshushezhi.txt"), "canshu2=[\r\ncanshu4=dangqian\r\n[end]\r\n");
    main();
    EXPECT_EQ(Module1::outputPlacement, QStringLiteral("dangqian"));
    EXPECT_EQ(Module1::leftBracket, QStringLiteral("["));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
}
