#include "reader/speech/VoiceMarks.h"

#include <QRegularExpression>

namespace VoiceMarks {

namespace {

int voiceByName(const QString& name, const QList<VoiceToken>& voices) {
    for (int i = 0; i < voices.size(); ++i) {
        const QString file = voices[i].id.section(u'/', -1);
        if (file.compare(name, Qt::CaseInsensitive) == 0 ||
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

} // namespace

std::vector<VoiceMark> find(const QString& text, const QList<VoiceToken>& voices, int current) {
    static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*voice\b([^>]*)>)re"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(
        QStringLiteral(R"re(([\w:.-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'))re"));
    std::vector<VoiceMark> marks;
    std::vector<int> open{current};
    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const int after = int(m.capturedEnd());
        if (!m.captured(1).isEmpty()) {
            if (open.size() > 1) {
                open.pop_back();
                marks.push_back({after, open.back()});
            }
            continue;
        }
        int chosen = -1;
        auto attrs = attribute.globalMatch(m.captured(2));
        while (attrs.hasNext()) {
            const QRegularExpressionMatch a = attrs.next();
            const QString value = a.captured(2).isNull() ? a.captured(3) : a.captured(2);
            const QString key = a.captured(1).toLower();
            if (key == u"name" && chosen < 0)
                chosen = voiceByName(value, voices);
            else if (key == u"xml:lang" && chosen < 0)
                chosen = voiceByLanguage(value, voices);
        }
        const bool selfClosing = m.captured(2).trimmed().endsWith(u'/');
        if (chosen < 0 || selfClosing) {
            if (!selfClosing)
                open.push_back(open.back());
            continue;
        }
        open.push_back(chosen);
        marks.push_back({after, chosen});
    }
    return marks;
}

} // namespace VoiceMarks
