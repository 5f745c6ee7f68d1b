#include "tests/lexicon/LexiconFixtures.h"

#include <gtest/gtest.h>

namespace {

TEST(Syllables, CountsVowelsSyllabicConsonantsAndDiphthongs) {
    const struct {
        const char16_t* code;
        int syllables;
    } cases[] = {
        {u"", 0},          {u"   ", 0},  {u"kAt", 1},
        {u"  kAt  ", 1},   {u"i:", 1},   {u"eI", 1},   // a long vowel and a diphthong count once
        {u"5sitI", 2},     {u"d2g", 1},  {u"b3:d", 1}, // new notation: "2" and "3" become old vowels
        {u"ntE", 1},       {u"ntEs", 2},               // a leading n before a consonant, only past three
        {u"bAl", 1},       {u"bAtl", 2},               // a final l after a consonant, only past three
        {u"bAtlfi:ld", 3},                             // a middle l between a consonant and no vowel
        {u"kAtnE", 2},                                 // a middle n before a vowel adds nothing
        {u"sailEnt", 2},   {u"aiei", 3},               // the second diphthong starts right after the first
        {u"aiJei", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Module1::CountSyllables(QString::fromUtf16(c.code)), c.syllables)
            << QString::fromUtf16(c.code).toStdString();
}

} // namespace
