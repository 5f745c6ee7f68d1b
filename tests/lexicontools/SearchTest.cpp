#include "tests/lexicontools/LexiconToolsFixture.h"

#include "annotation/PhoneticFont.h"
#include "platform/richtext/RichTextBox.h"
#include "tests/shell/ShellFixture.h"
#include "tools/lexicon/Form2.h"
#include "tools/lexicon/Form4.h"
#include "tools/lexicon/Form5.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

class SearchTest : public LexiconToolsTest {
protected:
    SearchTest() {
        writeLibrary({{u"nation"_qs, u"5neiFEn"_qs},
                      {u"cat"_qs, u"kAt"_qs},
                      {u"station"_qs, u"5steiFEn"_qs},
                      {u"o'clock"_qs, u"E5klCk"_qs},
                      {u"motion"_qs, u"5mEuFEn"_qs},
                      {u"tea"_qs, u"ti:"_qs}});
    }
    RichTextBox document;
    Form4 w{document};
};

TEST_F(SearchTest, FuzzySpellingStopsAtTheLimitAndTypesTwoRunsPerHit) {
    w.Slider1->setValue(2);
    w.Text1->setText(QStringLiteral("tion"));
    w.Check2->setChecked(false);
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("nation     5neiFEn\r\nstation     5steiFEn\r\n"));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("tion"));
    EXPECT_TRUE(w.Command10->isVisibleTo(&w));
    EXPECT_FALSE(w.Command2->isVisibleTo(&w));
    document.setSelStart(0);
    document.setSelLength(6);
    EXPECT_EQ(document.selFontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(document.selFontSize(), 14);
    EXPECT_EQ(document.selColor(), 0);
    document.setSelStart(11);
    document.setSelLength(7);
    EXPECT_EQ(document.selFontName(), PhoneticFont::family());
    EXPECT_EQ(document.selColor(), 0xFF0000);
}

TEST_F(SearchTest, HitLimitRunsFromOneTo1400AndStartsAtFour) {
    EXPECT_EQ(w.Slider1->minimum(), 1);
    EXPECT_EQ(w.Slider1->maximum(), 1400);
    EXPECT_EQ(w.Slider1->value(), 4);
}

TEST_F(SearchTest, HitsGoInAtTheCaretReplacingTheSelection) {
    document.setText(QStringLiteral("AXB"));
    document.setSelStart(1);
    document.setSelLength(1);
    w.Check1->setChecked(false);
    w.Check2->setChecked(false);
    w.Text1->setText(QStringLiteral("cat"));
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("Acat     kAt\r\nB"));
}

TEST_F(SearchTest, ExactSpellingLowerCasesAndBindsQuotes) {
    w.Check1->setChecked(false);
    w.Text1->setText(QStringLiteral("Cat"));
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("cat     kAt\r\n"));
    document.setText({});
    w.Text1->setText(QStringLiteral("o'clock"));
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("o'clock     ") +
                                   Module1::ToNewNotation(QStringLiteral("E5klCk")) + QStringLiteral("\r\n"));
    document.setText({});
    w.Check1->setChecked(true);
    w.Text1->setText(QStringLiteral("\"'"));
    w.Command10_Click();
    EXPECT_TRUE(document.text().isEmpty());
}

TEST_F(SearchTest, EmptyFuzzyKeysMatchEveryRowUpToTheLimit) {
    w.Slider1->setValue(3);
    w.Command10_Click();
    EXPECT_EQ(document.text().count(QStringLiteral("\r\n")), 3);
    document.setText({});
    w.selectMode(w.Option2);
    w.Slider1->setValue(6);
    w.Command10_Click();
    EXPECT_EQ(document.text().count(QStringLiteral("\r\n")), 6);
}

TEST_F(SearchTest, SoundSearchComparesInTheChosenNotationAndEmptiesTheKey) {
    w.selectMode(w.Option2);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("请输入音标："));
    EXPECT_TRUE(w.Frame5->isVisibleTo(&w));
    // Typed in the 13th edition, found in the 15th: both sides are converted.
    w.Text2->setText(QStringLiteral("ti:"));
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("tea     ") + Module1::ToNewNotation(QStringLiteral("ti:")) +
                                   QStringLiteral("\r\n"));
    EXPECT_TRUE(w.Text2->text().isEmpty());
    document.setText({});
    w.Check1->setChecked(false);
    w.Check2->setChecked(false);
    w.Check2_Click();
    EXPECT_EQ(w.Check2->text(), QStringLiteral("第13版国际音标显示(&A)"));
    w.Text2->setText(QStringLiteral("kAt"));
    w.Command10_Click();
    EXPECT_EQ(document.text(), QStringLiteral("cat     kAt\r\n"));
}

TEST_F(SearchTest, StopEndsTheSearchAfterTheCurrentRow) {
    w.Slider1->setValue(1400);
    w.selectMode(w.Option2);
    // The stop button is pressed while the search lets events through.
    QTimer::singleShot(0, &w, [this] { w.Command2->click(); });
    w.Command10_Click();
    const int lines = static_cast<int>(document.text().count(QStringLiteral("\r\n")));
    EXPECT_LT(lines, 6);
    document.setText({});
    w.Command10_Click();
    EXPECT_EQ(document.text().count(QStringLiteral("\r\n")), 6);
}

TEST_F(SearchTest, ClosingTheWindowEndsTheSearch) {
    w.Slider1->setValue(1400);
    w.selectMode(w.Option2);
    QTimer::singleShot(0, &w, [this] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &escape);
    });
    w.Command10_Click();
    EXPECT_LT(document.text().count(QStringLiteral("\r\n")), 6);
}

TEST_F(SearchTest, KeypadTypesIntoTheTranscriptionKey) {
    w.c1_Click(7);
    w.Command1_Click(0);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("8dV"));
}

class MeaningTest : public LexiconToolsTest {
protected:
    MeaningTest() {
        writeLibrary({}, {{u"icecream"_qs, u"冰\r\n淇淋"_qs}});
        (void)words.add(QStringList{u"cat=|猫|kAt"_qs});
    }
    RichTextBox document;
    WordList words;
};

TEST_F(MeaningTest, PrefillsTheSelectionAndLooksUpTheJoinedWords) {
    document.setText(QStringLiteral("ice cream"));
    document.setSelStart(0);
    document.setSelLength(9);
    Form5 w(fakes.messageBox, fakes.dialogs, document, words);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("ice cream"));
    EXPECT_EQ(w.Text1->selectedText(), QStringLiteral("ice cream"));
    w.Command1_Click();
    w.Text1->setText(QStringLiteral("cat"));
    w.Command1_Click();
    w.Text1->setText(QStringLiteral("zzq"));
    w.Command1_Click();
    EXPECT_EQ(w.Rich1->text(), QStringLiteral("icecream  :  冰淇淋\r\ncat  :  猫\r\nzzq  :  没找到！\r\n"));
    EXPECT_FALSE(w.Command1->isEnabled());
}

TEST_F(MeaningTest, EmptyInputIsRefusedAndResultsSaveAsText) {
    Form5 w(fakes.messageBox, fakes.dialogs, document, words);
    EXPECT_FALSE(w.Command1->isEnabled());
    w.Text1->setText(QStringLiteral("  "));
    EXPECT_TRUE(w.Command1->isEnabled());
    w.Command1_Click();
    EXPECT_EQ(prompts(), QStringList{u"您没有选定单词！"_qs});
    w.Text1->setText(QStringLiteral("cat"));
    w.Command1_Click();
    fakes.dialogs.saveAnswers.push_back({folder.file(QStringLiteral("out.txt"))});
    w.Image1_Click();
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("保存文件"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
    EXPECT_TRUE(
        Ansi::decode(folder.read(QStringLiteral("out.txt"))).startsWith(QStringLiteral("cat  :  猫")));
}

class OpenersTest : public ShellTest {};

TEST_F(OpenersTest, MenuItemsStandInTheirPlaces) {
    frmMain& w = started();
    QStringList tools;
    for (QAction* a : w.mnuzizhu->actions())
        tools.append(a->objectName());
    ASSERT_GE(tools.size(), 7);
    EXPECT_EQ(tools.mid(0, 7),
              (QStringList{u"mnuguanli"_qs, u"mnuguanli2"_qs, u"mnuguanli3"_qs, u"mnutoolline1"_qs,
                           u"mnutoolword"_qs, u"mnutoolphonetic"_qs, u"mnuline4"_qs}));
    EXPECT_EQ(w.mnuguanli->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(w.mnujieshi->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(w.mnutran->actions().value(0), w.mnujieshi);
    const QList<QAction*> pop = w.popmenu2->actions();
    EXPECT_EQ(pop.indexOf(w.mnupjieshi) + 1, pop.indexOf(w.findChild<QAction*>(u"mnupline4"_qs)));
}

TEST_F(OpenersTest, ModelessOpenersSetTheModeOnTheSameWindow) {
    frmMain& w = started();
    chooseMenuItem(w, QStringLiteral("mnutoolphonetic"));
    Form4& search = w.searchWindow();
    EXPECT_TRUE(search.isVisible());
    EXPECT_FALSE(search.isModal());
    EXPECT_TRUE(search.Option2->isChecked());
    EXPECT_TRUE(search.Frame5->isVisible());
    EXPECT_EQ(search.height(), 5610 / 15);
    search.Slider1->setValue(9);
    chooseMenuItem(w, QStringLiteral("mnutoolword"));
    EXPECT_EQ(&w.searchWindow(), &search);
    EXPECT_TRUE(search.Option1->isChecked());
    EXPECT_EQ(search.Slider1->value(), 9);
    search.close();

    chooseMenuItem(w, QStringLiteral("mnuguanli3"));
    EXPECT_TRUE(w.entriesWindow().Option7->isChecked());
    EXPECT_TRUE(w.entriesWindow().isVisible());
    w.entriesWindow().close();
}

TEST_F(OpenersTest, ModalOpenersShowTheModeAndClosingRefillsTheMainLists) {
    frmMain& w = started();
    folder.write(QStringLiteral("selfmake.dat"), "cat,kAt,old\r\n");
    bool sawManageMode = false;
    QTimer::singleShot(0, &w, [&] {
        Form2& entries = w.entriesWindow();
        sawManageMode = entries.isModal() && entries.Option2->isChecked() && entries.Frame2->isVisible();
        entries.close();
    });
    chooseMenuItem(w, QStringLiteral("mnuguanli2"));
    EXPECT_TRUE(sawManageMode);
    EXPECT_EQ(w.List1, QStringList{u"cat"_qs});

    w.Rich1->setText(QStringLiteral("cat"));
    w.Rich1->setSelStart(0);
    w.Rich1->setSelLength(3);
    QString prefill;
    QTimer::singleShot(0, &w, [&] {
        prefill = w.meaningWindow().Text1->text();
        w.meaningWindow().close();
    });
    chooseMenuItem(w, QStringLiteral("mnujieshi"));
    EXPECT_EQ(prefill, QStringLiteral("cat"));
}

// A modal opener while its window is open modelessly brings that window to the front with the
// opener's steps, instead of a second, nested modal run.
struct ModalAgainCase {
    const char* name;
    const char16_t* modeless;
    const char16_t* modal;
};
void PrintTo(const ModalAgainCase& c, std::ostream* os) {
    *os << c.name;
}

class ModalOpenerOnAnOpenWindow : public ShellTest, public ::testing::WithParamInterface<ModalAgainCase> {};

TEST_P(ModalOpenerOnAnOpenWindow, ShowsTheSameWindowWithoutANestedRun) {
    frmMain& w = started();
    chooseMenuItem(w, QString::fromUtf16(GetParam().modeless));
    const bool entries = GetParam().modal == std::u16string_view(u"mnuguanli2");
    QDialog* window = entries ? static_cast<QDialog*>(&w.entriesWindow()) : &w.meaningWindow();
    ASSERT_TRUE(window->isVisible());
    bool nested = false;
    QTimer::singleShot(0, window, [&] {
        nested = true;
        window->close();
    });
    chooseMenuItem(w, QString::fromUtf16(GetParam().modal));
    EXPECT_FALSE(nested);
    EXPECT_TRUE(window->isVisible());
    if (entries) {
        EXPECT_TRUE(w.entriesWindow().Option2->isChecked());
    }
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Openers, ModalOpenerOnAnOpenWindow,
                         ::testing::Values(ModalAgainCase{"entries", u"mnuguanli3", u"mnuguanli2"},
                                           ModalAgainCase{"meaning", u"mnupjieshi", u"mnujieshi"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchTest, DocumentHeldByARunReceivesNoHits) {
    document.setEnabled(false);
    w.Text1->setText(QStringLiteral("tion"));
    w.Command10_Click();
    EXPECT_TRUE(document.text().isEmpty());
    EXPECT_TRUE(w.Command10->isVisibleTo(&w));
}
