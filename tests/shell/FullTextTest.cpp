#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Frmjincheng.h"

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
    choose(w, QStringLiteral("mnupiliang"));
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
    choose(w, QStringLiteral("mnupiliang"));
    Module1::useLucidaFont = false;
    EXPECT_EQ(fakes.shell.opened, QStringList{folder.file(QStringLiteral("tmpHTML.htm"))});
    EXPECT_TRUE(folder.read(QStringLiteral("tmpHTML.htm")).endsWith("</span>  </body></html>\r\n"));
}

TEST_F(FullTextTest, EmptyDocumentDoesNothing) {
    frmMain& w = ready(QStringLiteral("   "));
    choose(w, QStringLiteral("mnupiliang"));
    EXPECT_FALSE(w.progressWindow().isVisible());
    EXPECT_TRUE(w.progressWindow().windowTitle().isEmpty());
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("   "));
}

TEST_F(FullTextTest, PlacementNamingNoLayoutUnlocksTheWindow) {
    frmMain& w = ready(QStringLiteral("the cat"), "UP");
    choose(w, QStringLiteral("mnupiliang"));
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
    choose(w, QStringLiteral("mnupiliang"));
    EXPECT_TRUE(lockedSeen);
    EXPECT_TRUE(unlocked(w));
    EXPECT_FALSE(w.mnuviewline->isEnabled());
}

TEST_F(FullTextTest, FirstStopClickKeepsWhatWasFound) {
    const QString text = longText();
    frmMain& w = ready(text);
    QTimer::singleShot(0, &w, [&] { w.progressWindow().Label3_Click(); });
    choose(w, QStringLiteral("mnupiliang"));
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
    choose(w, QStringLiteral("mnupiliang"));
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
