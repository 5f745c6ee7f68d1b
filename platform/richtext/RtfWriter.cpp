#include "platform/richtext/RtfWriter.h"

#include "platform/core/Ansi.h"

#include <QHash>
#include <QList>

#include <cmath>

namespace {

void appendEscapes(QByteArray& out, const QByteArray& bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out += "\\'";
        out += kHex[u >> 4];
        out += kHex[u & 0xF];
    }
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

// A table of the RTF header (fonts, colours): each value once, in order of first use, found by hash so
// that documents with tens of thousands of fonts stay linear.
template <typename T> class Table {
public:
    int indexOf(const T& value) {
        const auto found = index.constFind(value);
        if (found != index.constEnd())
            return *found;
        values.append(value);
        return index[value] = int(values.size() - 1);
    }
    const QList<T>& list() const { return values; }

private:
    QList<T> values;
    QHash<T, int> index;
};

class Writer {
public:
    Writer(const QString& baseName, double baseSize) : baseSize(baseSize) { fonts.indexOf(baseName); }

    QByteArray write(const FormattedText& runs) {
        QByteArray body;
        body.reserve(runs.empty() ? 64 : qsizetype(runs.size()) * 24 + runs.front().text.size());
        for (const TextRun& run : runs) {
            if (run.text.isEmpty())
                continue;
            appendFormat(body, run.format);
            appendText(body, run.text);
        }
        body += "\\par\r\n}\r\n";

        QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
        const QList<QString>& names = fonts.list();
        for (qsizetype i = 0; i < names.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (isAscii(names[i]) ? "0 " : "134 ") +
                   RtfWriter::fontTableName(names[i]) + ";}";
        }
        out += "}\r\n{\\colortbl;";
        for (const int bgr : colors.list()) {
            out += "\\red" + QByteArray::number(bgr & 0xFF) + "\\green" +
                   QByteArray::number((bgr >> 8) & 0xFF) + "\\blue" + QByteArray::number((bgr >> 16) & 0xFF) +
                   ';';
        }
        out += "}\r\n\\viewkind4\\uc1\\pard";
        return out + body;
    }

private:
    void appendFormat(QByteArray& out, const CharFormat& format) {
        if (hasFormat && format == current)
            return;
        hasFormat = true;
        current = format;
        const int font = format.fontName.isEmpty() ? 0 : fonts.indexOf(format.fontName);
        const double points = format.fontSize > 0 ? format.fontSize : baseSize;
        // \af after \hich and \dbch names the font of high-ANSI and double-byte text for readers that
        // keep one font per script.
        const QByteArray number = QByteArray::number(font);
        out += "\\plain\\hich\\af" + number + "\\dbch\\af" + number + "\\loch\\f" + number + "\\fs" +
               QByteArray::number(qMax(1, int(std::lround(points * 2))));
        if (format.color) {
            out += "\\cf" + QByteArray::number(colors.indexOf(*format.color) + 1);
        }
        if (format.bold)
            out += "\\b";
        if (format.italic)
            out += "\\i";
        if (format.underline)
            out += "\\ul";
        if (format.strikeThru)
            out += "\\strike";
        out += ' ';
    }

    void setUc(QByteArray& out, int count) {
        if (count == uc)
            return;
        uc = count;
        out += "\\uc" + QByteArray::number(count) + ' ';
    }

    void appendText(QByteArray& out, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const char16_t u = c.unicode();
            if (u == u'\\' || u == u'{' || u == u'}') {
                out += '\\';
                out += char(u);
            } else if (u == u'\n') {
                out += "\\par\r\n";
            } else if (u == u'\t') {
                out += "\\tab ";
            } else if (u == 0x00A0) {
                out += "\\~";
            } else if (u >= 0x20 && u < 0x7F) {
                out += char(u);
            } else if (u < 0x20) {
                continue;
            } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                // The fallback of the pair comes after its second half.
                setUc(out, 0);
                out += "\\u" + QByteArray::number(qint16(u)) + ' ';
                appendUnicode(out, text[i + 1].unicode(), Ansi::encode(text.mid(i, 2)));
                ++i;
            } else {
                const QByteArray fallback = c.isSurrogate() ? QByteArray("?") : Ansi::encode(QString(c));
                appendUnicode(out, u, fallback);
            }
        }
    }

    void appendUnicode(QByteArray& out, char16_t u, const QByteArray& fallback) {
        setUc(out, int(fallback.size()));
        out += "\\u" + QByteArray::number(qint16(u));
        if (fallback.size() == 1 && fallback[0] > ' ' && fallback[0] < 0x7F && fallback[0] != '\\' &&
            fallback[0] != '{' && fallback[0] != '}')
            out += fallback;
        else
            appendEscapes(out, fallback);
    }

    double baseSize;
    Table<QString> fonts;
    Table<int> colors;
    CharFormat current;
    bool hasFormat = false;
    int uc = 1;
};

} // namespace

namespace RtfWriter {

QByteArray write(const FormattedText& runs, const QString& baseFontName, double baseFontSize) {
    return Writer(baseFontName, baseFontSize).write(runs);
}

QByteArray fontTableName(const QString& name) {
    QByteArray out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (u >= 0x20 && u < 0x80 && u != u';' && u != u'\\' && u != u'{' && u != u'}') {
            out += char(u);
            continue;
        }
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        appendEscapes(out, Ansi::encode(name.mid(i, length)));
        i += length - 1;
    }
    return out;
}

} // namespace RtfWriter
