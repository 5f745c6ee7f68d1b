#include "tests/statistics/StatisticsFixture.h"
#include "tools/text/Form9.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Word list transcriptions; the database holds the "old" notation.
const QStringList kWords = {
    QStringLiteral("about=|大约|E5baJt"),
    QStringLiteral("battlefield=|战场|5bAtlfi:ld"),
    QStringLiteral("button=|按钮|5bVtn"),
    QStringLiteral("cat=|猫|kAt"),
    QStringLiteral("hmm=|嗯|hml"),
    QStringLiteral("known=|已知的|nEJn"),
    QStringLiteral("mbtn=|测试|mbtn"),
    QStringLiteral("see=|看|si:"),
    QStringLiteral("understand=|理解|7QndE5stAnd"),
    QStringLiteral("dog=|狗|5dCg"),
};

} // namespace

class Form9Test : public StatisticsTest {
protected:
    Form9Test() { useWords(kWords); }
    Form9& window() {
        if (!form)
            form = std::make_unique<Form9>(fakes.messageBox, fakes.dialogs, document, words);
        return *form;
    }
    std::unique_ptr<Form9> form;
};

struct FinderCase {
    std::string name;
    void (Form9::*run)();
    QPushButton* Form9::*button;
    QString text;
    QString separator;
    QString result;
    QString endCaption;
};

class FinderCases : public Form9Test, public ::testing::WithParamInterface<FinderCase> {};

TEST_P(FinderCases, ListsEveryHitAfterTheHeading) {
    const FinderCase& c = GetParam();
    document.setText(c.text);
    Form9& w = window();
    w.Rich1->setText(QStringLiteral("earlier result"));
    w.Text1->setText(c.separator);
    (w.*c.run)();
    EXPECT_EQ(w.Rich1->text(), c.result);
    EXPECT_EQ((w.*c.button)->text(), c.endCaption);
    EXPECT_TRUE((w.*c.button)->isEnabled());
    EXPECT_EQ(w.Label1->text(),
              QStringLiteral("完成，找到：") + QString::number(w.lists[1].size()) + QStringLiteral(" 项"));
    EXPECT_TRUE(w.Command4->isEnabled());
    EXPECT_TRUE(w.Text1->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Form9, FinderCases,
    ::testing::Values(
        // Each occurrence counts; a derived form is found through its stem; after a comma a word is
        // not found.
        FinderCase{"Stress", &Form9::Command1_Click, &Form9::Command1, QStringLiteral("About,dog cat dogs"),
                   QStringLiteral(","), QStringLiteral("找有重音的单词:about,dogs,"),
                   QStringLiteral("找有重音的单词&S")},
        FinderCase{"StressAtTheLastLetter", &Form9::Command1_Click, &Form9::Command1, QStringLiteral("dog"),
                   QString(), QStringLiteral("找有重音的单词:dog\r\n"), QStringLiteral("找有重音的单词&S")},
        FinderCase{"LongVowel", &Form9::Command2_Click, &Form9::Command2,
                   QStringLiteral("see cat battlefield well-see"), QStringLiteral(" "),
                   QStringLiteral("找有长音的单词:see battlefield "), QStringLiteral("找有长音的单词&L")},
        FinderCase{"SecondaryStress", &Form9::Command5_Click, &Form9::Command5,
                   QStringLiteral("understand about"), QStringLiteral(","),
                   QStringLiteral("找有次重音的单词:understand,"), QStringLiteral("有次重音的单词")},
        // Final n after a consonant; a middle l between consonants; a 3-character transcription never;
        // m before and n after a consonant list the word twice.
        FinderCase{"SyllabicConsonant", &Form9::Command6_Click, &Form9::Command6,
                   QStringLiteral("button battlefield hmm known mbtn cat"), QStringLiteral(","),
                   QStringLiteral("找有成音节的单词:button,battlefield,mbtn,mbtn,"),
                   QStringLiteral("找有成音节的单词")}),
    caseName<FinderCase>);

TEST_F(Form9Test, LongVowelTestsTheTranscriptionAsLookedUp) {
    useWords({QStringLiteral("sir=|先生|s3:")});
    document.setText(QStringLiteral("sir"));
    window().Command2_Click();
    EXPECT_EQ(window().Rich1->text(), QStringLiteral("找有长音的单词:sir,"));
    EXPECT_EQ(window().lists[1], QStringList{QStringLiteral("sir")});
}

class ClassificationTest : public Form9Test {
protected:
    ClassificationTest() {
        writeLexiconDatabase(folder, {{QStringLiteral("a"), QStringLiteral("E")},
                                      {QStringLiteral("about"), QStringLiteral("E5baut")},
                                      {QStringLiteral("cat"), QStringLiteral("kAt")},
                                      {QStringLiteral("understand"), QStringLiteral("7QndE5stAnd")},
                                      {QStringLiteral("education"), QStringLiteral("7edju:5keiFEn")},
                                      {QStringLiteral("unbelievable"), QStringLiteral("7QnbI5li:vEbl")}});
    }
};

TEST_F(ClassificationTest, ClassesBySyllablesWithUnknownWords) {
    document.setText(QStringLiteral("Cat, about cats,understand education unbelievable qzx cat"));
    Form9& w = window();
    w.Rich1->setText(QStringLiteral("before\r\n"));
    w.Rich1->setSelStart(8);
    w.Command3_Click();
    EXPECT_EQ(
        w.Rich1->text(),
        QStringLiteral(
            "before\r\n音节数为1的单词3个如下：\r\ncat,cats,cat\r\n音节数为2的单词1个如下：\r\nabout\r\n"
            "音节数为3的单词1个如下：\r\nunderstand\r\n音节数为4的单词1个如下：\r\neducation\r\n"
            "音节数为5的单词1个如下：\r\nunbelievable\r\n没查到的单词或字母组合体1个如下：\r\nqzx"));
    EXPECT_EQ(w.Label1->text(),
              QStringLiteral("音节数为1的单词有：3个;音节数为2的单词有：1个;音节数为3的单词有：1个;"
                             "音节数为4的单词有：1个;音节数为5的单词有：1个;"
                             "没查到，音节数不确定的字符体有：1个"));
    ASSERT_EQ(w.List0->count(), 1);
    EXPECT_EQ(w.List0->item(0)->text(), QStringLiteral("qzx"));
    EXPECT_FALSE(w.List0->isHidden());
    EXPECT_FALSE(w.Labeltishi->isHidden());
    EXPECT_EQ(w.Command3->text(), QStringLiteral("按音节数分类单词&C"));
    EXPECT_TRUE(w.Command4->isEnabled());
}

TEST_F(ClassificationTest, EveryWordKnownLeavesTheHintHidden) {
    document.setText(QStringLiteral("a cat"));
    Form9& w = window();
    w.Text1->setText(QString());
    w.Command3_Click();
    EXPECT_EQ(w.Rich1->text(),
              QStringLiteral("音节数为1的单词2个如下：\r\na\r\ncat\r\n音节数为2的单词0个如下：\r\n\r\n"
                             "音节数为3的单词0个如下：\r\n\r\n音节数为4的单词0个如下：\r\n\r\n"
                             "音节数为5的单词0个如下：\r\n\r\n没查到的单词或字母组合体0个如下：\r\n"));
    EXPECT_TRUE(w.List0->isHidden());
    EXPECT_TRUE(w.Labeltishi->isHidden());
}

TEST_F(Form9Test, ExportWritesRtfOnlyWithTheFirstFilter) {
    document.setText(QStringLiteral("about"));
    Form9& w = window();
    w.Command1_Click();
    struct Choice {
        const char* file;
        int filter;
        bool rtf;
    };
    for (const Choice& c : {Choice{"a.txt", 1, true}, Choice{"b.rtf", 2, false}, Choice{"c.csv", 3, false}}) {
        const QString path = folder.file(QLatin1String(c.file));
        fakes.dialogs.saveAnswers.push_back({path, c.filter});
        w.Command4_Click();
        EXPECT_EQ(folder.read(QLatin1String(c.file)).startsWith("{\\rtf"), c.rtf) << c.file;
        EXPECT_TRUE(folder.read(QLatin1String(c.file)).contains("about,")) << c.file;
    }
    EXPECT_EQ(fakes.dialogs.saveRequests.back().filter,
              QStringLiteral("富文本(*.rtf)|*.rtf|纯文本(*.txt)|*.txt|EXCEL文件|*.csv"));
}
