#pragma once

class Database;

// Creates the lexicon's tables in an empty database: `word` (word, ipa13) and `wordqj` (word,
// sjieshi), each with an index on word. False when a statement fails.
bool createLexiconTables(Database& db);
