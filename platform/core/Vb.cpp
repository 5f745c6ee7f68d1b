#include "platform/core/Vb.h"

#include <cmath>
#include <limits>

namespace Vb {

QString trim(const QString& s) {
    const QStringView t = trim(QStringView(s));
    return t.size() == s.size() ? s : t.toString();
}

QStringView trim(QStringView s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.sliced(b, e - b);
}

double val(const QString& s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && s[i] == u' ')
        ++i;
    QByteArray number;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        number += char(s[i++].unicode());
    bool digits = false;
    while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
        number += char(s[i++].unicode());
        digits = true;
    }
    if (i < n && s[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
            number += char(s[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            exponent += char(s[j++].unicode());
        bool expDigits = false;
        while (j < n && s[j].unicode() >= '0' && s[j].unicode() <= '9') {
            exponent += char(s[j++].unicode());
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    const double v = number.toDouble();
    return std::isfinite(v) ? v : 0.0;
}

std::int64_t roundHalfEven(double v) {
    return static_cast<std::int64_t>(std::nearbyint(v));
}

std::optional<std::int16_t> toInt16(double v) {
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<bool> toBool(const QString& s) {
    const QString t = s.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v != 0.0;
}

QString formatPercent(double ratio) {
    if (!std::isfinite(ratio))
        ratio = 0.0;
    QString digits = QString::number(std::fabs(ratio) * 100.0, 'f', 2);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.startsWith(u"0."))
        digits.remove(0, 1);
    const bool negative = ratio < 0 && digits != u".";
    return (negative ? QStringLiteral("-") : QString()) + digits + u'%';
}

QString replaceAll(const QString& text, const QString& from, const QString& to) {
    if (from.isEmpty())
        return text;
    QString out = text;
    out.replace(from, to, Qt::CaseSensitive);
    return out;
}

} // namespace Vb
