#pragma once

#include "lexicon/LexiconTables.h"
#include "lexicon/Module1.h"
#include "platform/core/Ansi.h"
#include "platform/database/Database.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// A program folder with a data.dat of given rows (plain transcriptions, stored scrambled), and the
// service doubles.
class LexiconToolsTest : public ::testing::Test {
protected:
    LexiconToolsTest() { QStandardPaths::setTestModeEnabled(true); }

    void writeLibrary(const std::vector<std::pair<QString, QString>>& rows,
                      const std::vector<std::pair<QString, QString>>& meanings = {}) {
        const QString path = folder.file(QStringLiteral("data.dat"));
        QFile::remove(path);
        auto db = Database::open(path, Database::Mode::Create);
        ASSERT_TRUE(db);
        ASSERT_TRUE(createLexiconTables(*db));
        for (const auto& [word, ipa] : rows)
            ASSERT_EQ(db->execute(QStringLiteral("insert into word (word, ipa13) values (?, ?)"),
                                  {word, Module1::ScrambleText(ipa)}),
                      1);
        for (const auto& [word, meaning] : meanings)
            ASSERT_EQ(db->execute(QStringLiteral("insert into wordqj (word, sjieshi) values (?, ?)"),
                                  {word, meaning}),
                      1);
    }

    // Every stored transcription of the word, unscrambled, in row order.
    std::vector<QString> libraryRows(const QString& word) const {
        auto db = Database::open(folder.file(QStringLiteral("data.dat")), Database::Mode::ReadOnly);
        std::vector<QString> out;
        if (!db)
            return out;
        for (const QVariantList& row :
             db->rows(QStringLiteral("select ipa13 from word where word=? order by rowid"), {word})
                 .value_or(std::vector<QVariantList>{}))
            out.push_back(Module1::ScrambleText(row[0].toString()));
        return out;
    }

    void writeEntries(const QString& text) const {
        folder.write(QStringLiteral("selfmake.dat"), Ansi::encode(text));
    }
    QString entriesFile() const { return Ansi::decode(folder.read(QStringLiteral("selfmake.dat"))); }

    QStringList prompts() const {
        QStringList out;
        for (const auto& m : fakes.messageBox.shown)
            out.append(m.prompt);
        return out;
    }

    TempFolder folder;
    FakeServices fakes;
};
