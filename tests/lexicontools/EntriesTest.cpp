#include "tests/lexicontools/LexiconToolsFixture.h"

#include "platform/core/ProgramFolder.h"
#include "tools/lexicon/Form2.h"
#include "tools/lexicon/UserEntries.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct TranscriptionCase {
    const char* name;
    const char16_t* line;
    const char16_t* transcription;
};
void PrintTo(const TranscriptionCase& c, std::ostream* os) {
    *os << QString::fromUtf16(c.line).toStdString();
}

class TranscriptionOf : public ::testing::TestWithParam<TranscriptionCase> {};

} // namespace

TEST_P(TranscriptionOf, TakesTheTextBetweenCommaAndTag) {
    EXPECT_EQ(UserEntries::transcriptionOf(QString::fromUtf16(GetParam().line)),
              QString::fromUtf16(GetParam().transcription));
}

INSTANTIATE_TEST_SUITE_P(Lines, TranscriptionOf,
                         ::testing::Values(TranscriptionCase{"taggedOld", u"cat,kAt,old", u"kAt"},
                                           TranscriptionCase{"taggedNew", u"cat,kAt,new", u"kAt"},
                                           TranscriptionCase{"untagged", u"cat,kAt", u"kAt"},
                                           TranscriptionCase{"tooShortForItsTag", u"a,old", u""},
                                           TranscriptionCase{"commaInside", u"x,a,b,old", u"a,b"}),
                         [](const auto& info) { return std::string(info.param.name); });

class EntriesTest : public LexiconToolsTest {
protected:
    Form2& dialog() {
        if (!form)
            form = std::make_unique<Form2>(fakes.messageBox, mainList1, mainList2);
        return *form;
    }
    QStringList listed() const {
        QStringList out;
        for (int i = 0; i < form->List1->count(); ++i)
            out.append(form->List1->item(i)->text());
        return out;
    }
    void select(int row) {
        form->List1->setCurrentRow(row);
        form->List1_Click();
    }

    QStringList mainList1;
    QStringList mainList2;
    std::unique_ptr<Form2> form;
};

TEST_F(EntriesTest, LoaderSkipsBlankAndCommalessLinesAndKeepsListsInStep) {
    writeEntries(QStringLiteral("  cat,kAt,old  \r\n\r\nnocomma\r\nBee,bi:,old\r\napple,Apl,new\r\n"));
    Form2& w = dialog();
    EXPECT_EQ(listed(), (QStringList{u"apple"_qs, u"Bee"_qs, u"cat"_qs}));
    EXPECT_EQ(w.List2, (QStringList{u"apple,Apl,new"_qs, u"Bee,bi:,old"_qs, u"cat,kAt,old"_qs}));
}

TEST_F(EntriesTest, ReadsHandEditedUtf8AndWritesAnsi) {
    folder.write(QStringLiteral("selfmake.dat"), QStringLiteral("café,kAfeI,old\r\n").toUtf8());
    Form2& w = dialog();
    EXPECT_EQ(w.List2, QStringList{u"café,kAfeI,old"_qs});
    writeEntries(QStringLiteral("咖啡,kAfeI,old\r\n"));
    EXPECT_EQ(UserEntries::load().at(0).word, QStringLiteral("咖啡"));
    w.Option2->click();
    select(0);
    w.Text4->setText(QStringLiteral("kBfeI"));
    w.Command2_Click();
    EXPECT_EQ(folder.read(QStringLiteral("selfmake.dat")),
              Ansi::encode(QStringLiteral("café,kBfeI,old\r\n\r\n")));
}

TEST_F(EntriesTest, AddLowerCasesTheWordAppendsAndListsItInPlace) {
    writeLibrary({});
    writeEntries(QStringLiteral("bee,bi:,old\r\ndog,dCg,old"));
    Form2& w = dialog();
    w.Text1->setText(QStringLiteral("C at"));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("cat"));
    EXPECT_FALSE(w.Cmdadd->isEnabled());
    w.Text2->setText(QStringLiteral("kAt"));
    ASSERT_TRUE(w.Cmdadd->isEnabled());
    w.Cmdadd->click();
    EXPECT_EQ(entriesFile(), QStringLiteral("bee,bi:,old\r\ndog,dCg,old\r\ncat,kAt,old\r\n"));
    EXPECT_EQ(listed(), (QStringList{u"bee"_qs, u"cat"_qs, u"dog"_qs}));
    EXPECT_EQ(prompts(), QStringList{u"单词 cat 及其音标已经保存好了！"_qs});
    EXPECT_EQ(w.Text2->text(), QStringLiteral("kAt"));
}

TEST_F(EntriesTest, WordInTheLibraryAsksOnceAndSkipsTheDuplicateQuestion) {
    writeLibrary({{u"cat"_qs, u"kAt"_qs}});
    writeEntries(QStringLiteral("cat,kBt,old\r\n"));
    Form2& w = dialog();
    w.Text1->setText(QStringLiteral("cat"));
    w.Text2->setText(QStringLiteral("kAt"));
    fakes.messageBox.queueAnswer(MsgBox::Ok);
    w.Cmdadd_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[0].prompt, QStringLiteral("该单词在音标库中已经存在！您仍要自己制作？"));
    EXPECT_EQ(fakes.messageBox.shown[0].style,
              MsgBox::OkCancel | MsgBox::Information | MsgBox::DefaultButton2);
    EXPECT_EQ(w.List2.size(), 2);
}

TEST_F(EntriesTest, DuplicateQuestionCountsOnlyLinesHoldingOld) {
    writeLibrary({});
    writeEntries(QStringLiteral("gold,gEuld,new\r\ncat,kAt,new\r\n"));
    Form2& w = dialog();
    w.Text1->setText(QStringLiteral("cat"));
    w.Text2->setText(QStringLiteral("kAt"));
    w.Cmdadd_Click();
    EXPECT_EQ(prompts(), QStringList{u"单词 cat 及其音标已经保存好了！"_qs});
    fakes.messageBox.shown.clear();
    w.Text1->setText(QStringLiteral("gold"));
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    w.Cmdadd_Click();
    EXPECT_EQ(prompts(), QStringList{u"该单词在库中已经存在！您仍要自己制作？"_qs});
    EXPECT_FALSE(entriesFile().contains(QStringLiteral("gold,kAt")));
}

TEST_F(EntriesTest, MissingLibraryIsReportedAndTheEntryStillSaved) {
    Form2& w = dialog();
    w.Text1->setText(QStringLiteral("cat"));
    w.Text2->setText(QStringLiteral("kAt"));
    w.Cmdadd_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(entriesFile(), QStringLiteral("cat,kAt,old\r\n"));
}

TEST_F(EntriesTest, SelectAndModifyRewritesTheLineTaggedOld) {
    writeEntries(QStringLiteral("dog,dCg,old\r\ncat,kAt,new\r\n"));
    Form2& w = dialog();
    w.selectMode(w.Option2);
    EXPECT_EQ(w.lblwhere->text(), QStringLiteral("text4.text"));
    select(0);
    EXPECT_EQ(w.Text3->text(), QStringLiteral("cat"));
    EXPECT_EQ(w.Text4->text(), QStringLiteral("kAt"));
    w.Text4->setText(QStringLiteral("kBt"));
    ASSERT_TRUE(w.Command2->isEnabled());
    w.Command2->click();
    EXPECT_EQ(entriesFile(), QStringLiteral("cat,kBt,old\r\ndog,dCg,old\r\n\r\n"));
    EXPECT_TRUE(w.Text3->text().isEmpty());
    EXPECT_EQ(prompts(), QStringList{u"记录已经修改并刷新！"_qs});
}

TEST_F(EntriesTest, ModifyAndDeleteWithoutSelectionChangeNothing) {
    writeEntries(QStringLiteral("cat,kAt,old\r\n"));
    Form2& w = dialog();
    w.selectMode(w.Option2);
    w.Text3->setText(QStringLiteral("dog"));
    w.Text4->setText(QStringLiteral("dCg"));
    w.Command2_Click();
    w.Command5_Click();
    EXPECT_EQ(w.List2, QStringList{u"cat,kAt,old"_qs});
    EXPECT_EQ(entriesFile(), QStringLiteral("cat,kAt,old\r\n"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(EntriesTest, DeleteAsksAndCancelKeepsEverything) {
    writeEntries(QStringLiteral("cat,kAt,old\r\n"));
    Form2& w = dialog();
    w.selectMode(w.Option2);
    select(0);
    fakes.messageBox.queueAnswer(MsgBox::Cancel);
    w.Command5_Click();
    EXPECT_EQ(prompts(), QStringList{u"删除操作不可恢复，您确定要删除吗？"_qs});
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("警告！"));
    EXPECT_EQ(entriesFile(), QStringLiteral("cat,kAt,old\r\n"));
    select(0);
    w.Command5_Click();
    EXPECT_EQ(folder.read(QStringLiteral("selfmake.dat")), QByteArray("\r\n"));
    EXPECT_EQ(w.List1->count(), 0);
    w.done(0);
    EXPECT_TRUE(mainList1.isEmpty());
}

TEST_F(EntriesTest, FailedRewriteIsReportedAndLeavesTheLists) {
    writeEntries(QStringLiteral("cat,kAt,old\r\n"));
    Form2& w = dialog();
    w.selectMode(w.Option2);
    // A folder in place of the file: the rewrite cannot replace it.
    QFile::remove(folder.file(QStringLiteral("selfmake.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("selfmake.dat")));
    select(0);
    w.Command5_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[1].style, MsgBox::Critical);
    EXPECT_EQ(w.List2, QStringList{u"cat,kAt,old"_qs});
    EXPECT_EQ(w.List1->count(), 1);
}

TEST_F(EntriesTest, TextBoxRules) {
    Form2& w = dialog();
    w.Text4->setText(QStringLiteral("kAt"));
    w.Text4->setCursorPosition(0);
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Text4, &backspace);
    EXPECT_EQ(w.Text4->text(), QStringLiteral("kA"));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Text4, &twice);
    EXPECT_TRUE(w.Text4->text().isEmpty());
    w.Text5->setText(QStringLiteral("O Clock"));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("oclock"));
    EXPECT_TRUE(w.Command3->isEnabled());
    EXPECT_TRUE(w.Command6->isEnabled());
    w.Text3->setText(QStringLiteral("x"));
    EXPECT_TRUE(w.Command5->isEnabled());
    EXPECT_FALSE(w.Command2->isEnabled());
}

TEST_F(EntriesTest, KeypadsTypeIntoTheModesBox) {
    Form2& w = dialog();
    w.c1_Click(7);
    w.Command1_Click(67);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("8ju:"));
    w.selectMode(w.Option2);
    w.c1_Click(7);
    EXPECT_EQ(w.Text4->text(), QStringLiteral("]"));
    w.selectMode(w.Option7);
    EXPECT_EQ(w.lblwhere->text(), QStringLiteral("text5.text"));
    EXPECT_TRUE(w.Frame3->isVisibleTo(&w));
    EXPECT_FALSE(w.Frame2->isVisibleTo(&w));
    w.c1_Click(0);
    w.c1_Click(7);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("Z]"));
}

TEST_F(EntriesTest, ClosingFillsTheMainListsInFileOrder) {
    writeEntries(QStringLiteral("dog,dCg,old\r\ncat,kAt,old\r\n"));
    mainList1 = QStringList{u"stale"_qs};
    dialog().done(0);
    EXPECT_EQ(mainList1, (QStringList{u"dog"_qs, u"cat"_qs}));
    EXPECT_EQ(mainList2, (QStringList{u"dog,dCg,old"_qs, u"cat,kAt,old"_qs}));
}
