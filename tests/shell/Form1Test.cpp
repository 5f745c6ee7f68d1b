#include "shell/Form1.h"
#include "lexicon/Module1.h"
#include "platform/services/BgrColor.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Settings {
    QString system = QStringLiteral("new");
    QString brackets = QStringLiteral("/");
    QString separator = QStringLiteral("kongge");
    QString placement = QStringLiteral("dangqian");
    QString check = QStringLiteral("yes");
    bool lucida = false;
    int size = 15;
};

void apply(const Settings& s) {
    Module1::phoneticSystem = s.system;
    Module1::bracketMode = s.brackets;
    Module1::wordSeparator = s.separator;
    Module1::outputPlacement = s.placement;
    Module1::notationCheck = s.check;
    Module1::useLucidaFont = s.lucida;
    Module1::phoneticFontSize = s.size;
    Module1::phoneticFontName = QStringLiteral("Fonvella");
    Module1::canshu7Flag = false;
    Module1::DeriveBrackets();
}

int foreColor(const QLabel& label) {
    return qColorToBgr(label.palette().color(QPalette::WindowText));
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        apply(Settings{});
        QPalette palette = label5.palette();
        palette.setColor(QPalette::WindowText, bgrToQColor(0x0000FF));
        label5.setPalette(palette);
        label21.setPalette(palette);
    }

    std::unique_ptr<Form1> open() {
        auto form = std::make_unique<Form1>(fakes.services(), label5, label21);
        form->Timer1_Timer();
        return form;
    }

    QString written() const { return QString::fromLatin1(folder.read(QStringLiteral("canshushezhi.txt"))); }

    TempFolder folder;
    FakeServices fakes;
    QLabel label5;
    QLabel label21;
};

QString checkedIn(const Form1& form, std::initializer_list<const char*> names) {
    QString out;
    for (const char* name : names) {
        if (form.findChild<QRadioButton*>(QLatin1String(name))->isChecked())
            out += (out.isEmpty() ? QString() : QStringLiteral(",")) + QLatin1String(name);
    }
    return out;
}

} // namespace

TEST_F(Form1Test, FirstTickFillsTheControlsFromTheSettings) {
    struct Case {
        const char* name;
        Settings settings;
        const char *notation, *brackets, *separator, *placement;
        Qt::CheckState check1;
        QString check1Caption;
    };
    const QString kDesignCaption = QStringLiteral("执行 第十五版国际音标 检查");
    const Case cases[] = {
        {"defaults", {}, "Option5", "Option3", "Option4", "Option9", Qt::PartiallyChecked, kDesignCaption},
        {"word2",
         {.placement = QStringLiteral("word2")},
         "Option5",
         "Option3",
         "Option4",
         "Option12",
         Qt::PartiallyChecked,
         kDesignCaption},
        {"word1 with square brackets and line breaks",
         {.brackets = QStringLiteral("["),
          .separator = QStringLiteral("huiche"),
          .placement = QStringLiteral("word1")},
         "Option5",
         "Option1",
         "Option2",
         "Option10",
         Qt::PartiallyChecked,
         kDesignCaption},
        {"empty notation selects American",
         {.system = QString(), .brackets = QStringLiteral("|"), .placement = QStringLiteral("self")},
         "Option16",
         "Option7",
         "Option4",
         "Option13",
         Qt::PartiallyChecked,
         QStringLiteral("执行 美式音标  检查")},
        {"unknown placement leaves the design choice",
         {.placement = QStringLiteral("sideways")},
         "Option5",
         "Option3",
         "Option4",
         "Option8",
         Qt::PartiallyChecked,
         kDesignCaption},
        {"check no, notation unchanged from design",
         {.placement = QStringLiteral("down"), .check = QStringLiteral("no")},
         "Option5",
         "Option3",
         "Option4",
         "Option11",
         Qt::PartiallyChecked,
         kDesignCaption},
        {"check no, 13th edition ticks the box",
         {.system = QStringLiteral("old"), .check = QStringLiteral("no")},
         "Option6",
         "Option3",
         "Option4",
         "Option9",
         Qt::Checked,
         QStringLiteral("执行 第十三版国际音标  检查")},
        {"13th edition, check yes dims the box again",
         {.system = QStringLiteral("old")},
         "Option6",
         "Option3",
         "Option4",
         "Option9",
         Qt::PartiallyChecked,
         QStringLiteral("执行 第十三版国际音标  检查")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        apply(c.settings);
        const auto form = open();
        EXPECT_EQ(checkedIn(*form, {"Option5", "Option6", "Option16"}), QLatin1String(c.notation));
        EXPECT_EQ(checkedIn(*form, {"Option3", "Option1", "Option7"}), QLatin1String(c.brackets));
        EXPECT_EQ(checkedIn(*form, {"Option4", "Option2"}), QLatin1String(c.separator));
        EXPECT_EQ(checkedIn(*form, {"Option9", "Option8", "Option11", "Option13", "Option10", "Option12"}),
                  QLatin1String(c.placement));
        EXPECT_EQ(form->Check1->checkState(), c.check1);
        EXPECT_EQ(form->Check1->text(), c.check1Caption);
        EXPECT_EQ(form->Check2->checkState(), c.settings.lucida ? Qt::Checked : Qt::Unchecked);
    }
}

TEST_F(Form1Test, OnlyTheFirstTickFills) {
    auto form = std::make_unique<Form1>(fakes.services(), label5, label21);
    EXPECT_TRUE(form->Option8->isChecked());
    EXPECT_EQ(form->Check2->checkState(), Qt::Checked);
    form->Timer1_Timer();
    EXPECT_TRUE(form->Option9->isChecked());
    form->Option13->setChecked(true);
    form->Timer1_Timer();
    EXPECT_TRUE(form->Option13->isChecked());
}

TEST_F(Form1Test, TimerFillsAboutATenthOfASecondAfterLoading) {
    Module1::outputPlacement = QStringLiteral("word2");
    Form1 form(fakes.services(), label5, label21);
    EXPECT_TRUE(form.Option8->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Option12->isChecked(); }, 2000));
}

TEST_F(Form1Test, ScrollBarShowsTheSizeWithinItsRange) {
    const std::pair<int, int> cases[] = {{15, 15}, {2, 2}, {72, 72}, {100, 72}, {1, 2}};
    for (const auto& [size, shown] : cases) {
        SCOPED_TRACE(size);
        Module1::phoneticFontSize = size;
        const auto form = open();
        EXPECT_EQ(form->HScroll1->value(), shown);
        EXPECT_EQ(form->Label11->text(), QString::number(shown));
    }
    const auto form = open();
    form->HScroll1->setValue(30);
    EXPECT_EQ(form->Label11->text(), QStringLiteral("30"));
}

TEST_F(Form1Test, OkAssignsTheSettingsAndWritesTheFile) {
    Module1::outputPlacement = QStringLiteral("sideways");
    const auto form = open();
    form->Option6->setChecked(true);
    form->Option7->setChecked(true);
    form->Option2->setChecked(true);
    form->Check2->setCheckState(Qt::Unchecked);
    form->HScroll1->setValue(20);

    form->Command1_Click();

    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(Module1::phoneticSystem, QStringLiteral("old"));
    EXPECT_EQ(Module1::bracketMode, QStringLiteral("|"));
    EXPECT_EQ(Module1::leftBracket, QStringLiteral(" "));
    EXPECT_EQ(Module1::rightBracket, QStringLiteral(" "));
    EXPECT_EQ(Module1::wordSeparator, QStringLiteral("huiche"));
    EXPECT_EQ(Module1::outputPlacement, QStringLiteral("up"));
    EXPECT_EQ(Module1::notationCheck, QStringLiteral("yes"));
    EXPECT_FALSE(Module1::useLucidaFont);
    EXPECT_EQ(Module1::phoneticFontName, QStringLiteral("Fonvella"));
    EXPECT_EQ(Module1::phoneticFontSize, 20);
    EXPECT_TRUE(Module1::canshu7Flag);
    EXPECT_EQ(written(),
              QStringLiteral("canshu1=old\r\ncanshu2=|\r\ncanshu3=huiche\r\ncanshu4=up\r\ncanshu5=yes\r\n"
                             "canshu6=False\r\ncanshu7=True\r\ncanshu8=Fonvella\r\ncanshu9=20\r\n[end]\r\n"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(Form1Test, OkMapsEachChoice) {
    struct Case {
        const char* name;
        QRadioButton* Form1::*notation;
        QRadioButton* Form1::*brackets;
        QRadioButton* Form1::*placement;
        Qt::CheckState check1;
        Qt::CheckState check2;
        const char *system, *bracketMode, *left, *right, *placementValue, *check, *fontName;
        bool lucida;
    };
    const Case cases[] = {
        {"15th, slashes, after each word, dimmed check, Lucida", &Form1::Option5, &Form1::Option3,
         &Form1::Option9, Qt::PartiallyChecked, Qt::Checked, "new", "/", "/", "/", "dangqian", "yes",
         "Lucida Sans Unicode", true},
        {"American, square brackets, below, cleared check", &Form1::Option16, &Form1::Option1,
         &Form1::Option11, Qt::Unchecked, Qt::Checked, "mei", "[", "[", "]", "down", "no",
         "Lucida Sans Unicode", true},
        {"13th, none, Word above, ticked check", &Form1::Option6, &Form1::Option7, &Form1::Option10,
         Qt::Checked, Qt::Unchecked, "old", "|", " ", " ", "word1", "yes", "Fonvella", false},
        {"Word below", &Form1::Option5, &Form1::Option3, &Form1::Option12, Qt::Checked, Qt::Unchecked, "new",
         "/", "/", "/", "word2", "yes", "Fonvella", false},
        {"at the end", &Form1::Option5, &Form1::Option3, &Form1::Option13, Qt::Checked, Qt::Unchecked, "new",
         "/", "/", "/", "self", "yes", "Fonvella", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        apply(Settings{});
        const auto form = open();
        ((*form).*c.notation)->setChecked(true);
        ((*form).*c.brackets)->setChecked(true);
        ((*form).*c.placement)->setChecked(true);
        form->Check1->setCheckState(c.check1);
        form->Check2->setCheckState(c.check2);
        form->Command1_Click();
        EXPECT_EQ(Module1::phoneticSystem, QLatin1String(c.system));
        EXPECT_EQ(Module1::bracketMode, QLatin1String(c.bracketMode));
        EXPECT_EQ(Module1::leftBracket, QLatin1String(c.left));
        EXPECT_EQ(Module1::rightBracket, QLatin1String(c.right));
        EXPECT_EQ(Module1::outputPlacement, QLatin1String(c.placementValue));
        EXPECT_EQ(Module1::notationCheck, QLatin1String(c.check));
        EXPECT_EQ(Module1::phoneticFontName, QLatin1String(c.fontName));
        EXPECT_EQ(Module1::useLucidaFont, c.lucida);
        EXPECT_TRUE(written().contains(QStringLiteral("canshu4=") + QLatin1String(c.placementValue) +
                                       QStringLiteral("\r\n")));
    }
}

TEST_F(Form1Test, ColourTakesEffectAtOnceAndCancelKeepsIt) {
    const auto form = open();
    EXPECT_EQ(qColorToBgr(form->Label7->palette().color(QPalette::Window)), 0x0000FF);
    fakes.dialogs.colorAnswers.push_back(0x00FF00);

    form->Label7_Click();

    ASSERT_EQ(fakes.dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(fakes.dialogs.colorRequests[0], 0x0000FF);
    EXPECT_EQ(foreColor(label5), 0x00FF00);
    EXPECT_EQ(foreColor(label21), 0x00FF00);
    form->Command2_Click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(foreColor(label5), 0x00FF00);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("canshushezhi.txt"))));
    EXPECT_EQ(Module1::outputPlacement, QStringLiteral("dangqian"));
}

TEST_F(Form1Test, CancelledColourDialogChangesNothing) {
    const auto form = open();
    fakes.dialogs.colorAnswers.push_back(std::nullopt);
    form->Label7_Click();
    EXPECT_EQ(foreColor(label5), 0x0000FF);
    EXPECT_EQ(qColorToBgr(form->Label7->palette().color(QPalette::Window)), 0x0000FF);
}

TEST_F(Form1Test, CancelAssignsNothing) {
    const auto form = open();
    form->Option16->setChecked(true);
    form->Option12->setChecked(true);
    form->Command2_Click();
    EXPECT_EQ(Module1::phoneticSystem, QStringLiteral("new"));
    EXPECT_EQ(Module1::outputPlacement, QStringLiteral("dangqian"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("canshushezhi.txt"))));
}

// A settings file that cannot be written is reported; the choices stay in force for this run.
TEST_F(Form1Test, UnwritableSettingsFileIsReported) {
    QDir(folder.path()).mkdir(QStringLiteral("canshushezhi.txt"));
    const auto form = open();
    form->Option12->setChecked(true);

    form->Command1_Click();

    EXPECT_EQ(Module1::outputPlacement, QStringLiteral("word2"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(Form1Test, NotationButtonsRecaptionAndTickTheCheck) {
    const auto form = open();
    form->Check1->setCheckState(Qt::Unchecked);
    const std::pair<QRadioButton * Form1::*, QString> cases[] = {
        {&Form1::Option16, QStringLiteral("执行 美式音标  检查")},
        {&Form1::Option6, QStringLiteral("执行 第十三版国际音标  检查")},
        {&Form1::Option5, QStringLiteral("执行 第十五版国际音标  检查")},
    };
    for (const auto& [button, caption] : cases) {
        form->Check1->setCheckState(Qt::Unchecked);
        ((*form).*button)->click();
        EXPECT_EQ(form->Check1->text(), caption);
        EXPECT_EQ(form->Check1->checkState(), Qt::Checked);
    }
}
