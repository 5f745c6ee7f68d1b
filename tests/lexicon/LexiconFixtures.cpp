#include "tests/lexicon/LexiconFixtures.h"

#include "lexicon/LexiconTables.h"
#include "platform/core/Ansi.h"
#include "platform/database/Database.h"

#include <QFile>

#include <gtest/gtest.h>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

void writeDictionary(const TempFolder& folder, const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    folder.write(QStringLiteral("dictionary.txt"), Ansi::encode(text));
}

void writeLexiconDatabase(const TempFolder& folder, const std::vector<WordRow>& words,
                          const std::vector<MeaningRow>& meanings) {
    const QString path = folder.file(QStringLiteral("data.dat"));
    QFile::remove(path);
    auto db = Database::open(path, Database::Mode::Create);
    ASSERT_TRUE(db);
    ASSERT_TRUE(createLexiconTables(*db));
    Transaction transaction(*db);
    for (const WordRow& row : words) {
        const QVariant ipa = row.ipa13 ? QVariant(Module1::ScrambleText(*row.ipa13)) : QVariant();
        ASSERT_EQ(
            db->execute(QStringLiteral("insert into word (word, ipa13) values (?, ?)"), {row.word, ipa}), 1);
    }
    for (const MeaningRow& row : meanings) {
        const QVariant meaning = row.meaning ? QVariant(*row.meaning) : QVariant();
        ASSERT_EQ(db->execute(QStringLiteral("insert into wordqj (word, sjieshi) values (?, ?)"),
                              {row.word, meaning}),
                  1);
    }
    ASSERT_TRUE(transaction.commit());
}

void resetSettings() {
    using namespace Module1;
    stopAnnotateFlag = false;
    stopInsertFlag = false;
    for (QString* s : {&phoneticSystem, &bracketMode, &wordSeparator, &outputPlacement, &notationCheck,
                       &phoneticFontName, &leftBracket, &rightBracket})
        s->clear();
    useLucidaFont = false;
    canshu7Flag = false;
    phoneticFontSize = 0;
    foundWordIndex = 0;
}
