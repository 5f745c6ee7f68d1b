#pragma once

#include "lexicon/Module1.h"
#include "lexicon/WordList.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <algorithm>

// About 1 MB of text from the word list's plain words (letters only, the first of a sentence
// capitalised), half of the draws from the short, frequent ones, with punctuation and paragraphs.
inline QString generatedText(const WordList& list, QRandomGenerator& random) {
    // Short words are the frequent ones of real text: half the draws come from them.
    QStringList shortWords;
    QStringList words;
    for (qsizetype i = 0; i < list.count(); ++i) {
        const QString& key = list.key(i);
        if (key.isEmpty() || key.size() > 8 ||
            !std::all_of(key.begin(), key.end(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
            continue;
        words << key;
        if (key.size() <= 4)
            shortWords << key;
    }
    QString text;
    text.reserve(1'050'000);
    int inSentence = 0;
    while (text.size() < 1'000'000) {
        const QString& word = random.bounded(2) && !shortWords.isEmpty()
                                  ? shortWords[random.bounded(shortWords.size())]
                                  : words[random.bounded(words.size())];
        text += inSentence == 0 ? word.left(1).toUpper() + word.mid(1) : word;
        if (++inSentence > 8 + random.bounded(10)) {
            text += random.bounded(6) == 0 ? QStringLiteral(".\r\n") : QStringLiteral(". ");
            inSentence = 0;
        } else {
            text += random.bounded(12) == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        }
    }
    return text;
}

// The settings the benchmarks annotate with: 15th edition, square brackets, a blank between words, and
// the run flags raised as a run raises them.
inline void useBenchmarkSettings() {
    Module1::phoneticSystem = QStringLiteral("new");
    Module1::bracketMode = QStringLiteral("[");
    Module1::DeriveBrackets();
    Module1::wordSeparator = QStringLiteral("kongge");
    Module1::phoneticFontSize = 12;
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
}
