#include "annotation/ScanVariant.h"

using enum LexiconSource;

namespace ScanVariants {

const ScanVariant& Inline() {
    static const ScanVariant v{20,
                               true,
                               true,
                               {WordList, Database, DeriveWordList, DeriveDatabase},
                               false,
                               false,
                               QStringLiteral("识别标注中，每行进度：")};
    return v;
}

const ScanVariant& Appended() {
    static const ScanVariant v{20,    true,  true,     {WordList, Database, DeriveDatabase, DeriveWordList},
                               false, false, QString()};
    return v;
}

const ScanVariant& TranscriptionLine() {
    static const ScanVariant v{15,
                               false,
                               false,
                               {WordList, DeriveWordList, Database, DeriveDatabase},
                               true,
                               true,
                               QStringLiteral("行进度：")};
    return v;
}

const ScanVariant& SelectedWord() {
    static const ScanVariant v{0,     false, true,     {WordList, Database, DeriveDatabase, DeriveWordList},
                               false, false, QString()};
    return v;
}

} // namespace ScanVariants
