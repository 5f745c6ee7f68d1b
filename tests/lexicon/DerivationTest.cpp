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

TEST_F(DerivationTest, EveryFixedEndingAppendsItsTranscription) {
    WordList stems;
    stems.add({QStringLiteral("k=||k")});
    const struct {
        const char16_t* ending;
        const char16_t* appended;
    } cases[] = {
        {u"er", u"E"},        {u"ar", u"E"},         {u"or", u"E"},       {u"ly", u"lI"},
        {u"ic", u"Ik"},       {u"th", u"W"},         {u"st", u"st"},      {u"ee", u"5i:"},
        {u"ty", u"tI"},       {u"ry", u"rI"},        {u"an", u""},        {u"en", u""},
        {u"fy", u""},         {u"ie", u""},          {u"ing", u"IN"},     {u"ism", u"IzEm"},
        {u"ate", u"(e)It"},   {u"age", u"IdV"},      {u"ant", u"eInt"},   {u"ent", u"eInt"},
        {u"ary", u"eErI"},    {u"dom", u"dEm"},      {u"ean", u"i:n"},    {u"eer", u"IE"},
        {u"ery", u"eErI"},    {u"ese", u"i:z"},      {u"est", u"Ist"},    {u"ful", u"fEl"},
        {u"ial", u"El"},      {u"ian", u"IEn"},      {u"ics", u"Iks"},    {u"ify", u"IfaI"},
        {u"ise", u"aIz"},     {u"ish", u"IF"},       {u"ite", u"aIt"},    {u"ity", u"ItI"},
        {u"ive", u"aIv"},     {u"ize", u"aIz"},      {u"let", u"lIt"},    {u"ory", u"CrI"},
        {u"ous", u"Es"},      {u"ure", u"Er"},       {u"ule", u"ju:l"},   {u"ess", u""},
        {u"able", u"Ebl"},    {u"ible", u"Ebl"},     {u"ance", u"Ens"},   {u"ence", u"Ens"},
        {u"ator", u"eItE"},   {u"cide", u"sId"},     {u"ette", u"it"},    {u"fold", u"fEUld"},
        {u"hood", u"hU:d"},   {u"less", u"lIs"},     {u"like", u"laIk"},  {u"ment", u"mEnt"},
        {u"most", u"mEUst"},  {u"ness", u"nIs"},     {u"logy", u"lEdVI"}, {u"ship", u"FIp"},
        {u"some", u"sEm"},    {u"ward", u"wEd"},     {u"ster", u""},      {u"ware", u""},
        {u"ways", u""},       {u"wise", u""},        {u"arian", u"Ern"},  {u"ation", u"5eIFEn"},
        {u"ative", u"eItIv"}, {u"cracy", u"kreIsI"}, {u"esque", u"esk"},  {u"ology", u"ClEdVI"},
        {u"phile", u"faIl"},  {u"wards", u"wEdz"},
    };
    for (const auto& c : cases) {
        const QString word = u'k' + QString::fromUtf16(c.ending);
        EXPECT_EQ(DerivePhoneticFast(stems, word), u'k' + QString::fromUtf16(c.appended))
            << word.toStdString();
    }
}

TEST_F(DerivationTest, ShortWordsAndTheOrderOfTries) {
    WordList stems;
    stems.add({QStringLiteral("k=||k"), QStringLiteral("ki=||ki")});
    const struct {
        const char16_t* word;
        const char16_t* phonetic;
    } cases[] = {
        {u"ks", u""},        {u"kd", u""},      // the plural and past letter alone need three letters
        {u"ked", u"kt"},     {u"kied", u"kid"}, // "ed" as a two-letter ending
        {u"kxed", u"kt"},                       // "ed" with the letter before it
        {u"kiing", u"kiIN"},                    // "ing" as a three-letter ending before the doubled stem
        {u"kking", u"kiN"},                     // the doubled consonant goes
        {u"kies", u"kiz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DerivePhoneticFast(stems, QString::fromUtf16(c.word)), QString::fromUtf16(c.phonetic))
            << QString::fromUtf16(c.word).toStdString();
}

TEST_F(DerivationTest, NothingFoundWithoutADatabase) {
    TempFolder empty;
    EXPECT_EQ(DerivePhoneticDb(QStringLiteral("wanted")), QString());
    EXPECT_EQ(DeriveWordDb(QStringLiteral("cities")), QString());
}

} // namespace
