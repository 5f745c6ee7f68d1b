#include "shell/PhoneticKeys.h"

#include <array>

namespace {

// Positions 0 to 47 are shared by every keypad.
constexpr std::array<const char16_t*, 48> kCommon = {
    u"dV", u"tF", u"F",  u"N", u"W",  u"T",  u"V",  u"I",  u"J",  u"IE", u"k",  u"f",
    u"h",  u"w",  u"p",  u"b", u"d",  u"t",  u"g",  u"v",  u"m",  u"dr", u"dz", u"tr",
    u"ts", u"n",  u"r",  u"j", u"A",  u"JE", u"R",  u"E",  u"eE", u"i",  u"CI", u"aI",
    u"eI", u"aJ", u"EJ", u"3", u"3:", u"Q",  u"B:", u"E:", u"i:", u"u:", u"e",  u"u"};

constexpr std::array<const char16_t*, 19> kMainTail = {u"s",  u"z",  u"l",  u"a:", u"C:", u"ai", u"iE",
                                                       u"ei", u"uE", u"au", u"ZE", u"Eu", u"Ci", u"ju:",
                                                       u":",  u"5",  u"7",  u"2",  u"3:"};

constexpr std::array<const char16_t*, 20> kDialogTail = {u"dV", u"s",  u"z",  u"l",  u"a:", u"C:", u"ai",
                                                         u"iE", u"ei", u"uE", u"au", u"ZE", u"Eu", u"Ci",
                                                         u":",  u"5",  u"7",  u"2",  u"3:", u"ju:"};

constexpr std::array<const char16_t*, 48> kPageA = {
    u"B:", u"Q",  u"aI", u"aJ", u"e",  u"eI", u"eE", u"i:", u"I", u"IE", u"A",  u"C:",
    u"2",  u"CI", u"u:", u"J",  u"JE", u"3:", u"E",  u"Eu", u"p", u"b",  u"t",  u"d",
    u"k",  u"g",  u"f",  u"v",  u"s",  u"z",  u"F",  u"V",  u"W", u"T",  u"tF", u"dV",
    u"tr", u"dr", u"ts", u"dz", u"h",  u"m",  u"n",  u"N",  u"w", u"j",  u"r",  u"l"};

constexpr std::array<const char16_t*, 48> kSide = {
    u"A", u"B:", u"Q", u"aI", u"aJ", u"i:", u"I",  u"IE", u"u:", u"J", u"JE", u"p",
    u"b", u"k",  u"g", u"s",  u"z",  u"W",  u"T",  u"tr", u"dr", u"m", u"n",  u"N",
    u"l", u"h",  u"e", u"eI", u"eE", u"C:", u"2",  u"CI", u"3:", u"E", u"EJ", u"t",
    u"d", u"f",  u"v", u"F",  u"V",  u"tF", u"dV", u"ts", u"dz", u"w", u"j",  u"r"};

template <std::size_t N> QString at(const std::array<const char16_t*, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    return QString::fromUtf16(table[static_cast<std::size_t>(index)]);
}

QString withTail(int index, const auto& tail) {
    if (index >= 0 && index < 48)
        return at(kCommon, index);
    return at(tail, index - 48);
}

} // namespace

namespace PhoneticKeys {

QString mainLayout(int index) {
    return withTail(index, kMainTail);
}

QString dialogLayout(int index) {
    return withTail(index, kDialogTail);
}

QString extraKey(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Z");
    case 7:
        return QStringLiteral("8");
    case 8:
        return QStringLiteral("G");
    case 9:
        return QStringLiteral("M");
    case 29:
        return QStringLiteral("B");
    case 34:
        return QStringLiteral("H");
    case 37:
        return QStringLiteral("K");
    case 38:
        return QStringLiteral("L");
    case 39:
        return QStringLiteral("O");
    case 40:
        return QStringLiteral("P");
    case 42:
        return QStringLiteral("X");
    default:
        return {};
    }
}

QString pageA(int index) {
    switch (index) {
    case 66:
        return QStringLiteral(":");
    case 67:
        return QStringLiteral("7");
    case 68:
        return QStringLiteral("5");
    default:
        return at(kPageA, index);
    }
}

QString sidePanel(int index) {
    return at(kSide, index);
}

const std::vector<std::pair<int, QString>>& symbolRow1() {
    static const std::vector<std::pair<int, QString>> row = {
        {67, QStringLiteral("√")},     {78, QStringLiteral("×")},      {72, QStringLiteral("§")},
        {73, QStringLiteral("‖")},     {68, QStringLiteral("【】")},   {74, QStringLiteral("〖〗")},
        {112, QStringLiteral("★")},    {90, QStringLiteral("☆")},      {84, QStringLiteral("◆")},
        {89, QStringLiteral("◇")},     {16, QStringLiteral("n.")},     {27, QStringLiteral("vi.")},
        {21, QStringLiteral("vt.")},   {17, QStringLiteral("v.")},     {93, QStringLiteral("[A]")},
        {23, QStringLiteral("a.")},    {30, QStringLiteral("art.")},   {19, QStringLiteral("int.")},
        {28, QStringLiteral("aux.")},  {29, QStringLiteral("num.")},   {18, QStringLiteral("conj.")},
        {22, QStringLiteral("pron.")}, {31, QStringLiteral("adprep.")}};
    return row;
}

const std::vector<std::pair<int, QString>>& symbolRow2() {
    static const std::vector<std::pair<int, QString>> row = {
        {64, QStringLiteral("①")},  {69, QStringLiteral("②")},  {75, QStringLiteral("③")},
        {65, QStringLiteral("④")},  {76, QStringLiteral("⑤")},  {70, QStringLiteral("⑥")},
        {77, QStringLiteral("⑦")},  {71, QStringLiteral("⑧")},  {79, QStringLiteral("⑨")},
        {66, QStringLiteral("⑩")},  {24, QStringLiteral("Ⅰ")},  {25, QStringLiteral("Ⅱ")},
        {20, QStringLiteral("Ⅲ")},  {26, QStringLiteral("Ⅳ")},  {42, QStringLiteral("Ⅴ")},
        {58, QStringLiteral("Ⅵ")},  {52, QStringLiteral("Ⅶ")},  {57, QStringLiteral("Ⅷ")},
        {124, QStringLiteral("Ⅸ")}, {113, QStringLiteral("Ⅹ")}, {123, QStringLiteral("Ⅺ")},
        {117, QStringLiteral("Ⅻ")}};
    return row;
}

QString symbolKey(int index) {
    for (const auto* row : {&symbolRow1(), &symbolRow2()})
        for (const auto& [i, caption] : *row)
            if (i == index)
                return caption;
    return {};
}

} // namespace PhoneticKeys
