#include "platform/word/DocxWriter.h"

#include <zip.h>

#include <QFile>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using Cell = WordDocument::Cell;
using Kind = WordDocument::Kind;

// Size Word gives text without a size of its own, in half points.
constexpr int kDefaultHalfPoints = 20;

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void appendEscaped(QByteArray& out, char32_t c) {
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        appendUtf8(out, c);
    }
}

// Characters that XML can hold, surrogate pairs joined; lone surrogates and control codes are dropped.
template <typename Emit> void forEachXmlChar(QStringView text, Emit consume) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (isXmlChar(c))
            consume(c);
    }
}

QByteArray escaped(QStringView text) {
    QByteArray out;
    forEachXmlChar(text, [&](char32_t c) { appendEscaped(out, c); });
    return out;
}

QByteArray runProperties(const WordFont& f) {
    QByteArray p;
    if (!f.name.isEmpty()) {
        const QByteArray n = escaped(f.name);
        p += "<w:rFonts w:ascii=\"" + n + "\" w:hAnsi=\"" + n + "\" w:eastAsia=\"" + n + "\" w:cs=\"" + n +
             "\"/>";
    }
    if (f.color) {
        const int c = *f.color;
        p += "<w:color w:val=\"" +
             QByteArray::number((c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF), 16)
                 .rightJustified(6, '0')
                 .toUpper() +
             "\"/>";
    }
    if (f.halfPoints > 0) {
        const QByteArray h = QByteArray::number(f.halfPoints);
        p += "<w:sz w:val=\"" + h + "\"/><w:szCs w:val=\"" + h + "\"/>";
    }
    return p.isEmpty() ? p : "<w:rPr>" + p + "</w:rPr>";
}

class BodyWriter {
public:
    explicit BodyWriter(const WordDocument& d) : doc(d) {}

    QByteArray write() {
        out.reserve(qsizetype(doc.length()) * 12);
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
               "<w:body><w:p>";
        const auto& cells = doc.cells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const Cell& c = cells[i];
            if (c.kind == Kind::FieldBegin) {
                closeRun();
                out += "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>";
                ++codeDepth;
            } else if (c.kind == Kind::FieldEnd) {
                closeRun();
                --codeDepth;
                out += "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>";
                writeResult(doc.fieldResult(int(c.value)));
                out += "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
            } else if (c.ch == u'\r' || c.ch == u'\n') {
                closeRun();
                out += "</w:p><w:p>";
                if (c.ch == u'\r' && i + 1 < cells.size() && cells[i + 1].kind == Kind::Text &&
                    cells[i + 1].ch == u'\n')
                    ++i;
            } else {
                char32_t ch = c.ch;
                if (QChar::isHighSurrogate(ch) && i + 1 < cells.size() && cells[i + 1].kind == Kind::Text &&
                    QChar::isLowSurrogate(cells[i + 1].ch))
                    ch = QChar::surrogateToUcs4(c.ch, cells[++i].ch);
                if (!isXmlChar(ch))
                    continue;
                openRun(int(c.value), codeDepth > 0);
                if (ch == u'\t') {
                    closeText();
                    out += "<w:tab/>";
                } else {
                    openText();
                    appendEscaped(out, ch);
                }
            }
        }
        closeRun();
        out += "</w:p><w:sectPr/></w:body></w:document>";
        return out;
    }

private:
    const QByteArray& properties(int font) {
        auto it = propertyCache.find(font);
        if (it == propertyCache.end())
            it = propertyCache.emplace(font, runProperties(doc.font(font))).first;
        return it->second;
    }

    int halfPoints(int font) const {
        const int h = doc.font(font).halfPoints;
        return h > 0 ? h : kDefaultHalfPoints;
    }

    void openRun(int font, bool code) {
        if (runOpen && runFont == font && runIsCode == code)
            return;
        closeRun();
        out += "<w:r>";
        out += properties(font);
        runOpen = true;
        runFont = font;
        runIsCode = code;
    }

    void openText() {
        if (textOpen)
            return;
        out += runIsCode ? "<w:instrText xml:space=\"preserve\">" : "<w:t xml:space=\"preserve\">";
        textOpen = true;
    }

    void closeText() {
        if (!textOpen)
            return;
        out += runIsCode ? "</w:instrText>" : "</w:t>";
        textOpen = false;
    }

    void closeRun() {
        if (!runOpen)
            return;
        closeText();
        out += "</w:r>";
        runOpen = false;
    }

    void writeRun(const WordRun& run) {
        out += "<w:r>";
        out += properties(run.font);
        out += "<w:t xml:space=\"preserve\">";
        forEachXmlChar(run.text, [&](char32_t c) { appendEscaped(out, c); });
        out += "</w:t></w:r>";
    }

    // Ruby text is one run in word processors that read rubies, so the top line takes the format
    // that most of its characters have.
    void writeResult(const WordFieldResult& result) {
        if (!result.stacked)
            return;
        WordRun top;
        std::vector<std::pair<int, qsizetype>> weight; // font, characters; a field has few fonts
        for (const WordRun& run : result.top) {
            top.text += run.text;
            auto it =
                std::find_if(weight.begin(), weight.end(), [&](auto& w) { return w.first == run.font; });
            if (it == weight.end())
                weight.emplace_back(run.font, run.text.size());
            else
                it->second += run.text.size();
        }
        qsizetype most = -1;
        for (const auto& [font, count] : weight) {
            if (count > most) {
                most = count;
                top.font = font;
            }
        }
        int baseHalfPoints = kDefaultHalfPoints;
        for (const WordRun& run : result.bottom)
            baseHalfPoints = std::max(baseHalfPoints, halfPoints(run.font));
        out += "<w:r><w:ruby><w:rubyPr><w:rubyAlign w:val=\"center\"/><w:hps w:val=\"";
        out += QByteArray::number(halfPoints(top.font));
        out += "\"/><w:hpsRaise w:val=\"";
        out += QByteArray::number(std::max(0, baseHalfPoints - 2));
        out += "\"/><w:hpsBaseText w:val=\"";
        out += QByteArray::number(baseHalfPoints);
        out += "\"/><w:lid w:val=\"en-US\"/></w:rubyPr><w:rt>";
        writeRun(top);
        out += "</w:rt><w:rubyBase>";
        for (const WordRun& run : result.bottom)
            writeRun(run);
        out += "</w:rubyBase></w:ruby></w:r>";
    }

    const WordDocument& doc;
    QByteArray out;
    std::map<int, QByteArray> propertyCache;
    int codeDepth = 0;
    bool runOpen = false;
    bool textOpen = false;
    int runFont = 0;
    bool runIsCode = false;
};

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char kRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "</Relationships>";

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

QByteArray documentXml(const WordDocument& document) {
    return BodyWriter(document).write();
}

bool writeDocx(const WordDocument& document, const QString& path, QString* error) {
    const QByteArray body = documentXml(document);
    const QByteArray nativePath = QFile::encodeName(path);
    int code = 0;
    zip_t* archive = zip_open(nativePath.constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        setError(error, QString::fromLocal8Bit(zip_error_strerror(&e)));
        zip_error_fini(&e);
        return false;
    }
    const std::pair<const char*, QByteArrayView> parts[] = {
        {"[Content_Types].xml", QByteArrayView(kContentTypes, sizeof kContentTypes - 1)},
        {"_rels/.rels", QByteArrayView(kRelationships, sizeof kRelationships - 1)},
        {"word/document.xml", QByteArrayView(body)},
    };
    for (const auto& [name, data] : parts) {
        zip_source_t* source = zip_source_buffer(archive, data.data(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) : -1;
        // Fast deflate: the markup repeats itself, so even the lightest level packs it well.
        if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) < 0) {
            if (source && index < 0)
                zip_source_free(source);
            setError(error, QString::fromLocal8Bit(zip_strerror(archive)));
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) < 0) {
        setError(error, QString::fromLocal8Bit(zip_strerror(archive)));
        zip_discard(archive);
        return false;
    }
    return true;
}
