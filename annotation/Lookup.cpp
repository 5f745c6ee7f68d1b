#include "annotation/Lookup.h"

#include "lexicon/Module1.h"

namespace Lookup {

QString chain(const ScanVariant& variant, const WordList& list, const QString& word) {
    QString result;
    for (const LexiconSource source : variant.chain) {
        if (!result.isEmpty())
            break;
        switch (source) {
        case LexiconSource::WordList:
            result = Module1::LookupPhoneticFast(list, word);
            break;
        case LexiconSource::Database:
            result = Module1::LookupPhoneticDb(word);
            break;
        case LexiconSource::DeriveWordList:
            result = Module1::DerivePhoneticFast(list, word);
            break;
        case LexiconSource::DeriveDatabase:
            result = Module1::DerivePhoneticDb(word);
            break;
        }
    }
    return result;
}

QString toPhoneticSystem(const QString& code) {
    if (code.isEmpty())
        return code;
    if (Module1::phoneticSystem == u"new")
        return Module1::ToNewNotation(code);
    if (Module1::phoneticSystem == u"old")
        return Module1::ToOldNotation(code);
    if (Module1::phoneticSystem == u"mei")
        return Module1::ToAmericanNotation(code);
    return code;
}

} // namespace Lookup

QString CachedLookup::operator()(QStringView word) {
    // The probe borrows the caller's characters; only a new word is copied, as its key.
    const auto it = known.constFind(QString::fromRawData(word.data(), word.size()));
    if (it != known.constEnd())
        return *it;
    const QString key = word.toString();
    const QString result = Lookup::toPhoneticSystem(Lookup::chain(variant, list, key));
    known.insert(key, result);
    return result;
}
