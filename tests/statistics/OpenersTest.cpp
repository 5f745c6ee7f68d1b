#include "platform/richtext/RichTextBox.h"
#include "shell/Frmjincheng.h"
#include "tests/shell/ShellFixture.h"
#include "tools/text/Form6.h"
#include "tools/text/Form8.h"
#include "tools/text/Form9.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

class OpenersTest : public ShellTest {
protected:
    OpenersTest() {
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
    }
    static std::vector<QString> visibleRunButtons(Form9& w) {
        std::vector<QString> out;
        for (QPushButton* b : {w.Command1, w.Command2, w.Command5, w.Command6, w.Command3})
            if (!b->isHidden())
                out.push_back(b->objectName());
        return out;
    }
};

TEST_F(OpenersTest, FinderOpenersKeepEarlierButtonsVisible) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnulong"));
    Form9& stats = w.statisticsWindow();
    EXPECT_TRUE(stats.isVisible());
    EXPECT_EQ(visibleRunButtons(stats), std::vector<QString>{QStringLiteral("Command2")});
    chooseMenuItem(w, QStringLiteral("mnuzhongdu"));
    EXPECT_EQ(visibleRunButtons(stats),
              (std::vector<QString>{QStringLiteral("Command1"), QStringLiteral("Command2")}));
    EXPECT_EQ(&w.statisticsWindow(), &stats);
}

TEST_F(OpenersTest, MenuRowsRunTheirOpeners) {
    frmMain& w = started();
    const std::pair<const char*, const char*> rows[] = {
        {"mnuyinbiaotongji", "Command3"}, {"mnucizhongyin", "Command5"}, {"mnuchengyinjie", "Command6"}};
    for (const auto& [item, button] : rows) {
        chooseMenuItem(w, QLatin1String(item));
        EXPECT_FALSE(w.statisticsWindow().findChild<QPushButton*>(QLatin1String(button))->isHidden()) << item;
    }
    EXPECT_EQ(w.mnutongji->actions().size(), 7);
    EXPECT_EQ(w.mnutongji->actions()[1]->objectName(), QStringLiteral("mnutongjiline"));
    EXPECT_TRUE(w.mnutongji->actions()[1]->isSeparator());
}

TEST_F(OpenersTest, VocabularyOpenerRefusesAnEmptyDocument) {
    frmMain& w = started();
    w.Rich1->setText(QString());
    chooseMenuItem(w, QStringLiteral("mnuptongji"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1U);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("当前文档界面内容为空，不必统计"));
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);

    w.Rich1->setText(QStringLiteral("cat"));
    bool shownModal = false;
    QTimer::singleShot(0, &w, [&] {
        auto* form = qobject_cast<Form8*>(QApplication::activeModalWidget());
        shownModal = form != nullptr;
        if (form)
            form->close();
    });
    chooseMenuItem(w, QStringLiteral("mnucitongji"));
    EXPECT_TRUE(shownModal);
    EXPECT_EQ(fakes.messageBox.shown.size(), 1U);
}

TEST_F(OpenersTest, GlossOpenerShowsTheStartButtonAgain) {
    frmMain& w = started();
    w.Rich1->setText(QStringLiteral("the cat"));
    chooseMenuItem(w, QStringLiteral("mnupfanyi"));
    Form6& gloss = w.glossWindow();
    EXPECT_TRUE(gloss.isVisible());
    EXPECT_TRUE(gloss.cmdtranslate->isVisible());
    gloss.Check1->setChecked(false);
    gloss.cmdtranslate_Click();
    EXPECT_EQ(gloss.Rich1->text(), QStringLiteral("the(\u8fd9) cat(\u732b)  "));
    EXPECT_EQ(w.List4, (QStringList{QStringLiteral("\u8fd9"), QStringLiteral("\u732b")}));
    EXPECT_FALSE(w.progressWindow().isVisible());
    EXPECT_EQ(w.progressWindow().windowTitle(), QStringLiteral("翻译完成：100%"));
    EXPECT_FALSE(gloss.cmdtranslate->isVisible());
    chooseMenuItem(w, QStringLiteral("mnutrans"));
    EXPECT_TRUE(gloss.cmdtranslate->isVisible());
    EXPECT_FALSE(gloss.Check1->isVisible());
}

TEST_F(OpenersTest, MainWindowStaysUsableAndItsAnnotationWaitsForTheGloss) {
    folder.write(QStringLiteral("canshushezhi.txt"),
                 "canshu1=old\r\ncanshu2=[\r\ncanshu4=dangqian\r\n[end]\r\n");
    frmMain& w = started();
    // Long enough that the run yields to events many times, however fast the machine.
    const QString text = (QStringLiteral("the cat ").repeated(10) + QStringLiteral("\r\n")).repeated(15000);
    w.Rich1->setText(text);
    Form6& gloss = w.glossWindow();
    gloss.Check1->setChecked(false);
    bool usable = false;
    QTimer::singleShot(0, &w, [&] {
        usable = w.Rich1->isEnabled() && w.mnupiliang->isEnabled() && w.progressWindow().isVisible();
        w.mnupiliang->trigger();
    });
    gloss.cmdtranslate_Click();
    EXPECT_TRUE(usable);
    EXPECT_EQ(w.Rich1->text(), text);
    EXPECT_EQ(w.List4.size(), 300000);
    EXPECT_EQ(gloss.Rich1->text().count(u'('), 300000);
}
