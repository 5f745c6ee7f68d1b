#include "lexicon/LexiconTables.h"

#include "platform/database/Database.h"

bool createLexiconTables(Database& db) {
    const QString statements[] = {
        QStringLiteral("CREATE TABLE word (word TEXT, ipa13 TEXT)"),
        QStringLiteral("CREATE TABLE wordqj (word TEXT, sjieshi TEXT)"),
        QStringLiteral("CREATE INDEX word_word ON word (word)"),
        QStringLiteral("CREATE INDEX wordqj_word ON wordqj (word)"),
    };
    for (const QString& sql : statements) {
        if (!db.execute(sql))
            return false;
    }
    return true;
}
