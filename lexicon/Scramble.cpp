#include "lexicon/Module1.h"

#include "platform/core/Ansi.h"

namespace {

constexpr char16_t kKey[] = u"kzq";

// Character position i (from 1) uses key letter (i mod 3) + 1.
char16_t keyAt(qsizetype index) {
    return kKey[(index + 1) % 3];
}

// A double-byte ANSI character has its trailing byte combined with the key. When the result is no
// character of the code page the character stays as it is; both cases undo themselves, so the
// operation stays symmetric for every text.
QChar scrambleWide(QChar c, char16_t key) {
    QByteArray bytes = Ansi::encode(QString(c));
    if (bytes.size() != 2)
        return c;
    bytes[1] = static_cast<char>(static_cast<unsigned char>(bytes[1]) ^ key);
    const QString decoded = Ansi::decode(bytes);
    if (decoded.size() != 1 || decoded[0].unicode() < 0x80 || decoded[0] == QChar::ReplacementCharacter ||
        Ansi::encode(decoded) != bytes)
        return c;
    return decoded[0];
}

} // namespace

namespace Module1 {

QString ScrambleText(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        out[i] = c.unicode() < 0x80 ? QChar(c.unicode() ^ keyAt(i)) : scrambleWide(c, keyAt(i));
    }
    return out;
}

QString ScrambleText2(const QString& text) {
    return ScrambleText(text);
}

} // namespace Module1
