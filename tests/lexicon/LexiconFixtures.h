#pragma once

#include "lexicon/Module1.h"
#include "tests/support/TempFolder.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>

// Readable QString values in failure messages.
void PrintTo(const QString& s, std::ostream* os);

// Writes dictionary.txt into the folder in the ANSI code page, each line ended by CR LF.
void writeDictionary(const TempFolder& folder, const QStringList& lines);

struct WordRow {
    QString word;
    std::optional<QString> ipa13; // plain; stored scrambled; empty optional stores null
};
struct MeaningRow {
    QString word;
    std::optional<QString> meaning;
};

// Creates data.dat in the folder with the lexicon's tables and these rows, in this order.
void writeLexiconDatabase(const TempFolder& folder, const std::vector<WordRow>& words,
                          const std::vector<MeaningRow>& meanings = {});

// Puts the settings and run flags back to their state at program start.
void resetSettings();
