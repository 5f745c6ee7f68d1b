#include "tests/statistics/StatisticsFixture.h"
#include "tools/text/Form8.h"
#include "tools/text/Form9Scan.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList tokensOf(const QString& text) {
    QStringList tokens;
    ContinuingScan::scan(
        ContinuingScan::scannedText(text), [&](const QString& token, qsizetype) { tokens.append(token); },
        [] {});
    return tokens;
}

} // namespace

struct ScanCase {
    std::string name;
    QString text;
    QStringList tokens;
};

class ContinuingScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ContinuingScanCases, CutsEachTokenFromTheEndOfThePreviousOne) {
    EXPECT_EQ(tokensOf(GetParam().text), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    ContinuingScan, ContinuingScanCases,
    ::testing::Values(
        ScanCase{
            "Comma", QStringLiteral("cat,dog"), {QStringLiteral("cat"), QStringLiteral(",dog"), QString()}},
        ScanCase{"Hyphen",
                 QStringLiteral("well-known"),
                 {QStringLiteral("well"), QStringLiteral("-known"), QString()}},
        ScanCase{"CommaAndBlank",
                 QStringLiteral("Cat, Dog"),
                 {QStringLiteral("cat"), QStringLiteral(","), QStringLiteral("dog"), QString()}},
        // A line break is one blank; the word after it is taken whole.
        ScanCase{"LineBreak",
                 QStringLiteral("cat\r\ndog\ncow"),
                 {QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("cow"), QString()}},
        // Past its window a word is taken by the next window.
        ScanCase{"NextWindow",
                 QStringLiteral("ab abcdefghijklmnopqrst"),
                 {QStringLiteral("ab"), QStringLiteral("abcdefghijklmnopqrst")}},
        ScanCase{"NoLetters", QStringLiteral("12, 34"), {}}),
    caseName<ScanCase>);

class VocabularyTest : public StatisticsTest {
protected:
    VocabularyTest() {
        writeLexiconDatabase(folder, {{QStringLiteral("a"), QStringLiteral("E")},
                                      {QStringLiteral("cat"), QStringLiteral("kAt")},
                                      {QStringLiteral("dog"), QStringLiteral("dCg")},
                                      {QStringLiteral("the"), QStringLiteral("DE")}});
    }
    Form8& count(const QString& text, const QString& separator = QStringLiteral("，")) {
        document.setText(text);
        if (!form)
            form = std::make_unique<Form8>(fakes.messageBox, fakes.dialogs, document);
        form->Text1->setText(separator);
        form->Command1_Click();
        return *form;
    }
    std::unique_ptr<Form8> form;
};

struct CountCase {
    std::string name;
    QString text;
    QString separator;
    QString report;
    QString summary;
};

class CountCases : public VocabularyTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountCases, ReportsVerifiedDistinctAndUnverifiedTokens) {
    Form8& w = count(GetParam().text, GetParam().separator);
    EXPECT_EQ(w.Rich1->text(), GetParam().report);
    EXPECT_EQ(w.Label1->text(), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Form8, CountCases,
    ::testing::Values(
        CountCase{"RepeatsInAnyCase", QStringLiteral("The the THE"), QStringLiteral("，"),
                  QStringLiteral("全部单词（项数）：3\r\nthe，the，the\r\n不重复单词：1\r\nthe\r\n"
                                 "未获音标验证：1\r\n"),
                  QStringLiteral("全部单词（项数）：3；不重复单词：1\u3000未获音标验证的：1")},
        CountCase{"PartOfAnEarlierWordIsDistinct", QStringLiteral("cat a"), QStringLiteral("，"),
                  QStringLiteral("全部单词（项数）：2\r\ncat，a\r\n不重复单词：2\r\ncat，a\r\n"
                                 "未获音标验证：1\r\n"),
                  QStringLiteral("全部单词（项数）：2；不重复单词：2\u3000未获音标验证的：1")},
        CountCase{"PunctuationTokenIsUnverified", QStringLiteral("cat, dog"), QStringLiteral("，"),
                  QStringLiteral("全部单词（项数）：2\r\ncat，dog\r\n不重复单词：2\r\ncat，dog\r\n"
                                 "未获音标验证：2\r\n,，"),
                  QStringLiteral("全部单词（项数）：2；不重复单词：2\u3000未获音标验证的：2")},
        CountCase{"SuffixVerifiesAndCommaHidesAWord", QStringLiteral("cats,dog"), QString(),
                  QStringLiteral("全部单词（项数）：1\r\ncats\r\n不重复单词：1\r\ncats\r\n"
                                 "未获音标验证：2\r\n,dog\r\n"),
                  QStringLiteral("全部单词（项数）：1；不重复单词：1\u3000未获音标验证的：2")},
        CountCase{"EmptySeparatorIsALineBreak", QStringLiteral("dog  cat"), QString(),
                  QStringLiteral("全部单词（项数）：2\r\ndog\r\ncat\r\n不重复单词：2\r\ndog\r\ncat\r\n"
                                 "未获音标验证：2\r\n\r\n"),
                  QStringLiteral("全部单词（项数）：2；不重复单词：2\u3000未获音标验证的：2")},
        CountCase{"NoVerifiedWord", QStringLiteral("xq"), QStringLiteral("，"),
                  QStringLiteral("全部单词（项数）：0\r\n\r\n不重复单词：0\r\n\r\n未获音标验证：2\r\nxq，"),
                  QStringLiteral("全部单词（项数）：0；不重复单词：0\u3000未获音标验证的：2")}),
    caseName<CountCase>);

TEST_F(VocabularyTest, RunStateAndASecondReportAtTheCaret) {
    Form8& w = count(QStringLiteral("cat"));
    EXPECT_EQ(w.List1, QStringList{QStringLiteral("cat")});
    EXPECT_EQ(w.List2, QStringList{QString()});
    EXPECT_EQ(w.Command1->text(), QStringLiteral("统计完成"));
    EXPECT_TRUE(w.Command1->isEnabled());
    EXPECT_FALSE(w.Command2->isHidden());
    EXPECT_TRUE(w.Text1->isHidden());
    EXPECT_TRUE(w.Label3->isHidden());
    const QString first = w.Rich1->text();
    count(QStringLiteral("dog"));
    EXPECT_EQ(w.Rich1->text(), first + QStringLiteral("全部单词（项数）：1\r\ndog\r\n不重复单词：1\r\ndog\r\n"
                                                      "未获音标验证：1\r\n"));
    EXPECT_EQ(w.List1, QStringList{QStringLiteral("dog")});
}

TEST_F(VocabularyTest, DistinctWordsOfALongTextInTextOrder) {
    QString text;
    for (int k = 0; k < 20000; ++k)
        text += QStringLiteral("the cat a dog ");
    Form8& w = count(text);
    EXPECT_EQ(w.List1.size(), 80000);
    EXPECT_TRUE(w.Label1->text().startsWith(QStringLiteral("全部单词（项数）：80000；不重复单词：4\u3000")));
    EXPECT_TRUE(w.Rich1->text().contains(QStringLiteral("不重复单词：4\r\nthe，cat，a，dog\r\n")));
}

TEST_F(VocabularyTest, ExportWritesTheReport) {
    Form8& w = count(QStringLiteral("cat"));
    const QString path = folder.file(QStringLiteral("report.txt"));
    fakes.dialogs.saveAnswers.push_back({path, 1});
    w.Command2_Click();
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
    RichTextBox saved;
    ASSERT_TRUE(saved.loadFile(path, RichTextBox::FileFormat::Text));
    EXPECT_EQ(saved.text(), w.Rich1->text());
}
