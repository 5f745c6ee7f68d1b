// Speed of the lexicon over a generated 150,000-entry word list and database.

#include "lexicon/LexiconTables.h"
#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/database/Database.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ProgramExit.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEntries = 150000;

class SilentMessageBox final : public MessageBox {
public:
    int show(const QString&, int, const QString&) override { return MsgBox::Ok; }
};

class NoExit final : public ProgramExit {
public:
    void exit(int) override {}
};

QString randomWord(QRandomGenerator& rng) {
    QString w;
    const int length = 3 + rng.bounded(10);
    for (int i = 0; i < length; ++i)
        w += QChar(static_cast<char16_t>(u'a' + rng.bounded(26)));
    return w;
}

QString randomCode(QRandomGenerator& rng) {
    static const QString letters = QStringLiteral("pbtdkgfvszFVWTNjrhmnwlBCiuQEeRaZAI:5");
    QString code;
    const int length = 3 + rng.bounded(8);
    for (int i = 0; i < length; ++i)
        code += letters[rng.bounded(letters.size())];
    return code;
}

QString randomMeaning(QRandomGenerator& rng) {
    QString m = QStringLiteral("n.");
    const int length = 2 + rng.bounded(10);
    for (int i = 0; i < length; ++i)
        m += QChar(static_cast<char16_t>(0x4E00 + rng.bounded(0x5000)));
    return m;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    ProgramFolder::setOverride(dir.path());

    QRandomGenerator rng(20261210);
    QSet<QString> seen;
    std::vector<QString> words;
    QStringList lines;
    std::vector<QString> codes;
    while (static_cast<int>(words.size()) < kEntries) {
        const QString w = randomWord(rng);
        if (seen.contains(w))
            continue;
        seen.insert(w);
        words.push_back(w);
        codes.push_back(randomCode(rng));
        lines.append(w + QStringLiteral("=n|") + randomMeaning(rng) + u'|' + codes.back());
    }
    if (!TextFile::writeAnsiLines(ProgramFolder::file(QStringLiteral("dictionary.txt")), lines))
        return 1;
    {
        auto db = Database::open(ProgramFolder::file(QStringLiteral("data.dat")), Database::Mode::Create);
        if (!db || !createLexiconTables(*db))
            return 1;
        Transaction transaction(*db);
        auto insert = db->prepare(QStringLiteral("insert into word (word, ipa13) values (?, ?)"));
        if (!insert)
            return 1;
        for (int i = 0; i < kEntries; ++i) {
            insert->reset();
            insert->bind(1, words[i]);
            insert->bind(2, Module1::ScrambleText(codes[i]));
            insert->next();
        }
        if (!transaction.commit())
            return 1;
    }

    SilentMessageBox messages;
    NoExit exits;
    double bestLoad = 1e9;
    WordList list;
    for (int run = 0; run < 5; ++run) {
        WordList fresh;
        const auto start = std::chrono::steady_clock::now();
        Module1::LoadDictionary(fresh, messages, exits);
        bestLoad = std::min(bestLoad, secondsSince(start));
        list = std::move(fresh);
    }
    if (list.count() != kEntries)
        return 1;
    std::printf("LoadDictionary: %.1f ms (target <= 150 ms)\n", bestLoad * 1000);

    std::vector<QString> probes = words;
    std::shuffle(probes.begin(), probes.end(), rng);
    constexpr int kFastLookups = 2000000;
    qsizetype found = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFastLookups; ++i)
        found += Module1::LookupPhoneticFast(list, probes[i % kEntries]).size();
    const double fastSeconds = secondsSince(start);
    std::printf("LookupPhoneticFast: %.0f lookups/s (target >= 5000000)\n", kFastLookups / fastSeconds);

    constexpr int kDbLookups = 200000;
    Module1::LookupPhoneticDb(probes[0]);
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kDbLookups; ++i)
        found += Module1::LookupPhoneticDb(probes[i % kEntries]).size();
    const double dbSeconds = secondsSince(start);
    std::printf("LookupPhoneticDb warm: %.0f lookups/s (target >= 100000)\n", kDbLookups / dbSeconds);

    // Unknown words whose endings pass the most tries, each missing every stem.
    std::vector<QString> unknown;
    const QString endings[] = {QStringLiteral("ings"), QStringLiteral("ies"),   QStringLiteral("ed"),
                               QStringLiteral("ship"), QStringLiteral("ation"), QStringLiteral("wards"),
                               QStringLiteral("ess"),  QStringLiteral("ing"),   QStringLiteral("ness")};
    for (int i = 0; i < 1000; ++i)
        unknown.push_back(QStringLiteral("qx") + randomWord(rng) + endings[i % std::size(endings)]);
    constexpr int kDerivations = 200000;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kDerivations; ++i)
        found += Module1::DerivePhoneticFast(list, unknown[i % unknown.size()]).size();
    const double deriveSeconds = secondsSince(start);
    std::printf("DerivePhoneticFast failed: %.2f us/word (target <= 5 us)\n",
                deriveSeconds / kDerivations * 1e6);

    return found > 0 ? 0 : 1;
}
