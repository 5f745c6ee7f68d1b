#pragma once

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
