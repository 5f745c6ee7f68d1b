#include "annotation/Lookup.h"
#include "annotation/WordScanner.h"
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/ProgramFolder.h"
#include "platform/database/Database.h"
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
        // Each suite of the fixture sets up again; the list keeps one copy of the file.
        list.clear();
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

TEST_F(LexiconData, EveryWordListEntryIsFoundAtItsOwnPlaceWithItsTranscription) {
    ASSERT_GE(list.count(), 45000);
    for (qsizetype i = 0; i < list.count(); ++i) {
        const QString key = list.key(i);
        const QString found = LookupPhoneticFast(list, key);
        ASSERT_FALSE(found.isEmpty()) << key.toStdString();
        ASSERT_EQ(found, list.phonetic(i)) << key.toStdString();
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

// A stored form the word list lacked would be derived by the layouts that ask the word list's
// derivation before the database (been bi:, had hB:d).
TEST_F(LexiconData, WordListHoldsEveryDatabaseHeadword) {
    auto db = Database::open(ProgramFolder::file(QStringLiteral("data.dat")), Database::Mode::ReadOnly);
    ASSERT_TRUE(db);
    auto words = db->prepare(QStringLiteral("select word from word"));
    ASSERT_TRUE(words);
    qsizetype count = 0;
    while (words->next()) {
        const QString word = words->text(0);
        ASSERT_GE(list.firstIndexOf(word.toLower()), 0) << word.toStdString();
        ++count;
    }
    EXPECT_EQ(count, list.count());
}

// Collects the words the scanner cuts from a text, as the layouts' recognition receives them.
struct CutWords {
    const QString& text;
    const ScanVariant& variant;
    QStringList words;
    bool running() const { return true; }
    void progress(qsizetype, qsizetype) {}
    void yield() {}
    void nonLetter(qsizetype) {}
    void word(qsizetype i, qsizetype j) {
        const QString cut = text.mid(i - 1, j - i);
        words << (variant.lowerCase ? cut.trimmed().toLower() : cut);
    }
};

// The transcriptions of the words the variant's scanner cuts, through its lookup chain, space-separated.
QString annotated(const ScanVariant& variant, const WordList& list, const QString& text) {
    CutWords cut{text, variant, {}};
    WordScanner::scan(text, variant, cut);
    QStringList codes;
    for (const QString& word : cut.words)
        codes << Lookup::chain(variant, list, word);
    return codes.join(u' ');
}

struct TextForm {
    const char* text;
    const char16_t* inlineCode; // the whole word, an ASCII apostrophe kept
    const char16_t* lineCode;   // the transcription line cuts at every apostrophe
};

void PrintTo(const TextForm& f, std::ostream* os) {
    *os << f.text;
}

class CommonForms : public LexiconData, public ::testing::WithParamInterface<TextForm> {};

// Inflected forms whose stems would derive them wrongly, capitalised everyday words, a contraction
// American spellings and words the generator's stress and syllable rules decide: both layouts'
// chains give the stored transcription.
TEST_P(CommonForms, GiveTheStoredTranscriptionInBothLayouts) {
    const TextForm& f = GetParam();
    const QString text = QString::fromUtf8(f.text);
    EXPECT_EQ(annotated(ScanVariants::Inline(), list, text), QString::fromUtf16(f.inlineCode));
    EXPECT_EQ(annotated(ScanVariants::TranscriptionLine(), list, text), QString::fromUtf16(f.lineCode));
}

const TextForm kForms[] = {
    {"did", u"did", u"did"},
    {"been", u"bi:n", u"bi:n"},
    {"had", u"hAd", u"hAd"},
    {"were", u"wE:", u"wE:"},
    {"has", u"hAz", u"hAz"},
    {"heard", u"hE:d", u"hE:d"},
    {"says", u"sez", u"sez"},
    {"having", u"5hAviN", u"5hAviN"},
    {"using", u"5ju:ziN", u"5ju:ziN"},
    {"began", u"bi5gAn", u"bi5gAn"},
    {"Friday", u"5fraidei", u"5fraidei"},
    {"China", u"5tFainE", u"5tFainE"},
    {"London", u"5lQndn", u"5lQndn"},
    {"Mr", u"5mistE", u"5mistE"},
    {"TV", u"7ti:5vi:", u"7ti:5vi:"},
    {"didn't", u"5didnt", u"5didn t"},
    {"I'm", u"aim", u"ai m"},
    {"I\u2019m", u"ai m", u"ai m"},
    {"you're", u"jC:", u"ju: E"},
    {"he's", u"hi:z", u"hi: z"},
    {"I'd", u"aid", u"ai d"},
    {"Monday", u"5mQndei", u"5mQndei"},
    {"focussed", u"5fEukEst", u"5fEukEst"},
    {"color", u"5kQlE", u"5kQlE"},
    {"organization", u"7C:gEnai5zeiFEn", u"7C:gEnai5zeiFEn"},
    {"antagonistic", u"An7tAgE5nistik", u"An7tAgE5nistik"},
    {"impracticality", u"im7prAkti5kAliti", u"im7prAkti5kAliti"},
    {"necropolis", u"ne5krCpElis", u"ne5krCpElis"},
    {"unable", u"Qn5eibl", u"Qn5eibl"},
    {"concussion", u"kEn5kQFEn", u"kEn5kQFEn"},
};

INSTANTIATE_TEST_SUITE_P(Lexicon, CommonForms, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<TextForm>& info) {
                             QString name = QString::fromUtf8(info.param.text);
                             if (name.remove(u'\u2019').size() != QString::fromUtf8(info.param.text).size())
                                 name += QStringLiteral("_typographic");
                             name.remove(u'\'');
                             return name.toStdString();
                         });

} // namespace
