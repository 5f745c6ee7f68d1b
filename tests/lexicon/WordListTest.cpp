#include "tests/lexicon/LexiconFixtures.h"

#include "platform/core/Ansi.h"
#include "platform/testing/FakeServices.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace Module1;

class WordListTest : public ::testing::Test {
protected:
    void load(const QStringList& lines) {
        writeDictionary(folder, lines);
        ASSERT_TRUE(LoadDictionary(list, messages, exits));
    }
    TempFolder folder;
    WordList list;
    FakeMessageBox messages;
    FakeProgramExit exits;
};

TEST_F(WordListTest, MissingFileShowsTheMessageAndEndsTheProgram) {
    EXPECT_FALSE(LoadDictionary(list, messages, exits));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, QStringLiteral("软件的字典文件dictionary.txt没有找到！\r\n"
                                                       "查找音标的高速算法无法生效！\r\n"
                                                       "请重新安装。程序将退出！"));
    EXPECT_EQ(messages.shown[0].style, MsgBox::Critical);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(exits.exits.size(), 1u);
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(WordListTest, UnreadableFileEndsTheProgramToo) {
    QDir().mkdir(folder.file(QStringLiteral("dictionary.txt")));
    EXPECT_FALSE(LoadDictionary(list, messages, exits));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(exits.exits.size(), 1u);
}

TEST_F(WordListTest, LoadsOnlyLinesWithBothMarks) {
    load({QStringLiteral("cat=n|猫|kAt"), QStringLiteral("equals=only"), QStringLiteral("bar|only"),
          QStringLiteral(""), QStringLiteral("dog=|狗|dCg")});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(exits.exits.empty());
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0), QStringLiteral("cat=n|猫|kAt"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("equals")), QString());
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("bar")), QString());
}

TEST_F(WordListTest, LoadingAgainAddsWithoutClearing) {
    load({QStringLiteral("cat=|猫|kAt")});
    load({QStringLiteral("ant=|蚂蚁|Ant")});
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("cat")), QStringLiteral("kAt"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("ant")), QStringLiteral("Ant"));
}

TEST_F(WordListTest, PhoneticLookupFindsEveryEntryAndMissesCleanly) {
    // Keys loaded out of order, in mixed case; a word beyond every key probes the empty entry at
    // the end of the list.
    load({QStringLiteral("Zebra=|斑马|5zi:brE"), QStringLiteral("apple=|苹果|5Apl"),
          QStringLiteral("mouse=|老鼠|maus"), QStringLiteral("cat=|猫|kAt"),
          QStringLiteral("horse=|马|hR:s")});
    const struct {
        const char16_t* word;
        const char16_t* phonetic;
    } cases[] = {{u"apple", u"5Apl"},    {u"APPLE", u"5Apl"}, {u"cat", u"kAt"},
                 {u"horse", u"hR:s"},    {u"mouse", u"maus"}, {u"zebra", u"5zi:brE"},
                 {u"Zebra", u"5zi:brE"}, {u"zzz", u""},       {u"a", u""},
                 {u"cat ", u""},         {u"", u""}};
    for (const auto& c : cases)
        EXPECT_EQ(LookupPhoneticFast(list, QString::fromUtf16(c.word)), QString::fromUtf16(c.phonetic))
            << QString::fromUtf16(c.word).toStdString();
}

TEST_F(WordListTest, FoundWordIndexTellsTheHitAndIsZeroAfterAMiss) {
    load({QStringLiteral("b=|x|bi:"), QStringLiteral("a=|x|ei"), QStringLiteral("c=|x|si:")});
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("c")), QStringLiteral("si:"));
    EXPECT_EQ(foundWordIndex, 2);
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("a")), QStringLiteral("ei"));
    EXPECT_EQ(foundWordIndex, 0);
    LookupPhoneticFast(list, QStringLiteral("c"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("q")), QString());
    EXPECT_EQ(foundWordIndex, 0);
}

TEST_F(WordListTest, EntryWithoutTranscriptionIsFoundButGivesNothing) {
    load({QStringLiteral("book=n|书"), QStringLiteral("pen=|笔|pen")});
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("book")), QString());
    EXPECT_EQ(foundWordIndex, 0);
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("BOOK")), QStringLiteral("书"));
}

TEST_F(WordListTest, FieldsComeFromTheTrimmedLine) {
    load({QStringLiteral("  sun=|太阳|sQn   "), QStringLiteral("moon=|月亮  ")});
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("  sun")), QStringLiteral("sQn"));
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("moon")), QStringLiteral("月亮"));
    EXPECT_EQ(list.item(1), QStringLiteral("moon=|月亮  "));
}

TEST_F(WordListTest, MeaningLookupTakesTheFirstEntryInListOrder) {
    load({QStringLiteral("lead=1|带领|li:d"), QStringLiteral("Lead=2|铅|led"),
          QStringLiteral("leaf=|叶|li:f")});
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("LEAD")), QStringLiteral("带领"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("Lead")), QStringLiteral("li:d"));
    EXPECT_EQ(foundWordIndex, 0);
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("leaf")), QStringLiteral("叶"));
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("lea")), QString());
}

TEST_F(WordListTest, MeaningLosesALoneLineFeed) {
    folder.write(QStringLiteral("dictionary.txt"),
                 Ansi::encode(QStringLiteral("run=|跑\n奔跑|rQn\r\nsit=|坐|sit\r\n")));
    ASSERT_TRUE(LoadDictionary(list, messages, exits));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("run")), QStringLiteral("跑奔跑"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("run")), QStringLiteral("rQn"));
}

TEST_F(WordListTest, FileWithUnixLineEndsLoadsEveryLine) {
    folder.write(QStringLiteral("dictionary.txt"),
                 Ansi::encode(QStringLiteral("run=|跑|rQn\nsit=|坐|sit\n")));
    ASSERT_TRUE(LoadDictionary(list, messages, exits));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("sit")), QStringLiteral("sit"));
}

TEST_F(WordListTest, EveryEntryOfListsOfAnySizeIsFound) {
    // Every entry, the last ones included, of lists whose searches end next to the list's end.
    for (int size = 1; size <= 70; ++size) {
        WordList small;
        QStringList lines;
        for (int i = 0; i < size; ++i)
            lines.append(QStringLiteral("k%1=|m|p%1").arg(i, 3, 10, QLatin1Char('0')));
        small.add(lines);
        for (int i = 0; i < size; ++i) {
            const QString n = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            EXPECT_EQ(LookupPhoneticFast(small, u'k' + n), u'p' + n) << size << " " << i;
            EXPECT_EQ(foundWordIndex, i);
        }
    }
}

TEST_F(WordListTest, KeysSharingLongBeginningsAreToldApart) {
    const QStringList keys = {QStringLiteral("interna"),        QStringLiteral("internal"),
                              QStringLiteral("internals"),      QStringLiteral("internalise"),
                              QStringLiteral("internalize"),    QStringLiteral("international"),
                              QStringLiteral("internationals"), QStringLiteral("internb"),
                              QStringLiteral("intern"),         QStringLiteral("internal's")};
    QStringList lines;
    for (const QString& k : keys)
        lines.append(k + QStringLiteral("=|m|") + k.toUpper());
    list.add(lines);
    for (const QString& k : keys)
        EXPECT_EQ(LookupPhoneticFast(list, k), k.toUpper()) << k.toStdString();
    for (const char16_t* miss :
         {u"inter", u"internali", u"internalisf", u"internationalsx", u"internc", u"internal'"})
        EXPECT_EQ(LookupPhoneticFast(list, QString::fromUtf16(miss)), QString())
            << QString::fromUtf16(miss).toStdString();
}

TEST_F(WordListTest, KeysAndTranscriptionsOfAnyLengthAreFound) {
    // Around the lengths the index keeps beside the key, and far beyond them.
    const struct {
        int key;
        int phonetic;
    } cases[] = {{13, 13}, {13, 14}, {26, 0}, {25, 1}, {27, 3}, {3, 40}, {70000, 5}, {4, 70000}};
    const auto keyOf = [](int length, int n) { return QString(length - 1, u'a') + QChar(u'b' + n); };
    QStringList lines;
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n)
        lines.append(keyOf(cases[n].key, n) + QStringLiteral("=|m|") + QString(cases[n].phonetic, u'p'));
    list.add(lines);
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const auto& c = cases[n];
        EXPECT_EQ(LookupPhoneticFast(list, keyOf(c.key, n)), QString(c.phonetic, u'p'))
            << c.key << " " << c.phonetic;
        EXPECT_EQ(LookupPhoneticFast(list, keyOf(c.key, 20)), QString()) << c.key << " " << c.phonetic;
    }
}

TEST_F(WordListTest, TranscriptionOutlivesTheList) {
    load({QStringLiteral("cat=|猫|kAt")});
    const QString phonetic = LookupPhoneticFast(list, QStringLiteral("cat"));
    list.clear();
    list.add({QStringLiteral("dog=|狗|dCg")});
    EXPECT_EQ(phonetic, QStringLiteral("kAt"));
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("cat")), QString());
}

TEST_F(WordListTest, EmptyListFindsNothing) {
    load({});
    EXPECT_EQ(LookupPhoneticFast(list, QStringLiteral("a")), QString());
    EXPECT_EQ(LookupMeaningFast(list, QStringLiteral("a")), QString());
    EXPECT_EQ(foundWordIndex, 0);
}

TEST_F(WordListTest, MoreThan32767EntriesAreAllFound) {
    QStringList lines;
    for (int i = 0; i < 40000; ++i)
        lines.append(QStringLiteral("w%1=|义%1|p%1").arg(i, 5, 10, QLatin1Char('0')));
    load(lines);
    ASSERT_EQ(list.count(), 40000);
    for (int i : {0, 1, 32766, 32767, 32768, 39999}) {
        const QString n = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        EXPECT_EQ(LookupPhoneticFast(list, u'w' + n), u'p' + n);
        EXPECT_EQ(foundWordIndex, i);
        EXPECT_EQ(LookupMeaningFast(list, u'W' + n), QStringLiteral("义") + n);
    }
}

} // namespace
