#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "tests/shell/OpenedWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>

#include <functional>

using namespace Qt::StringLiterals;

TEST(StartOptions, WizardIsLeftOutBySwitchOrEnvironment) {
    const struct {
        const char* name;
        QStringList arguments;
        const char* environment;
        bool wizard;
    } cases[] = {
        {"plain start", {u"phonexa"_s}, nullptr, true},
        {"switch", {u"phonexa"_s, u"--no-wizard"_s}, nullptr, false},
        {"switch after a file", {u"phonexa"_s, u"a.rtf"_s, u"--no-wizard"_s}, nullptr, false},
        {"program named like the switch", {u"--no-wizard"_s}, nullptr, true},
        {"environment", {u"phonexa"_s}, "1", false},
        {"environment off", {u"phonexa"_s}, "0", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment;
        if (c.environment)
            environment.insert(u"PHONEXA_NO_WIZARD"_s, QString::fromLatin1(c.environment));
        EXPECT_EQ(StartOptions::from(c.arguments, environment).wizardAtStart, c.wizard);
    }
}

class WizardTest : public ShellTest {
protected:
    // The main window as a plain start makes it, with the wizard.
    frmMain& withWizard() {
        mainWindow = std::make_unique<frmMain>(fakes.services(), start());
        return *mainWindow;
    }
};

TEST_F(WizardTest, ShownOnceModallyAfterTheWordListLoads) {
    frmMain& w = withWizard();
    int shown = 0;
    qsizetype words = 0;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, &w, [&] {
        if (auto* wizard = qobject_cast<Form3*>(QApplication::activeModalWidget())) {
            ++shown;
            words = w.Listword.count();
            modality = wizard->windowModality();
            wizard->close();
        }
    });
    w.Timer3_Timer();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(words, 2);
    // Modal to the main window alone: the tool windows it opens modelessly stay usable.
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_FALSE(w.wizard().isVisible());
    EXPECT_FALSE(w.Timer3->isActive());
    w.Timer3_Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, 1);
}

TEST_F(WizardTest, MissingWordListEndsTheProgramWithoutTheWizard) {
    QFile::remove(folder.file(u"dictionary.txt"_s));
    frmMain& w = withWizard();
    bool shown = false;
    QTimer::singleShot(0, &w, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = true;
            modal->close();
        }
    });
    w.Timer3_Timer();
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(fakes.programExit.exits, std::vector<int>{0});
}

TEST_F(WizardTest, HelpMenuShowsTheSameWizardModelessly) {
    frmMain& w = started();
    choose(w, u"mnuxiangdao"_s);
    Form3& wizard = w.wizard();
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_FALSE(wizard.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    wizard.close();
    choose(w, u"mnuxiangdao"_s);
    EXPECT_EQ(&w.wizard(), &wizard);
    EXPECT_TRUE(wizard.isVisible());
    wizard.close();
}

TEST_F(WizardTest, WindowTellsHowToReopenItAndStaysOnTopAtTheRightEdge) {
    frmMain& w = started();
    Form3& wizard = w.wizard();
    EXPECT_EQ(wizard.windowTitle(), u"功能向导（从帮助－打开向导 可打开本窗口）"_s);
    EXPECT_EQ(wizard.Skinlb1->text(), u"从主窗口打开文档或输入内容后进行如下操作"_s);
    EXPECT_TRUE(wizard.windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect screen = w.screen()->geometry();
    const int sidePanel = qRound(w.Frame3.Width() / Twips::kPerPixel);
    EXPECT_NEAR(wizard.frameGeometry().right() + 1 + sidePanel, screen.right() + 1, 1);
    EXPECT_GE(wizard.x(), screen.left());
}

TEST_F(WizardTest, BatchButtonOnlyHints) {
    frmMain& w = started();
    w.Rich1->setText(u"the cat"_s);
    w.wizard().Command[0]->click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, u"点击主窗口，按键盘上的\u3000F3"_s);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"友情提示"_s);
    EXPECT_EQ(w.Rich1->text(), u"the cat"_s);
}
