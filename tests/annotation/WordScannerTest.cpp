#include "annotation/WordScanner.h"
#include "annotation/Recognition.h"
#include "annotation/ScanVariant.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Cut {
    QString word;
    qsizetype start;
    qsizetype end;
    bool operator==(const Cut&) const = default;
};

void PrintTo(const Cut& c, std::ostream* os) {
    *os << c.word.toStdString() << "@" << c.start << "-" << c.end;
}

// Records what the scanner reports; the run flag clears after `stopAfterSteps` window steps.
struct Recorder {
    explicit Recorder(const QString& text, int stopAfterSteps = -1)
        : text(text), stopAfterSteps(stopAfterSteps) {}
    const QString& text;
    int stopAfterSteps;
    std::vector<Cut> words;
    std::vector<qsizetype> blanks;
    int steps = 0;
    int yields = 0;

    bool running() const { return stopAfterSteps < 0 || steps < stopAfterSteps; }
    void progress(qsizetype, qsizetype) { ++steps; }
    void yield() { ++yields; }
    void word(qsizetype i, qsizetype j) { words.push_back({text.mid(i - 1, j - i), i, j}); }
    void nonLetter(qsizetype i) { blanks.push_back(i); }
};

std::vector<Cut> scan(const QString& text, const ScanVariant& v = ScanVariants::Inline()) {
    Recorder r(text);
    WordScanner::scan(text, v, r);
    return r.words;
}

} // namespace

TEST(WordScanner, CutsWordsWithTheirEndPositions) {
    EXPECT_EQ(scan(QStringLiteral("the cat  ")),
              (std::vector<Cut>{{QStringLiteral("the"), 1, 4}, {QStringLiteral("cat"), 5, 8}}));
}

TEST(WordScanner, LongRunGivesItsLastTwentyLettersFoundAtTheSixthStart) {
    const QString run = QStringLiteral("abcdefghijklmnopqrstuvwxy"); // 25 letters
    EXPECT_EQ(scan(run + QStringLiteral("  ")), (std::vector<Cut>{{run.mid(5), 6, 26}}));
}

TEST(WordScanner, TranscriptionLineWindowIsFifteen) {
    const QString run = QStringLiteral("abcdefghijklmnopqr"); // 18 letters
    EXPECT_EQ(scan(run + QStringLiteral("     "), ScanVariants::TranscriptionLine()),
              (std::vector<Cut>{{run.mid(3), 4, 19}}));
}

TEST(WordScanner, LetterSetsOfTheVariants) {
    struct Case {
        const char16_t* text;
        const ScanVariant* variant;
        std::vector<const char16_t*> words;
    };
    const std::vector<Case> cases = {
        {u"rock'n'roll  ", &ScanVariants::Inline(), {u"rock'n'roll"}},
        {u"na\u00efve  ", &ScanVariants::Inline(), {u"na", u"ve"}},
        {u"Don't  ", &ScanVariants::Inline(), {u"Don't"}},
        {u"'cause  ", &ScanVariants::Inline(), {u"'cause"}},
        {u"don't     ", &ScanVariants::TranscriptionLine(), {u"don", u"t"}},
        {u"cat\u732b  ", &ScanVariants::Inline(), {u"cat"}},
        {u"it\u2019s  ", &ScanVariants::Inline(), {u"it", u"s"}},
        {u"\uff41bc  ", &ScanVariants::Inline(), {u"bc"}},
    };
    for (const Case& c : cases) {
        std::vector<QString> got;
        for (const Cut& cut : scan(QString::fromUtf16(c.text), *c.variant))
            got.push_back(cut.word);
        std::vector<QString> want;
        for (const char16_t* w : c.words)
            want.push_back(QString::fromUtf16(w));
        EXPECT_EQ(got, want) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(WordScanner, WordEndingTheTextNeedsTheAppendedBlanks) {
    EXPECT_EQ(scan(Recognition::scannedText(QStringLiteral("a cat"))),
              (std::vector<Cut>{{QStringLiteral("a"), 1, 2}, {QStringLiteral("cat"), 3, 6}}));
}

TEST(WordScanner, ClearedFlagCutsNoFurtherWordButWalksOn) {
    const QString text = QStringLiteral("ab cd ef  ");
    Recorder r(text, 3); // "ab" takes three window steps
    WordScanner::scan(text, ScanVariants::Inline(), r);
    EXPECT_EQ(r.words, (std::vector<Cut>{{QStringLiteral("ab"), 1, 3}}));
    EXPECT_EQ(r.yields, 8); // one per start position: the word "ab" took positions 1 to 3
}

TEST(WordScanner, TranscriptionLineStopsAtOnceAndReportsBlanks) {
    const QString text = QStringLiteral("a  b");
    Recorder r(text);
    WordScanner::scan(text, ScanVariants::TranscriptionLine(), r);
    EXPECT_EQ(r.blanks, (std::vector<qsizetype>{3})); // position 2 ended "a" and adds nothing
    EXPECT_EQ(r.words.size(), 2u);

    Recorder stopped(text, 1);
    WordScanner::scan(text, ScanVariants::TranscriptionLine(), stopped);
    EXPECT_EQ(stopped.steps, 1);
    EXPECT_TRUE(stopped.blanks.empty());
}
