#include "annotation/Progress.h"
#include "tests/statistics/StatisticsFixture.h"
#include "tools/text/Form6.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

class RecordingProgress final : public ProgressSink {
public:
    void setCaption(const QString& text) override {
        captions.append(text);
        if (onCaption)
            onCaption(text);
    }
    QStringList captions;
    std::function<void(const QString&)> onCaption;
};

const QStringList kWords = {
    QStringLiteral("ad=|广告|Ad"), QStringLiteral("ads=|广告牌|Adz"), QStringLiteral("cat=|猫|kAt"),
    QStringLiteral("dog=|狗|dCg"), QStringLiteral("dogs=|狗们|dCgz"), QStringLiteral("the=|这|DE"),
};

} // namespace

class GlossTest : public StatisticsTest {
protected:
    GlossTest() {
        useWords(kWords);
        writeLexiconDatabase(folder, {}, {{QStringLiteral("bird"), QStringLiteral("鸟")}});
    }

    Form6& window() {
        if (!form)
            form =
                std::make_unique<Form6>(fakes.messageBox, fakes.dialogs,
                                        GlossHost{document, words, List4, List5,
                                                  [this]() -> ProgressSink& {
                                                      ++progressLoads;
                                                      return progress;
                                                  },
                                                  [this] { ++progressUnloads; },
                                                  [this] { return mainRunActive; }, [this] { ++enables; }});
        return *form;
    }
    QString gloss(const QString& text, bool onlyLongWords = true) {
        document.setText(text);
        window().Check1->setChecked(onlyLongWords);
        window().cmdtranslate_Click();
        return window().Rich1->text();
    }
    // 80000 words in short lines.
    static QString longText() {
        return (QStringLiteral("cat dog ").repeated(10) + QStringLiteral("\r\n")).repeated(4000);
    }

    QStringList List4;
    QList<int> List5;
    RecordingProgress progress;
    int progressLoads = 0;
    int progressUnloads = 0;
    int enables = 0;
    bool mainRunActive = false;
    std::unique_ptr<Form6> form;
};

struct GlossCase {
    std::string name;
    QString text;
    bool onlyLongWords;
    QString result;
};

class GlossCases : public GlossTest, public ::testing::WithParamInterface<GlossCase> {};

TEST_P(GlossCases, GlossesEachWordRightAfterIt) {
    EXPECT_EQ(gloss(GetParam().text, GetParam().onlyLongWords), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Form6, GlossCases,
    ::testing::Values(
        // The stem's meaning lands between the word and the full stop.
        GlossCase{"DerivedBeforePunctuation", QStringLiteral("cats."), true, QStringLiteral("cats(猫).  ")},
        GlossCase{"LastLetterEndsTheDocument", QStringLiteral("the cat"), false,
                  QStringLiteral("the(这) cat(猫)  ")},
        // Four letters take their own entry; three letters only what a suffix leads to.
        GlossCase{"LengthOptionBoundary", QStringLiteral("cat ads dogs"), true,
                  QStringLiteral("cat ads(广告) dogs(狗们)  ")},
        GlossCase{"EveryWordWithoutTheOption", QStringLiteral("cat ads dogs"), false,
                  QStringLiteral("cat(猫) ads(广告牌) dogs(狗们)  ")},
        GlossCase{"DatabaseMeaning", QStringLiteral("Bird!"), true, QStringLiteral("Bird(鸟)!  ")},
        GlossCase{"EachOccurrence", QStringLiteral("dogs, DOGS\r\ndogs"), true,
                  QStringLiteral("dogs(狗们), DOGS(狗们)\r\ndogs(狗们)  ")},
        GlossCase{"EmptyDocument", QString(), true, QStringLiteral("  ")}),
    caseName<GlossCase>);

TEST_F(GlossTest, GlossIsInSongtiBlackAndTheRunEndsInItsFinalState) {
    window().Rich1->setBaseFont(QStringLiteral("DejaVu Sans"), 11);
    gloss(QStringLiteral("dogs."));
    Form6& w = window();
    w.Rich1->setSelStart(4);
    w.Rich1->setSelLength(4);
    EXPECT_EQ(w.Rich1->selText(), QStringLiteral("(狗们)"));
    EXPECT_EQ(w.Rich1->selFontName(), QStringLiteral("宋体"));
    EXPECT_EQ(w.Rich1->selColor(), 0);
    w.Rich1->setSelStart(0);
    w.Rich1->setSelLength(4);
    EXPECT_EQ(w.Rich1->selFontName(), QStringLiteral("DejaVu Sans"));

    EXPECT_EQ(List4, QStringList{QStringLiteral("狗们")});
    EXPECT_EQ(List5, QList<int>{5});
    EXPECT_EQ(w.size(), QSize(364, 303));
    EXPECT_TRUE(w.Rich1->isVisible());
    EXPECT_TRUE(w.Command2->isVisible());
    EXPECT_FALSE(w.Check1->isVisible());
    EXPECT_FALSE(w.cmdtranslate->isVisible());
    EXPECT_EQ(progressLoads, 1);
    EXPECT_EQ(progressUnloads, 1);
    EXPECT_EQ(enables, 1);
    EXPECT_TRUE(progress.captions.first().startsWith(QStringLiteral("识别翻译中，每行进度：")));
    EXPECT_TRUE(progress.captions.contains(QStringLiteral("植入解释：.%")));
    EXPECT_EQ(progress.captions.last(), QStringLiteral("翻译完成：100%"));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
}

TEST_F(GlossTest, FirstStopKeepsWhatWasFound) {
    progress.onCaption = [&](const QString& caption) {
        if (caption.startsWith(u"识别") && Module1::stopAnnotateFlag)
            QTimer::singleShot(0, [] { Module1::stopAnnotateFlag = false; });
    };
    const QString result = gloss(longText(), false);
    EXPECT_GT(List4.size(), 0);
    EXPECT_LT(List4.size(), 80000);
    EXPECT_EQ(result.count(u'('), List4.size());
    EXPECT_TRUE(result.startsWith(QStringLiteral("cat(猫) dog(狗) ")));
    EXPECT_TRUE(result.endsWith(QStringLiteral("cat dog \r\n  ")));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
}

TEST_F(GlossTest, SecondStopEndsTheInsertionFromTheEnd) {
    // The second click lands while the insertion runs; what it left is at the end of the text.
    int insertionCaptions = 0;
    progress.onCaption = [&](const QString& caption) {
        if (caption.startsWith(u"植入") && ++insertionCaptions == 2)
            Module1::stopInsertFlag = false;
    };
    const QString result = gloss(longText(), false);
    EXPECT_EQ(List4.size(), 80000);
    const qsizetype inserted = result.count(u'(');
    EXPECT_GT(inserted, 0);
    EXPECT_LT(inserted, 80000);
    EXPECT_TRUE(result.startsWith(QStringLiteral("cat dog cat dog ")));
    EXPECT_TRUE(result.endsWith(QStringLiteral("cat(猫) dog(狗) \r\n  ")));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_TRUE(Module1::stopInsertFlag);
}

TEST_F(GlossTest, TwoStopsDuringRecognitionInsertNothing) {
    progress.onCaption = [&](const QString& caption) {
        if (caption.startsWith(u"识别") && Module1::stopAnnotateFlag)
            QTimer::singleShot(0, [] {
                Module1::stopAnnotateFlag = false;
                Module1::stopInsertFlag = false;
            });
    };
    const QString result = gloss(longText(), false);
    EXPECT_GT(List4.size(), 0);
    EXPECT_EQ(result.count(u'('), 0);
    EXPECT_EQ(result, longText() + QStringLiteral("  "));
    EXPECT_TRUE(Module1::stopInsertFlag);
}

TEST_F(GlossTest, RunThatFindsTheFlagClearedGlossesNothingAndRestoresIt) {
    Module1::stopAnnotateFlag = false;
    EXPECT_EQ(gloss(QStringLiteral("dogs")), QStringLiteral("dogs  "));
    EXPECT_TRUE(Module1::stopAnnotateFlag);
    EXPECT_EQ(gloss(QStringLiteral("dogs")), QStringLiteral("dogs(狗们)  "));
}

TEST_F(GlossTest, NoRunWhileAnotherHoldsTheQueue) {
    List4 = {QStringLiteral("kAt")};
    List5 = {4};
    mainRunActive = true;
    document.setText(QStringLiteral("dogs"));
    window().cmdtranslate2_Click();
    EXPECT_EQ(List4, QStringList{QStringLiteral("kAt")});
    EXPECT_EQ(progressLoads, 0);
    mainRunActive = false;

    // A second start from inside a run's yield is refused too.
    int nested = 0;
    progress.onCaption = [&](const QString& caption) {
        if (caption.startsWith(u"识别") && nested++ == 0)
            QTimer::singleShot(0, [&] { window().cmdtranslate2_Click(); });
    };
    gloss(longText(), false);
    EXPECT_EQ(progressLoads, 1);
    EXPECT_EQ(List4.size(), 80000);
    EXPECT_FALSE(window().running());
}

TEST_F(GlossTest, SaveWritesTheResultAsPlainText) {
    gloss(QStringLiteral("dogs"));
    const QString path = folder.file(QStringLiteral("gloss.txt"));
    fakes.dialogs.saveAnswers.push_back({path, 1});
    window().Command2_Click();
    ASSERT_EQ(fakes.dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(fakes.dialogs.saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
    EXPECT_EQ(fakes.dialogs.saveRequests[0].title, QStringLiteral("保存文件"));
    RichTextBox saved;
    ASSERT_TRUE(saved.loadFile(path, RichTextBox::FileFormat::Text));
    EXPECT_EQ(saved.text(), QStringLiteral("dogs(狗们)  "));
}
TEST_F(GlossTest, ResultWrapsAtTheWidthOfTheBox) {
    window().show();
    gloss(QStringLiteral("the little cat sat by the window and watched the birds while the dogs slept"),
          false);
    QCoreApplication::processEvents();
    const QTextEdit* view = window().Rich1->editor();
    EXPECT_GT(view->viewport()->width(), 0);
    EXPECT_EQ(window().Rich1->document()->textWidth(), view->viewport()->width());
}
