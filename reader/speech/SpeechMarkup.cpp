#include "reader/speech/SpeechMarkup.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace SpeechMarkup {

namespace {

struct Attribute {
    QString name; // lower case
    QString value;
};

struct Tag {
    QString name; // lower case, without a namespace prefix
    bool closing = false;
    bool empty = false; // <x/>
    std::vector<Attribute> attributes;
    int start = 0; // offset of '<'
    int end = 0;   // offset after '>'

    QString value(QStringView key) const {
        for (const Attribute& a : attributes) {
            if (a.name == key)
                return a.value;
        }
        return {};
    }
};

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u':';
}

bool isNameChar(QChar c) {
    return isNameStart(c) || c.isDigit() || c == u'-' || c == u'.';
}

// A tag starting at `from` (on '<'), or nothing when the text there is no well-formed tag.
std::optional<Tag> parseTag(const QString& s, int from) {
    Tag tag;
    tag.start = from;
    int i = from + 1;
    const int n = int(s.size());
    auto skipSpace = [&] {
        while (i < n && s[i].isSpace())
            ++i;
    };
    auto name = [&] {
        const int start = i;
        if (i < n && isNameStart(s[i])) {
            while (i < n && isNameChar(s[i]))
                ++i;
        }
        return s.mid(start, i - start).toLower();
    };
    if (i < n && s[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    tag.name = name();
    if (tag.name.isEmpty())
        return std::nullopt;
    tag.name = tag.name.section(u':', -1);
    for (;;) {
        skipSpace();
        if (i >= n)
            return std::nullopt;
        if (s[i] == u'>') {
            tag.end = i + 1;
            return tag;
        }
        if (s[i] == u'/' && i + 1 < n && s[i + 1] == u'>' && !tag.closing) {
            tag.empty = true;
            tag.end = i + 2;
            return tag;
        }
        Attribute a;
        a.name = name();
        if (a.name.isEmpty() || tag.closing)
            return std::nullopt;
        skipSpace();
        if (i >= n || s[i] != u'=')
            return std::nullopt;
        ++i;
        skipSpace();
        if (i >= n || (s[i] != u'"' && s[i] != u'\''))
            return std::nullopt;
        const QChar quote = s[i++];
        const int close = int(s.indexOf(quote, i));
        if (close < 0)
            return std::nullopt;
        a.value = s.mid(i, close - i).trimmed();
        i = close + 1;
        tag.attributes.push_back(std::move(a));
    }
}

bool matches(const QString& value, const char* pattern) {
    const QRegularExpression re(QStringLiteral("^(?:") + QLatin1StringView(pattern) + QStringLiteral(")$"),
                                QRegularExpression::CaseInsensitiveOption);
    return !value.isEmpty() && re.match(value).hasMatch();
}

std::optional<int> integer(const QString& value, int low, int high) {
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return qBound(low, v, high);
}

QString checkedRate(const QString& v) {
    return matches(v, R"(x-slow|slow|medium|fast|x-fast|default|[+-]?\d{1,4}(?:\.\d{1,3})?%?)") ? v.toLower()
                                                                                                : QString();
}

QString checkedVolume(const QString& v) {
    return matches(v, R"(silent|x-soft|soft|medium|loud|x-loud|default|[+-]?\d{1,4}(?:\.\d{1,3})?(?:%|dB)?)")
               ? v
               : QString();
}

QString checkedPitch(const QString& v) {
    return matches(v, R"(x-low|low|medium|high|x-high|default|[+-]?\d{1,4}(?:\.\d{1,3})?(?:%|Hz|st)?)")
               ? v
               : QString();
}

int voiceByName(const QString& name, const QList<VoiceToken>& voices) {
    for (int i = 0; i < voices.size(); ++i) {
        const QString file = voices[i].id.section(u'/', -1);
        const QString title = voices[i].description.section(QStringLiteral(" - "), 0, 0);
        if (file.compare(name, Qt::CaseInsensitive) == 0 || title.compare(name, Qt::CaseInsensitive) == 0 ||
            voices[i].languages.contains(name, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int voiceByLanguage(const QString& language, const QList<VoiceToken>& voices) {
    for (int i = 0; i < voices.size(); ++i) {
        if (voices[i].languages.contains(language, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

// A Windows language identifier in hexadecimal, as SAPI writes it.
QString languageOfId(const QString& id) {
    static const QList<std::pair<int, QString>> known = {
        {0x409, QStringLiteral("en-us")}, {0x809, QStringLiteral("en-gb")}, {0x804, QStringLiteral("cmn")},
        {0x404, QStringLiteral("cmn")},   {0x407, QStringLiteral("de")},    {0x40c, QStringLiteral("fr")},
        {0x411, QStringLiteral("ja")},    {0x412, QStringLiteral("ko")},    {0x40a, QStringLiteral("es")}};
    bool ok = false;
    const int code = id.section(u';', 0, 0).toInt(&ok, 16);
    for (const auto& [value, language] : known) {
        if (ok && value == code)
            return language;
    }
    return {};
}

// The voice a voice element asks for, -1 for none of ours.
int chosenVoice(const Tag& tag, const QList<VoiceToken>& voices) {
    int chosen = -1;
    if (const QString name = tag.value(u"name"); !name.isEmpty())
        chosen = voiceByName(name, voices);
    if (const QString lang = tag.value(u"xml:lang"); chosen < 0 && !lang.isEmpty())
        chosen = voiceByLanguage(lang, voices);
    // SAPI: required="Name=...;Language=409", optional="..."
    for (const QString& key : {QStringLiteral("required"), QStringLiteral("optional")}) {
        for (const QString& part : tag.value(key).split(u';', Qt::SkipEmptyParts)) {
            const QString k = part.section(u'=', 0, 0).trimmed().toLower();
            const QString v = part.section(u'=', 1).trimmed();
            if (chosen < 0 && k == u"name")
                chosen = voiceByName(v, voices);
            else if (chosen < 0 && k == u"language")
                chosen = voiceByLanguage(languageOfId(v), voices);
        }
    }
    return chosen;
}

class Translator {
public:
    Translator(const QString& source, const QList<VoiceToken>& voices, int current)
        : s(source), voices(voices) {
        voiceStack.push_back(current);
    }

    EngineText run() {
        const int n = int(s.size());
        int i = 0;
        while (i < n) {
            const QChar c = s[i];
            if (c == u'<')
                i = markup(i);
            else if (c == u'&')
                i = entity(i);
            else
                i = copyChar(i);
        }
        while (!open.empty())
            close(n, n);
        out.sourceAt.push_back(n);
        return std::move(out);
    }

private:
    struct Open {
        QString name;
        QString closer; // empty for an element we dropped
        bool voice = false;
    };

    void put(QStringView generated, int source) {
        for (qsizetype k = 0; k < generated.size(); ++k) {
            if (!generated[k].isLowSurrogate())
                out.sourceAt.push_back(source);
        }
        out.text += generated;
    }

    int copyChar(int i) {
        int len = 1;
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            len = 2;
        out.text += QStringView(s).mid(i, len);
        out.sourceAt.push_back(i);
        return i + len;
    }

    int entity(int i) {
        static const QRegularExpression known(
            QStringLiteral("&(?:lt|gt|amp|quot|apos|#[0-9]{1,7}|#x[0-9a-fA-F]{1,6});"));
        const QRegularExpressionMatch m =
            known.match(s, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) {
            put(u"&amp;", i);
            return i + 1;
        }
        for (int k = i; k < m.capturedEnd(); ++k)
            copyChar(k);
        return int(m.capturedEnd());
    }

    // Text that the engine must read literally.
    void escaped(int from, int to) {
        for (int k = from; k < to;) {
            if (s[k] == u'<') {
                put(u"&lt;", k++);
            } else if (s[k] == u'&') {
                put(u"&amp;", k++);
            } else {
                k = copyChar(k);
            }
        }
    }

    int skipTo(int i, QStringView opener, QStringView closer) {
        if (!QStringView(s).mid(i).startsWith(opener))
            return -1;
        const qsizetype end = s.indexOf(closer, i + opener.size());
        return end < 0 ? -1 : int(end + closer.size());
    }

    int markup(int i) {
        if (const int end = skipTo(i, u"<!--", u"-->"); end >= 0)
            return end;
        if (const int end = skipTo(i, u"<![CDATA[", u"]]>"); end >= 0) {
            escaped(i + 9, end - 3);
            return end;
        }
        if (const int end = skipTo(i, u"<?", u"?>"); end >= 0)
            return end;
        if (const int end = skipTo(i, u"<!", u">"); end >= 0)
            return end;
        const std::optional<Tag> tag = parseTag(s, i);
        if (!tag) {
            put(u"&lt;", i);
            return i + 1;
        }
        if (tag->closing)
            closeNamed(*tag);
        else
            element(*tag);
        return tag->end;
    }

    void element(const Tag& t) {
        const QString& name = t.name;
        if (name == u"break" || name == u"silence") {
            QString tag;
            if (name == u"silence") {
                if (const auto ms = integer(t.value(u"msec"), 0, 65535))
                    tag = QStringLiteral("<break time=\"%1ms\"/>").arg(*ms);
            } else {
                tag = QStringLiteral("<break");
                if (const QString time = t.value(u"time"); matches(time, R"(\d{1,5}(?:\.\d{1,3})?(?:ms|s))"))
                    tag += QStringLiteral(" time=\"") + time.toLower() + u'"';
                if (const QString strength = t.value(u"strength");
                    matches(strength, "none|x-weak|weak|medium|strong|x-strong"))
                    tag += QStringLiteral(" strength=\"") + strength.toLower() + u'"';
                tag += QStringLiteral("/>");
            }
            put(tag, t.start);
            closeEmpty(t);
            return;
        }
        if (name == u"mark" || name == u"bookmark") {
            const QString mark = t.value(name == u"mark" ? u"name" : u"mark");
            if (matches(mark, R"([\w.-]{1,40})"))
                put(QStringLiteral("<mark name=\"") + mark + QStringLiteral("\"/>"), t.start);
            closeEmpty(t);
            return;
        }
        if (name == u"voice") {
            voiceElement(t);
            return;
        }
        QString opener;
        QString closer;
        if (name == u"prosody" || name == u"rate" || name == u"volume" || name == u"pitch") {
            opener = prosody(t);
            if (!opener.isEmpty())
                closer = QStringLiteral("</prosody>");
        } else if (name == u"emphasis" || name == u"emph") {
            const QString level = t.value(u"level");
            opener = matches(level, "strong|moderate|none|reduced")
                         ? QStringLiteral("<emphasis level=\"") + level.toLower() + QStringLiteral("\">")
                         : QStringLiteral("<emphasis>");
            closer = QStringLiteral("</emphasis>");
        }
        put(opener, t.start);
        open.push_back({name, closer, false});
        // An empty SAPI rate, volume or pitch tag holds for the rest of the enclosing element.
        const bool holds = name == u"rate" || name == u"volume" || name == u"pitch";
        if (t.empty && !holds)
            close(t.start, t.end);
    }

    void closeEmpty(const Tag& t) {
        if (!t.empty)
            open.push_back({t.name, {}, false});
    }

    QString prosody(const Tag& t) {
        QStringList parts;
        if (t.name == u"prosody") {
            if (const QString v = checkedRate(t.value(u"rate")); !v.isEmpty())
                parts << QStringLiteral("rate=\"%1\"").arg(v);
            if (const QString v = checkedVolume(t.value(u"volume")); !v.isEmpty())
                parts << QStringLiteral("volume=\"%1\"").arg(v);
            if (const QString v = checkedPitch(t.value(u"pitch")); !v.isEmpty())
                parts << QStringLiteral("pitch=\"%1\"").arg(v);
        } else if (t.name == u"rate") {
            // SAPI speeds -10..10 span a third to three times the normal speed.
            auto speed = integer(t.value(u"absspeed"), -10, 10);
            if (!speed)
                speed = integer(t.value(u"speed"), -10, 10);
            if (speed)
                parts << QStringLiteral("rate=\"%1%\"").arg(std::lround(100 * std::pow(3.0, *speed / 10.0)));
        } else if (t.name == u"volume") {
            if (const auto level = integer(t.value(u"level"), 0, 100))
                parts << QStringLiteral("volume=\"%1\"").arg(*level);
        } else {
            auto middle = integer(t.value(u"absmiddle"), -10, 10);
            if (!middle)
                middle = integer(t.value(u"middle"), -10, 10);
            if (middle)
                parts << QStringLiteral("pitch=\"%1%2%\"")
                             .arg(*middle < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                             .arg(std::abs(*middle) * 5);
        }
        if (parts.isEmpty())
            return {};
        return QStringLiteral("<prosody ") + parts.join(u' ') + u'>';
    }

    void voiceElement(const Tag& t) {
        // An empty voice tag changes nothing.
        if (t.empty)
            return;
        const int chosen = chosenVoice(t, voices);
        const QString language = chosen < 0 ? QString() : voices[chosen].languages.value(0);
        if (!matches(language, R"([A-Za-z]{1,8}(?:-[A-Za-z0-9]{1,8})*)")) {
            open.push_back({t.name, {}, true});
            voiceStack.push_back(voiceStack.back());
            return;
        }
        QString tag = QStringLiteral("<voice xml:lang=\"") + language + u'"';
        if (const QString gender = t.value(u"gender"); matches(gender, "male|female|neutral"))
            tag += QStringLiteral(" gender=\"") + gender.toLower() + u'"';
        if (const auto age = integer(t.value(u"age"), 0, 120))
            tag += QStringLiteral(" age=\"%1\"").arg(*age);
        put(tag + u'>', t.start);
        open.push_back({t.name, QStringLiteral("</voice>"), true});
        if (chosen != voiceStack.back())
            out.voiceMarks.push_back({t.end, chosen});
        voiceStack.push_back(chosen);
    }

    // Closes the innermost open element of the tag's name and all inside it.
    void closeNamed(const Tag& t) {
        for (auto it = open.rbegin(); it != open.rend(); ++it) {
            if (it->name == t.name) {
                const std::size_t depth = std::size_t(it - open.rbegin()) + 1;
                for (std::size_t k = 0; k < depth; ++k)
                    close(t.start, t.end);
                return;
            }
        }
    }

    // The closing tag is generated at `start`; the voice it returns to holds from `end`.
    void close(int start, int end) {
        const Open o = open.back();
        open.pop_back();
        put(o.closer, start);
        if (o.voice) {
            const int was = voiceStack.back();
            voiceStack.pop_back();
            if (voiceStack.back() != was)
                out.voiceMarks.push_back({end, voiceStack.back()});
        }
    }

    const QString& s;
    const QList<VoiceToken>& voices;
    EngineText out;
    std::vector<Open> open;
    std::vector<int> voiceStack;
};

} // namespace

EngineText plain(const QString& text) {
    EngineText out;
    out.text = text;
    out.sourceAt.reserve(std::size_t(text.size()) + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out.sourceAt.push_back(int(i));
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    out.sourceAt.push_back(int(text.size()));
    return out;
}

EngineText translate(const QString& text, const QList<VoiceToken>& voices, int current) {
    return Translator(text, voices, current).run();
}

} // namespace SpeechMarkup
