#include "tests/shell/ShellFixture.h"

#include "annotation/PhoneticFont.h"
#include "platform/richtext/RichTextBox.h"
#include "shell/ForeColor.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {
struct Typed {
    QString text;
    QString font;
    int color;
};

Typed typed(frmMain& w, const std::function<void()>& press) {
    w.Rich1->setText(QString());
    press();
    w.Rich1->setSelStart(0);
    w.Rich1->setSelLength(static_cast<int>(w.Rich1->text().size()));
    return {w.Rich1->text(), w.Rich1->selFontName().value_or(QString()), w.Rich1->selColor().value_or(-1)};
}
} // namespace

TEST_F(ShellTest, PhoneticKeysOfEveryPanel) {
    frmMain& w = started();
    struct Case {
        QPushButton* key;
        const char* code;
    };
    const std::vector<Case> cases = {
        {w.cmdnew[66], ":"},   {w.cmdnew[67], "7"},     {w.cmdnew[68], "5"},    {w.Command1[62], ":"},
        {w.Command1[63], "5"}, {w.Command1[64], "7"},   {w.Command1[40], "3:"}, {w.cmdnew[17], "3:"},
        {w.Command1[0], "dV"}, {w.Command1[61], "ju:"}, {w.cmdnew1[0], "A"},    {w.cmdnew1[47], "r"},
        {w.c1[8], "G"},        {w.c1[29], "B"},         {w.cmdnew[0], "B:"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.key, nullptr);
        const Typed t = typed(w, [&] { c.key->click(); });
        EXPECT_EQ(t.text, QString::fromLatin1(c.code)) << c.key->objectName().toStdString();
        EXPECT_EQ(t.font, PhoneticFont::family());
        EXPECT_EQ(t.color, foreColor(w.Label5));
    }
}

TEST_F(ShellTest, SidePanelAndPageBTypeTheSame) {
    frmMain& w = started();
    const Typed side = typed(w, [&] { w.cmdnew1_Click(0); }); // "A"
    const Typed pageB = typed(w, [&] { w.Command1_Click(28); });
    EXPECT_EQ(side.text, pageB.text);
    EXPECT_EQ(side.font, pageB.font);
    EXPECT_EQ(side.color, pageB.color);
}

TEST_F(ShellTest, SymbolAndBracketKeys) {
    frmMain& w = started();
    setForeColor(w.Label6, 0x0000FF);
    const Typed tick = typed(w, [&] { w.Commandadd[67]->click(); });
    EXPECT_EQ(tick.text, QStringLiteral("√"));
    EXPECT_EQ(tick.font, QStringLiteral("Times New Roman"));
    EXPECT_EQ(tick.color, 0x0000FF);
    EXPECT_EQ(typed(w, [&] { w.Commandadd_Click(117); }).text, QStringLiteral("Ⅻ"));
    EXPECT_EQ(typed(w, [&] { w.Commandadd_Click(0); }).text, QString());
    const Typed bracket = typed(w, [&] { w.Command2->click(); });
    EXPECT_EQ(bracket.text, QStringLiteral("["));
    EXPECT_EQ(bracket.font, QStringLiteral("Times New Roman"));
}

TEST_F(ShellTest, OutOfTableKeyDeletesTheSelection) {
    frmMain& w = started();
    w.Rich1->setText(QStringLiteral("abc"));
    w.Rich1->setSelStart(0);
    w.Rich1->setSelLength(3);
    w.cmdnew_Click(50);
    EXPECT_EQ(w.Rich1->text(), QString());
}

TEST_F(ShellTest, TopPanelMovesTheEditorAndBack) {
    frmMain& w = started();
    const float top = w.Rich1.Top();
    const float height = w.Rich1.Height();
    chooseMenuItem(w, QStringLiteral("mnuviewzhedie"));
    EXPECT_TRUE(w.mnuviewzhedie->isChecked());
    EXPECT_TRUE(w.Frame1.Visible());
    EXPECT_FALSE(w.Frame0.Visible()); // page B waits behind "切换"
    EXPECT_FLOAT_EQ(w.Rich1.Top(), top + w.Frame1.Height());
    EXPECT_FLOAT_EQ(w.Rich1.Height(), height - w.Frame1.Height());
    chooseMenuItem(w, QStringLiteral("mnuviewzhedie"));
    EXPECT_FLOAT_EQ(w.Rich1.Top(), top);
    EXPECT_FLOAT_EQ(w.Rich1.Height(), height);
}

TEST_F(ShellTest, SidePanelOnTheRightWidensTheEditorInPlace) {
    frmMain& w = started();
    const float left = w.Rich1.Left();
    const float width = w.Rich1.Width();
    chooseMenuItem(w, QStringLiteral("mnuleft"));
    EXPECT_FALSE(w.Frame3.Visible());
    EXPECT_FLOAT_EQ(w.Rich1.Left(), left);
    EXPECT_FLOAT_EQ(w.Rich1.Width(), width + w.Frame3.Width());
}

TEST_F(ShellTest, FoldLabelHidesItselfOnceRight) {
    frmMain& w = started();
    const float frameLeft = w.Frame3.Left();
    w.Label1_Click();
    EXPECT_TRUE(w.Label1->isHidden());
    EXPECT_FLOAT_EQ(w.Frame3.Left(), frameLeft);
    chooseMenuItem(w, QStringLiteral("mnuleft"));
    EXPECT_FALSE(w.Frame3.Visible());
}

TEST_F(ShellTest, PageSwitchAndClose) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnuviewzhedie"));
    w.Label17_Click();
    EXPECT_TRUE(w.Frame0.Visible());
    EXPECT_FALSE(w.Frame1.Visible());
    EXPECT_EQ(w.lblcaidan->text(), QStringLiteral("3"));
    w.Label18_Click();
    EXPECT_TRUE(w.Frame1.Visible());
    EXPECT_FALSE(w.Frame0.Visible());
    w.Label20_Click();
    EXPECT_FALSE(w.mnuviewzhedie->isChecked());
    EXPECT_FALSE(w.Frame1.Visible());
    EXPECT_FALSE(w.Frame0.Visible());
}

TEST_F(ShellTest, ManualPanelBlinksTwiceAndStaysOpen) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnuhand"));
    EXPECT_TRUE(w.mnuviewzhedie->isChecked());
    EXPECT_TRUE(w.Timer2->isActive());
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        w.Timer2_Timer();
        seen.push_back(w.Frame1.Visible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
    EXPECT_FALSE(w.Timer2->isActive());
}

TEST_F(ShellTest, PhoneticColourDialog) {
    frmMain& w = started();
    fakes.dialogs.colorAnswers.push_back(0x00FF00);
    w.Label5_Click();
    EXPECT_EQ(fakes.dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(foreColor(w.Label5), 0x00FF00);
    EXPECT_EQ(foreColor(w.Label21), 0x00FF00);
    fakes.dialogs.colorAnswers.push_back(std::nullopt);
    w.Label21_Click();
    EXPECT_EQ(foreColor(w.Label5), 0x00FF00);
    EXPECT_EQ(typed(w, [&] { w.cmdnew_Click(1); }).color, 0x00FF00);
}

TEST_F(ShellTest, TopPanelOpensOnPageAAlone) {
    frmMain& w = started(); // the start-up closes the top panel
    ASSERT_TRUE(w.Frame1->isHidden());
    for (const char* opener : {"mnuviewzhedie", "mnuhand"}) {
        if (w.mnuviewzhedie->isChecked())
            w.mnuviewzhedie_Click();
        chooseMenuItem(w, QString::fromLatin1(opener));
        EXPECT_FALSE(w.Frame1->isHidden()) << opener;
        EXPECT_TRUE(w.Frame0->isHidden()) << opener;
        w.Label17_Click();
        EXPECT_TRUE(w.Frame1->isHidden()) << opener;
        EXPECT_FALSE(w.Frame0->isHidden()) << opener;
        w.Label20_Click();
    }
}

TEST_F(ShellTest, SidePanelKeysKeepTheirSizeInALowWindow) {
    frmMain& w = started();
    w.resize(1011, 300);
    w.show();
    QCoreApplication::processEvents();
    for (QPushButton* key : w.cmdnew1)
        EXPECT_GE(key->height(), 18) << key->objectName().toStdString();
}
