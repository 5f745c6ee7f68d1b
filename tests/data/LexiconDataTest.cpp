#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/ProgramFolder.h"
#include "platform/testing/FakeServices.h"

#include <gtest/gtest.h>

// Readable QString values in failure messages.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using namespace Module1;

class LexiconData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ProgramFolder::setOverride(QStringLiteral(PHONEXA_PROGRAM_FOLDER));
        FakeServices services;
        EXPECT_TRUE(LoadDictionary(list, services.messageBox, services.programExit));
        ProgramFolder::setOverride({});
    }
    void SetUp() override { ProgramFolder::setOverride(QStringLiteral(PHONEXA_PROGRAM_FOLDER)); }
    void TearDown() override { ProgramFolder::setOverride({}); }

    static inline WordList list;
};

// Common words, their British transcription in the old notation and its two conversions.
const struct {
    const char16_t* word;
    const char16_t* old;
    const char16_t* fresh;
    const char16_t* american;
} kWords[] = {
    {u"dog", u"dCg", u"d2g", u"dBg"},
    {u"go", u"gEu", u"gEJ", u"go"},
    {u"the", u"TE", u"TE", u"TE"},
    {u"of", u"Cv", u"2v", u"Bv"},
    {u"and", u"And", u"And", u"And"},
    {u"water", u"5wC:tE", u"5wC:tE", u"5wCtE"},
    {u"nation", u"5neiFEn", u"5neIFEn", u"5neFEn"},
    {u"bottle", u"5bCtl", u"5b2tl", u"5bBtl"},
    {u"hair", u"hZE", u"heE", u"hZE"},
    {u"extraordinary", u"ek5strC:dinEri", u"ek5strC:dInErI", u"Zk5strCdInErI"},
};

TEST_F(LexiconData, CommonWordsReadTheSameInBothHalves) {
    for (const auto& w : kWords) {
        const QString word = QString::fromUtf16(w.word);
        SCOPED_TRACE(word.toStdString());
        EXPECT_EQ(LookupPhoneticFast(list, word), QString::fromUtf16(w.old));
        EXPECT_EQ(LookupPhoneticDb(word), QString::fromUtf16(w.old));
        EXPECT_EQ(ToNewNotation(QString::fromUtf16(w.old)), QString::fromUtf16(w.fresh));
        EXPECT_EQ(ToAmericanNotation(QString::fromUtf16(w.old)), QString::fromUtf16(w.american));
        const QString meaning = LookupMeaningFast(list, word);
        EXPECT_FALSE(meaning.isEmpty());
        EXPECT_EQ(LookupMeaningDb(word), meaning);
        EXPECT_EQ(WordExistsDb(word), word);
    }
}

TEST_F(LexiconData, UnknownWordsAreDerivedFromRealStems) {
    EXPECT_EQ(DerivePhoneticFast(list, QStringLiteral("wanted")),
              LookupPhoneticFast(list, QStringLiteral("want")) + QStringLiteral("Id"));
    EXPECT_EQ(DerivePhoneticDb(QStringLiteral("cities")), LookupPhoneticDb(QStringLiteral("city")) + u'z');
    EXPECT_EQ(DeriveWordDb(QStringLiteral("friendship")), QStringLiteral("friend"));
    EXPECT_FALSE(DeriveMeaningFast(list, QStringLiteral("dogs")).isEmpty());
}

TEST_F(LexiconData, EveryWordListEntryIsFoundAtItsOwnPlace) {
    ASSERT_GE(list.count(), 45000);
    for (qsizetype i = 0; i < list.count(); ++i) {
        const QString key = list.key(i);
        ASSERT_FALSE(LookupPhoneticFast(list, key).isEmpty()) << key.toStdString();
        ASSERT_EQ(foundWordIndex, i) << key.toStdString();
    }
}

TEST_F(LexiconData, TranscriptionsHoldOnlyCodeCharacters) {
    const QString code = QStringLiteral("57:abdefghijklmnprstuvwzABCEFNQTVWZ");
    for (qsizetype i = 0; i < list.count(); ++i) {
        const QString transcription = list.phonetic(i);
        for (QChar c : transcription)
            ASSERT_TRUE(code.contains(c)) << list.item(i).toStdString();
        ASSERT_LE(transcription.count(u'5'), 1) << list.item(i).toStdString();
    }
}

TEST_F(LexiconData, DatabaseHoldsTheRareWordsTheWordListLacks) {
    for (const char16_t* word : {u"zymurgy", u"quincunx", u"bathyscaphe"}) {
        const QString w = QString::fromUtf16(word);
        EXPECT_TRUE(LookupPhoneticFast(list, w).isEmpty()) << w.toStdString();
        EXPECT_FALSE(LookupPhoneticDb(w).isEmpty()) << w.toStdString();
        EXPECT_FALSE(LookupMeaningDb(w).isEmpty()) << w.toStdString();
    }
}

} // namespace
