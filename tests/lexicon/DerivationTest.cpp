#include "tests/lexicon/LexiconFixtures.h"

#include "platform/testing/FakeServices.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;

const struct {
    const char16_t* word;
    const char16_t* meaning;
    const char16_t* phonetic;
} kStems[] = {
    {u"want", u"想要", u"wQnt"},     {u"stop", u"停止", u"stCp"},  {u"hate", u"恨", u"heit"},
    {u"hat", u"帽子", u"hAt"},       {u"city", u"城市", u"5sitI"}, {u"run", u"跑", u"rQn"},
    {u"friend", u"朋友", u"frend"},  {u"geo", u"地", u"dVi:E"},    {u"host", u"主人", u"hEust"},
    {u"gang", u"帮", u"gAN"},        {u"cat", u"猫", u"kAt"},      {u"dog", u"狗", u"dCg"},
    {u"bus", u"公共汽车", u"bQs"},   {u"play", u"玩", u"plei"},    {u"make", u"做", u"meik"},
    {u"inform", u"通知", u"infR:m"}, {u"i", u"我", u"ai"},
};

const struct {
    const char16_t* word;
    const char16_t* phonetic; // stem transcription and ending
    const char16_t* stem;
} kDerived[] = {
    {u"wanted", u"wQntId", u"want"}, // try 1 misses "wante", try 2 finds "want"
    {u"stopped", u"stCpt", u"stop"}, // "stoppe" and "stopp" miss, the doubled consonant goes
    {u"hated", u"heitid", u"hate"},  // "hate" comes before "hat"
    {u"cities", u"5sitIz", u"city"}, // "citie" and "citi" miss, "y" restored
    {u"running", u"rQniN", u"run"},  // "runn" misses
    {u"making", u"meikiN", u"make"}, // "mak" and "ma" miss, "e" restored
    {u"friendship", u"frendFIp", u"friend"},
    {u"geology", u"dVi:ElEdVI", u"geo"},
    {u"hostess", u"hEust", u"host"}, // nothing appended
    {u"gangster", u"gAN", u"gang"},  // nothing appended
    {u"information", u"infR:m5eIFEn", u"inform"},
    {u"cats", u"kAts", u"cat"},
    {u"dogs", u"dCgz", u"dog"},
    {u"buses", u"bQsiz", u"bus"},
    {u"played", u"pleid", u"play"},
    {u"hats", u"hAts", u"hat"},
    {u"  Cats ", u"kAts", u"cat"},
    {u"is", u"", u""}, // two letters are never stripped
    {u"unknownness", u"", u""},
    {u"", u"", u""},
};

class DerivationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList lines;
        std::vector<WordRow> words;
        std::vector<MeaningRow> meanings;
        for (const auto& s : kStems) {
            const QString w = QString::fromUtf16(s.word);
            lines.append(w + QStringLiteral("=|") + QString::fromUtf16(s.meaning) + u'|' +
                         QString::fromUtf16(s.phonetic));
            words.push_back({w, QString::fromUtf16(s.phonetic)});
            meanings.push_back({w, QString::fromUtf16(s.meaning)});
        }
        list.add(lines);
        writeLexiconDatabase(folder, words, meanings);
    }
    TempFolder folder;
    WordList list;
};

TEST_F(DerivationTest, TranscriptionIsTheStemsWithTheEndingsSound) {
    for (const auto& c : kDerived) {
        const QString word = QString::fromUtf16(c.word);
        EXPECT_EQ(DerivePhoneticFast(list, word), QString::fromUtf16(c.phonetic)) << word.toStdString();
        EXPECT_EQ(DerivePhoneticDb(word), QString::fromUtf16(c.phonetic)) << word.toStdString();
    }
}

TEST_F(DerivationTest, WordAndMeaningVariantsGiveTheStemAlone) {
    for (const auto& c : kDerived) {
        const QString word = QString::fromUtf16(c.word);
        const QString stem = QString::fromUtf16(c.stem);
        EXPECT_EQ(DeriveWordDb(word), stem) << word.toStdString();
        EXPECT_EQ(DeriveMeaningFast(list, word), stem.isEmpty() ? QString() : LookupMeaningFast(list, stem))
            << word.toStdString();
    }
}

TEST_F(DerivationTest, EndingFollowsTheStemsLastSound) {
    // One stem per class of last sound: voiceless, sibilant, "t" or "d", voiced.
    WordList sounds;
    sounds.add({QStringLiteral("kip=||kip"), QStringLiteral("kiz=||kiz"), QStringLiteral("kit=||kit"),
                QStringLiteral("kib=||kib"), QStringLiteral("kiy=||kiF")});
    const struct {
        const char16_t* word;
        const char16_t* phonetic;
    } cases[] = {
        {u"kips", u"kips"},   {u"kizs", u"kiziz"},  {u"kibs", u"kibz"},  // try 1, plural
        {u"kipd", u"kipt"},   {u"kitd", u"kitid"},  {u"kibd", u"kibd"},  // try 1, past
        {u"kipes", u"kips"},  {u"kizes", u"kiziz"}, {u"kibes", u"kibz"}, // try 2, "es"
        {u"kiped", u"kipt"},  {u"kited", u"kitId"}, {u"kibed", u"kibd"}, // try 2, "ed"
        {u"kiies", u"kiFiz"},                                            // try 4 after "F"
        {u"kiper", u"kipE"},  {u"kiply", u"kiplI"}, {u"kipee", u"kip5i:"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DerivePhoneticFast(sounds, QString::fromUtf16(c.word)), QString::fromUtf16(c.phonetic))
            << QString::fromUtf16(c.word).toStdString();
}

TEST_F(DerivationTest, NothingFoundWithoutADatabase) {
    TempFolder empty;
    EXPECT_EQ(DerivePhoneticDb(QStringLiteral("wanted")), QString());
    EXPECT_EQ(DeriveWordDb(QStringLiteral("cities")), QString());
}

} // namespace
