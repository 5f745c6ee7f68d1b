#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "tests/shell/OpenedWindow.h"
#include "tools/lexicon/Form4.h"
#include "tools/text/Form9.h"

#include <QAbstractButton>
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
    chooseMenuItem(w, u"mnuxiangdao"_s);
    Form3& wizard = w.wizard();
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_FALSE(wizard.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    wizard.close();
    chooseMenuItem(w, u"mnuxiangdao"_s);
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

namespace {

// What a button or menu item opens: the window, modal or not, and what it shows.
struct OpenerCase {
    const char* command; // a wizard button or a menu item
    const char* window;
    bool modal;
    std::function<bool(QWidget&)> state = [](QWidget&) { return true; };
};

void PrintTo(const OpenerCase& c, std::ostream* out) {
    *out << c.command;
}

bool checked(QWidget& window, const char* option) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(option));
    return button && button->isChecked();
}

bool titled(QWidget& window, const QString& title, const char* box) {
    auto* shown = window.findChild<QWidget*>(QString::fromLatin1(box));
    return window.windowTitle() == title && shown && shown->isVisible();
}

// The finder buttons of the phonetic statistics window that are shown.
QStringList findersShown(QWidget& window) {
    QStringList shown;
    for (const char* name : {"Command1", "Command2", "Command3", "Command5", "Command6"})
        if (auto* b = window.findChild<QPushButton*>(QString::fromLatin1(name)); b && b->isVisible())
            shown << b->objectName();
    return shown;
}

bool heightInTwips(QWidget& window, int twips) {
    return std::abs(window.height() * Twips::kPerPixel - twips) <= Twips::kPerPixel;
}

const auto converter = [](QWidget& w) { return w.windowTitle() == u"音标转换器"_s; };

const OpenerCase kWizardButtons[] = {
    {"Command2", "Form2", true, [](QWidget& w) { return checked(w, "Option7"); }},
    {"Command3", "Form6", false,
     [](QWidget& w) { return w.findChild<QPushButton*>(u"cmdtranslate"_s)->isVisible(); }},
    {"Command4", "Form9", true, [](QWidget& w) { return findersShown(w) == QStringList{u"Command3"_s}; }},
    {"Command5", "Frmconvert", true, converter},
    {"Command6", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标数字"_s, "Text1"); }},
    {"Command7", "Form9", true, [](QWidget& w) { return findersShown(w) == QStringList{u"Command2"_s}; }},
    {"Command8", "Form9", true, [](QWidget& w) { return findersShown(w) == QStringList{u"Command1"_s}; }},
    {"Command9", "Form9", true, [](QWidget& w) { return findersShown(w) == QStringList{u"Command5"_s}; }},
    {"Command10", "Form9", true, [](QWidget& w) { return findersShown(w) == QStringList{u"Command6"_s}; }},
    {"Command11", "Form8", true},
    {"Command12", "Form1", true},
    {"Command13", "Frmconvert", true, converter},
    {"Command14", "Frmconvert", true, converter},
    {"Command15", "Frmconvert", true, converter},
    {"Command16", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标年份"_s, "Text2"); }},
    {"Command17", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标电话号码"_s, "Text3"); }},
    {"Command18", "Form2", true, [](QWidget& w) { return checked(w, "Option1"); }},
    {"Command19", "Form2", true, [](QWidget& w) { return checked(w, "Option2"); }},
    {"Command20", "Form4", false, [](QWidget& w) { return checked(w, "Option1") && heightInTwips(w, 2175); }},
};

const OpenerCase kMenuOpeners[] = {
    {"mnuset", "Form1", true},
    {"mnutooloption", "Form1", true},
    {"mnuconvert", "Frmconvert", true, converter},
    {"mnupiliangzhuanhuan", "Frmpiliangzhuanhuan", false},
    {"mnushuzi", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标数字"_s, "Text1"); }},
    {"mnuyear", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标年份"_s, "Text2"); }},
    {"mnutele", "Frmnumber", true, [](QWidget& w) { return titled(w, u"标电话号码"_s, "Text3"); }},
    {"mnuguanli", "Form2", true, [](QWidget& w) { return checked(w, "Option1"); }},
    {"mnuguanli2", "Form2", true, [](QWidget& w) { return checked(w, "Option2"); }},
    {"mnuguanli3", "Form2", false, [](QWidget& w) { return checked(w, "Option7"); }},
    {"mnutoolword", "Form4", false,
     [](QWidget& w) { return checked(w, "Option1") && heightInTwips(w, 2175); }},
    {"mnutoolphonetic", "Form4", false,
     [](QWidget& w) { return checked(w, "Option2") && heightInTwips(w, 5610); }},
    {"mnujieshi", "Form5", true},
    {"mnupjieshi", "Form5", false},
    {"mnutrans", "Form6", false,
     [](QWidget& w) { return w.findChild<QPushButton*>(u"cmdtranslate"_s)->isVisible(); }},
    {"mnupfanyi", "Form6", false,
     [](QWidget& w) { return w.findChild<QPushButton*>(u"cmdtranslate"_s)->isVisible(); }},
    {"mnucitongji", "Form8", true},
    {"mnuptongji", "Form8", true},
    {"mnuyinbiaotongji", "Form9", false,
     [](QWidget& w) { return findersShown(w) == QStringList{u"Command3"_s}; }},
    {"mnulong", "Form9", false, [](QWidget& w) { return findersShown(w) == QStringList{u"Command2"_s}; }},
    {"mnuzhongdu", "Form9", false, [](QWidget& w) { return findersShown(w) == QStringList{u"Command1"_s}; }},
    {"mnucizhongyin", "Form9", false,
     [](QWidget& w) { return findersShown(w) == QStringList{u"Command5"_s}; }},
    {"mnuchengyinjie", "Form9", false,
     [](QWidget& w) { return findersShown(w) == QStringList{u"Command6"_s}; }},
};

class Openers : public WizardTest, public ::testing::WithParamInterface<OpenerCase> {
protected:
    void TearDown() override {
        // Modeless windows shown by one case must not count as opened by the next.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                top->close();
    }
};

std::string caseNameOf(const ::testing::TestParamInfo<OpenerCase>& info) {
    return caseName(info.index, info.param.command);
}

} // namespace

class WizardButtons : public Openers {};
class MenuOpeners : public Openers {};

TEST_P(WizardButtons, OpenTheirWindowInTheirMode) {
    const OpenerCase& c = GetParam();
    frmMain& w = started();
    w.Rich1->setText(u"the cat"_s);
    Form3& wizard = w.wizard();
    auto* button = wizard.findChild<QPushButton*>(QString::fromLatin1(c.command));
    ASSERT_NE(button, nullptr);

    bool state = false;
    const OpenedWindow opened = openedBy(
        &w, [&] { button->click(); }, [&](QWidget& window) { state = c.state(window); });
    EXPECT_EQ(opened.name, QString::fromLatin1(c.window));
    EXPECT_EQ(opened.modal, c.modal);
    EXPECT_TRUE(state);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, WizardButtons, ::testing::ValuesIn(kWizardButtons), caseNameOf);

TEST_P(MenuOpeners, OpenTheirWindowInTheirMode) {
    const OpenerCase& c = GetParam();
    frmMain& w = started();
    w.Rich1->setText(u"the cat"_s);
    bool state = false;
    const OpenedWindow opened = openedBy(
        &w, [&] { chooseMenuItem(w, QString::fromLatin1(c.command)); },
        [&](QWidget& window) { state = c.state(window); });
    EXPECT_EQ(opened.name, QString::fromLatin1(c.window));
    EXPECT_EQ(opened.modal, c.modal);
    EXPECT_TRUE(state);
}

INSTANTIATE_TEST_SUITE_P(Table, MenuOpeners, ::testing::ValuesIn(kMenuOpeners), caseNameOf);

TEST_F(WizardTest, ButtonsCarryTheirCaptions) {
    const char16_t* captions[] = {
        u"批量标音", u"管理系统音标", u"翻译文档", u"按音节归类单词", u"音标转换",
        u"标数字",   u"长音",         u"重音",     u"次重音",         u"成音节",
        u"词汇统计", u"设置参数",     u"13——>15",  u"15——>13",        u"13——>KK",
        u"标年份",   u"标电话号码",   u"添加音标", u"管理自定义",     u"搜字母组合读音",
    };
    Form3& wizard = started().wizard();
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        SCOPED_TRACE(i + 1);
        QPushButton* button = wizard.Command[i];
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), u"Command"_s + QString::number(i + 1));
        EXPECT_EQ(button->text(), QString::fromUtf16(captions[i]));
    }
}

TEST_F(WizardTest, SecondOpeningOfAnOpenSearchWindowRerunsItsStepsOnIt) {
    frmMain& w = started();
    chooseMenuItem(w, u"mnutoolphonetic"_s);
    Form4& search = w.searchWindow();
    ASSERT_TRUE(search.isVisible());
    EXPECT_TRUE(checked(search, "Option2"));
    w.wizard().findChild<QPushButton*>(u"Command20"_s)->click();
    EXPECT_EQ(&w.searchWindow(), &search);
    EXPECT_TRUE(search.isVisible());
    EXPECT_TRUE(checked(search, "Option1"));
    EXPECT_TRUE(heightInTwips(search, 2175));
    search.close();
}

TEST_F(WizardTest, ButtonsWaitWhileARunHoldsTheDocument) {
    frmMain& w = started();
    chooseMenuItem(w, u"mnuxiangdao"_s);
    Form3& wizard = w.wizard();
    // Long enough that the run lets events through many times; each time the wizard is looked at.
    w.Rich1->setText((u"the cat "_s + u"qq "_s.repeated(5000)).repeated(60));
    bool lockedSeen = false;
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, &w, [&] {
        lockedSeen = lockedSeen || (!wizard.isEnabled() && !wizard.Command[11]->isEnabled());
    });
    look.start();
    chooseMenuItem(w, u"mnupiliang"_s);
    look.stop();
    EXPECT_TRUE(lockedSeen);
    EXPECT_TRUE(wizard.isEnabled());
    EXPECT_TRUE(wizard.isVisible());
    wizard.close();
}

TEST_F(WizardTest, EmptyDocumentIsNotCountedWithTheWizardsOwnWords) {
    frmMain& w = started();
    const OpenedWindow opened = openedBy(&w, [&] { w.wizard().Command[10]->click(); });
    EXPECT_TRUE(opened.name.isEmpty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, u"文档界面还没有内容，有内容后再统计"_s);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Information);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"友情提示"_s);
    fakes.messageBox.shown.clear();
    chooseMenuItem(w, u"mnucitongji"_s);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, u"当前文档界面内容为空，不必统计"_s);
}

TEST_F(WizardTest, FinderButtonsAddUp) {
    frmMain& w = started();
    w.Rich1->setText(u"the cat"_s);
    QStringList shown;
    const auto inspect = [&](QWidget& window) { shown = findersShown(window); };
    openedBy(
        &w, [&] { w.wizard().Command[6]->click(); }, inspect);
    EXPECT_EQ(shown, QStringList{u"Command2"_s});
    openedBy(
        &w, [&] { w.wizard().Command[7]->click(); }, inspect);
    EXPECT_EQ(shown, (QStringList{u"Command1"_s, u"Command2"_s}));
    // The menu shows the open window first; the buttons it had stay.
    chooseMenuItem(w, u"mnuchengyinjie"_s);
    EXPECT_EQ(findersShown(w.statisticsWindow()), (QStringList{u"Command1"_s, u"Command2"_s, u"Command6"_s}));
    chooseMenuItem(w, u"mnulong"_s);
    EXPECT_EQ(findersShown(w.statisticsWindow()), (QStringList{u"Command1"_s, u"Command2"_s, u"Command6"_s}));
    w.statisticsWindow().close();
}
