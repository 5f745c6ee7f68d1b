#pragma once

#include "annotation/ScanVariant.h"

#include <QHash>
#include <QString>

class WordList;

namespace Lookup {

// Asks the variant's lookup chain for the word; each next source runs only while the result is empty.
QString chain(const ScanVariant& variant, const WordList& list, const QString& word);

// The transcription in the notation the settings choose ("new", "old", "mei"); any other value
// leaves it as it is.
QString toPhoneticSystem(const QString& code);

} // namespace Lookup

// The chain's result in the chosen notation, remembered per word for one run: a text repeats its
// words many times and the lexicon does not change during a locked run.
class CachedLookup {
public:
    CachedLookup(const ScanVariant& variant, const WordList& list) : variant(variant), list(list) {}
    QString operator()(QStringView word);

private:
    const ScanVariant& variant;
    const WordList& list;
    QHash<QString, QString> known;
};
