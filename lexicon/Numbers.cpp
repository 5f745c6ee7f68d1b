#include "lexicon/Module1.h"

#include "platform/core/Vb.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr const char16_t* kDigitWords[] = {u"wQn",  u"tu:",    u"Wri:", u"fR:", u"faIv",
                                           u"sIks", u"5seven", u"eIt",  u"naIn"};

QString bracketed(const QString& word) {
    return Module1::leftBracket + word + Module1::rightBracket;
}

// The word of a digit "1" to "9"; empty for anything else.
QString digitWord(const QString& d) {
    if (d.size() != 1 || d[0] < u'1' || d[0] > u'9')
        return {};
    return QString::fromUtf16(kDigitWords[d[0].unicode() - u'1']);
}

QString wholeTwoDigitWord(const QString& t) {
    struct Whole {
        const char16_t* number;
        const char16_t* word;
    };
    static constexpr Whole kWhole[] = {
        {u"10", u"ten"},       {u"11", u"i5levn"},      {u"12", u"twelv"},      {u"13", u"5WE:5ti:n"},
        {u"14", u"5fR:5ti:n"}, {u"15", u"5fif5ti:n"},   {u"16", u"5sIks5ti:n"}, {u"17", u"5sevEn5ti:n"},
        {u"18", u"5ei5ti:n"},  {u"19", u"5nain5ti:n "}, {u"20", u"5twenti"},    {u"30", u"5W3:tI"},
        {u"40", u"5fR:tI"},    {u"50", u"5fIftI"},      {u"60", u"sIkstI"},     {u"70", u"sevntI"},
        {u"80", u"5eItI"},     {u"90", u"5naIntI"},
    };
    for (const Whole& w : kWhole)
        if (t == QStringView(w.number))
            return QString::fromUtf16(w.word);
    return {};
}

QString tensPrefix(QChar f) {
    static constexpr const char16_t* kPrefixes[] = {u"5twenti ", u"5W3:tI-", u"5fR:tI-", u"5fIftI-",
                                                    u"sIkstI-",  u"sevntI-", u"5eItI-",  u"5naIntI-"};
    return QString::fromUtf16(kPrefixes[f.unicode() - u'2']);
}

} // namespace

namespace Module1 {

std::optional<QString> NormalizeNumber(const QString& text) {
    QString s = Vb::trim(text);
    if (s.isEmpty())
        return QString();
    const QString fullWidth = QStringLiteral("０１２３４５６７８９");
    for (QChar& c : s) {
        const qsizetype digit = fullWidth.indexOf(c);
        if (digit >= 0)
            c = QChar(static_cast<char16_t>(u'0' + digit));
        else if (c == u'。')
            c = u'.';
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return QStringLiteral("0");
    const qsizetype length = s.size();
    for (qsizetype i = 0; i < length && s.startsWith(u'0'); ++i)
        s.remove(0, 1);
    if (s.startsWith(u'.'))
        s.prepend(u'0');
    const qsizetype point = s.indexOf(u'.');
    if (point >= 0) {
        QString fraction = s.sliced(point + 1);
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        if (fraction.isEmpty())
            fraction = QStringLiteral("0");
        s = s.first(point) + u'.' + fraction;
    }
    return s;
}

QString ReadDigit(const QString& digit) {
    const QString word = digitWord(digit);
    return word.isEmpty() ? QString() : bracketed(word);
}

QString ReadDigitWithZero(const QString& digit) {
    if (digit == u"0")
        return QStringLiteral("5ziErEu");
    return ReadDigit(digit);
}

QString ReadPhoneDigit(const QString& digit) {
    if (digit == u"0")
        return QStringLiteral(" Eu ");
    const QString word = digitWord(digit);
    return word.isEmpty() ? QString() : u' ' + word + u' ';
}

QString ReadTwoDigits(const QString& digits) {
    if (digits.isEmpty())
        return {};
    const QChar f = digits.front();
    const QString l = digits.last(1);
    QString result;
    if (f >= u'2' && f <= u'9' && l != u"0")
        result = bracketed(tensPrefix(f)) + ReadDigit(l);
    else if (f == u'0' && l != u"0")
        result = ReadDigit(l);
    if (digits == u"00")
        return {};
    const QString whole = wholeTwoDigitWord(digits);
    return whole.isEmpty() ? result : bracketed(whole);
}

QString ReadThreeDigits(const QString& digits) {
    if (digits.isEmpty() || digits == u"000")
        return {};
    const QString f = digits.first(1);
    const QString r = digits.right(2);
    const QString hundred = bracketed(QStringLiteral("5hQndrId"));
    const QString andWord = bracketed(QStringLiteral("End"));
    if (f == u"0" && r != u"00")
        return andWord + ReadTwoDigits(r);
    if (f != u"0" && r == u"00")
        return ReadDigit(f) + hundred;
    return ReadDigit(f) + hundred + andWord + ReadTwoDigits(r);
}

} // namespace Module1
