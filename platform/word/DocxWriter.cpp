#include "platform/word/DocxWriter.h"

#include "platform/services/BgrColor.h"

#include <zip.h>

#include <QFile>
#include <QHash>
#include <QXmlStreamWriter>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using Cell = WordDocument::Cell;
using Kind = WordDocument::Kind;

// Size Word gives text without a size of its own, in half points.
constexpr int kDefaultHalfPoints = 20;
// Cells turned into markup per step of the stream.
constexpr std::size_t kCellsPerStep = 4096;

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The characters that XML can hold: surrogate pairs kept, lone surrogates and control codes dropped.
QString xmlText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            out += c;
        }
    }
    return out;
}

QString styleId(int font) {
    return u'F' + QString::number(font);
}

// The attribute values of a format, made once.
struct FormatText {
    explicit FormatText(const WordFont& f)
        : name(xmlText(f.name)), color(f.color ? bgrToQColor(*f.color).name().mid(1).toUpper() : QString()),
          halfPoints(f.halfPoints > 0 ? QString::number(f.halfPoints) : QString()) {}
    QString name;       // empty: no font name of its own
    QString color;      // RRGGBB; empty: no colour of its own
    QString halfPoints; // empty: no size of its own
};

void writeFormat(QXmlStreamWriter& xml, const FormatText& f) {
    static const QString scripts[] = {QStringLiteral("w:ascii"), QStringLiteral("w:hAnsi"),
                                      QStringLiteral("w:eastAsia"), QStringLiteral("w:cs")};
    const QString value = QStringLiteral("w:val");
    xml.writeStartElement(QStringLiteral("w:rPr"));
    if (!f.name.isEmpty()) {
        xml.writeEmptyElement(QStringLiteral("w:rFonts"));
        for (const QString& script : scripts)
            xml.writeAttribute(script, f.name);
    }
    if (!f.color.isEmpty()) {
        xml.writeEmptyElement(QStringLiteral("w:color"));
        xml.writeAttribute(value, f.color);
    }
    if (!f.halfPoints.isEmpty()) {
        xml.writeEmptyElement(QStringLiteral("w:sz"));
        xml.writeAttribute(value, f.halfPoints);
        xml.writeEmptyElement(QStringLiteral("w:szCs"));
        xml.writeAttribute(value, f.halfPoints);
    }
    xml.writeEndElement();
}

// A complete element written on its own, to be copied wherever it recurs.
template <typename Write> QString element(Write write) {
    QString markup;
    QXmlStreamWriter xml(&markup);
    write(xml);
    return markup;
}

QString fieldCharRun(const QString& type) {
    return element([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QStringLiteral("w:r"));
        xml.writeEmptyElement(QStringLiteral("w:fldChar"));
        xml.writeAttribute(QStringLiteral("w:fldCharType"), type);
        xml.writeEndElement();
    });
}

QString stylePropertiesElement(int font) {
    return element([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QStringLiteral("w:rPr"));
        xml.writeEmptyElement(QStringLiteral("w:rStyle"));
        xml.writeAttribute(QStringLiteral("w:val"), styleId(font));
        xml.writeEndElement();
    });
}

void rubyProperty(QXmlStreamWriter& xml, const QString& name, int value) {
    xml.writeEmptyElement(name);
    xml.writeAttribute(QStringLiteral("w:val"), QString::number(value));
}

// The ruby properties for a size of ruby text and of base text.
QString rubyPropertiesElement(int rubyHalfPoints, int baseHalfPoints) {
    return element([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(QStringLiteral("w:rubyPr"));
        xml.writeEmptyElement(QStringLiteral("w:rubyAlign"));
        xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("center"));
        rubyProperty(xml, QStringLiteral("w:hps"), rubyHalfPoints);
        rubyProperty(xml, QStringLiteral("w:hpsRaise"), std::max(0, baseHalfPoints - 2));
        rubyProperty(xml, QStringLiteral("w:hpsBaseText"), baseHalfPoints);
        xml.writeEmptyElement(QStringLiteral("w:lid"));
        xml.writeAttribute(QStringLiteral("w:val"), QStringLiteral("en-US"));
        xml.writeEndElement();
    });
}

// Text of a run: of the document, of a field's code, or ruby text.
enum class RunText : quint8 { Text, Code, Ruby };

struct RunKey {
    int font;
    RunText kind;
    QString text; // as in the document, before what XML cannot hold is left out
    bool operator==(const RunKey&) const = default;
};

size_t qHash(const RunKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.font, quint8(key.kind), key.text);
}

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char kMainNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// The markup of word/document.xml, made a step at a time. Elements that recur unchanged (field
// characters, run and ruby properties, short runs) are written once and copied.
class BodyWriter {
    // Runs kept for copying: long enough for words and their transcriptions, few enough that the
    // copies stay a few megabytes; when full, the kept runs make way for those of the text ahead.
    static constexpr qsizetype kLongestCopiedRun = 32;
    static constexpr qsizetype kCopiedRuns = 1 << 13;

public:
    explicit BodyWriter(const WordDocument& d)
        : doc(d), xml(&markup), beginRun(fieldCharRun(QStringLiteral("begin"))),
          separateRun(fieldCharRun(QStringLiteral("separate"))), endRun(fieldCharRun(QStringLiteral("end"))) {
        // Written to a string the writer declares no encoding; the archive holds UTF-8.
        out = kDeclaration;
        xml.writeStartElement(QStringLiteral("w:document"));
        xml.writeAttribute(QStringLiteral("xmlns:w"), QString::fromLatin1(kMainNamespace));
        xml.writeStartElement(QStringLiteral("w:body"));
        xml.writeStartElement(QStringLiteral("w:p"));
        for (int font = 0; font < doc.fontCount(); ++font) {
            const WordFont& f = doc.font(font);
            const bool plain = f == WordFont();
            styled.push_back(plain ? QString() : stylePropertiesElement(font));
            formatted.push_back(plain ? QString()
                                      : element([&](QXmlStreamWriter& w) { writeFormat(w, FormatText(f)); }));
        }
    }

    QByteArray& output() { return out; }
    bool finished() const { return done; }

    // Writes the markup of the next cells, and the end of the document after the last.
    void step() {
        const auto& cells = doc.cells();
        const std::size_t stop = std::min(cells.size(), next + kCellsPerStep);
        while (next < stop)
            writeCell(cells);
        if (next == cells.size() && !done) {
            closeRun();
            xml.writeEndElement(); // w:p
            xml.writeEmptyElement(QStringLiteral("w:sectPr"));
            xml.writeEndDocument();
            done = true;
        }
        out += markup.toUtf8();
        markup.clear();
    }

private:
    void writeCell(const std::vector<Cell>& cells) {
        const Cell& c = cells[next++];
        if (c.kind == Kind::FieldBegin) {
            closeRun();
            copy(beginRun);
            ++codeDepth;
        } else if (c.kind == Kind::FieldEnd) {
            closeRun();
            --codeDepth;
            copy(separateRun);
            writeResult(doc.fieldResult(int(c.value)));
            copy(endRun);
        } else if (c.ch == u'\r' || c.ch == u'\n') {
            closeRun();
            xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("w:p"));
            if (c.ch == u'\r' && next < cells.size() && cells[next].kind == Kind::Text &&
                cells[next].ch == u'\n')
                ++next;
        } else if (c.ch == u'\t') {
            openRun(int(c.value));
            if (!runStarted) {
                startRun(runFont, textKind());
                runStarted = true;
            }
            closeText();
            xml.writeEmptyElement(QStringLiteral("w:tab"));
        } else if (QChar::isHighSurrogate(c.ch)) {
            if (next < cells.size() && cells[next].kind == Kind::Text &&
                QChar::isLowSurrogate(cells[next].ch)) {
                openRun(int(c.value));
                text += QChar(c.ch);
                text += QChar(cells[next++].ch);
            }
        } else if (!QChar::isSurrogate(c.ch) && isXmlChar(c.ch)) {
            openRun(int(c.value));
            text += QChar(c.ch);
        }
    }

    // Ends a start tag the writer has left open, so that the markup can take a complete element.
    void closeStartTag() { xml.writeCharacters(QString()); }

    // Copies a complete element after what the writer has written so far.
    void copy(const QString& complete) {
        closeStartTag();
        markup += complete;
    }

    RunText textKind() const { return codeDepth > 0 ? RunText::Code : RunText::Text; }

    // A run's format is a character style of its own, so its properties are written once. Word
    // processors other than Word ignore the character style of ruby text, so its run takes the
    // format itself.
    void startRun(int font, RunText kind) {
        xml.writeStartElement(QStringLiteral("w:r"));
        const QString& p = (kind == RunText::Ruby ? formatted : styled)[std::size_t(font)];
        if (!p.isEmpty())
            copy(p);
    }

    // Blanks at either end of a text are kept only when the element says so.
    void writeText(RunText kind, const QString& characters) {
        xml.writeStartElement(kind == RunText::Code ? QStringLiteral("w:instrText") : QStringLiteral("w:t"));
        if (characters.startsWith(u' ') || characters.endsWith(u' '))
            xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(characters);
        xml.writeEndElement();
    }

    // A run of one text. Short ones recur (the punctuation of field codes, blanks, common words and
    // their transcriptions), so each is written once and copied after.
    void run(int font, RunText kind, const QString& characters) {
        RunKey key{font, kind, characters};
        const bool copied = characters.size() <= kLongestCopiedRun;
        if (copied) {
            if (const auto found = runs.constFind(key); found != runs.cend()) {
                copy(*found);
                return;
            }
        }
        closeStartTag();
        const qsizetype from = markup.size();
        startRun(font, kind);
        writeText(kind, xmlText(characters));
        xml.writeEndElement();
        if (copied) {
            if (runs.size() >= kCopiedRuns)
                runs.clear();
            runs.insert(std::move(key), markup.sliced(from));
        }
    }

    int halfPoints(int font) const {
        const int h = doc.font(font).halfPoints;
        return h > 0 ? h : kDefaultHalfPoints;
    }

    // Text of a run goes out when the run ends, so that one call escapes all of it.
    void openRun(int font) {
        if (runOpen && runFont == font)
            return;
        closeRun();
        runOpen = true;
        runStarted = false;
        runFont = font;
    }

    void closeText() {
        if (text.isEmpty())
            return;
        writeText(textKind(), text);
        text.clear();
    }

    // A run with tabs goes out as it comes, one of text alone when it ends.
    void closeRun() {
        if (!runOpen)
            return;
        runOpen = false;
        if (runStarted) {
            closeText();
            xml.writeEndElement();
        } else {
            run(runFont, textKind(), text);
            text.clear();
        }
    }

    const QString& rubyProperties(int rubyHalfPoints, int baseHalfPoints) {
        QString& p = rubyPr[{rubyHalfPoints, baseHalfPoints}];
        if (p.isEmpty())
            p = rubyPropertiesElement(rubyHalfPoints, baseHalfPoints);
        return p;
    }

    // The format of the top line. Word processors other than Word keep only one run of ruby text, so
    // the line goes out as one run, in the format of its longest run that has a format of its own: a
    // transcription's, not that of the brackets around it, however short the transcription.
    int topFont(const std::vector<WordRun>& top) const {
        int font = 0;
        qsizetype longest = 0;
        for (const WordRun& run : top) {
            if (run.text.size() > longest && !(doc.font(run.font) == WordFont())) {
                longest = run.text.size();
                font = run.font;
            }
        }
        return font;
    }

    // The first line as ruby text over the second.
    void writeResult(const WordFieldResult& result) {
        if (!result.stacked)
            return;
        WordRun top{QString(), topFont(result.top)};
        for (const WordRun& run : result.top)
            top.text += run.text;
        int baseHalfPoints = kDefaultHalfPoints;
        for (const WordRun& run : result.bottom)
            baseHalfPoints = std::max(baseHalfPoints, halfPoints(run.font));
        xml.writeStartElement(QStringLiteral("w:r"));
        xml.writeStartElement(QStringLiteral("w:ruby"));
        copy(rubyProperties(halfPoints(top.font), baseHalfPoints));
        xml.writeStartElement(QStringLiteral("w:rt"));
        run(top.font, RunText::Ruby, top.text);
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("w:rubyBase"));
        for (const WordRun& r : result.bottom)
            run(r.font, RunText::Text, r.text);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }

    const WordDocument& doc;
    QString markup;
    QByteArray out;
    QXmlStreamWriter xml;
    const QString beginRun;
    const QString separateRun;
    const QString endRun;
    std::vector<QString> styled;    // by font index: the run properties naming its style, or empty
    std::vector<QString> formatted; // by font index: the run properties spelt out, or empty
    std::map<std::pair<int, int>, QString> rubyPr; // by sizes of ruby text and base text
    QHash<RunKey, QString> runs;
    std::size_t next = 0;
    QString text;
    int codeDepth = 0;
    bool runOpen = false;
    bool runStarted = false; // its start tag is written
    int runFont = 0;
    bool done = false;
};

// word/document.xml as a source the archive reads while it writes. The markup is made on a thread of
// its own while the archive packs the blocks before it, a few blocks ahead at most, so it is never
// whole in memory.
class BodySource {
public:
    explicit BodySource(const WordDocument& d) : doc(d) { zip_error_init(&error); }
    ~BodySource() {
        stop();
        zip_error_fini(&error);
    }

    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
        return static_cast<BodySource*>(state)->handle(data, length, command);
    }

private:
    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command) {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            stop();
            start();
            return 0;
        case ZIP_SOURCE_READ:
            return read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE:
            stop();
            return 0;
        case ZIP_SOURCE_STAT:
            zip_stat_init(static_cast<zip_stat_t*>(data));
            return sizeof(zip_stat_t);
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, length);
        case ZIP_SOURCE_FREE:
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    void start() {
        blocks.clear();
        block.clear();
        taken = 0;
        made = false;
        cancelled = false;
        maker = std::thread([this] { make(); });
    }

    void stop() {
        if (!maker.joinable())
            return;
        {
            const std::lock_guard lock(mutex);
            cancelled = true;
        }
        changed.notify_all();
        maker.join();
    }

    // On the maker's thread.
    void make() {
        BodyWriter writer(doc);
        while (!writer.finished()) {
            while (writer.output().size() < kBlockBytes && !writer.finished())
                writer.step();
            std::unique_lock lock(mutex);
            changed.wait(lock, [this] { return blocks.size() < kBlocksAhead || cancelled; });
            if (cancelled)
                return;
            blocks.push_back(std::exchange(writer.output(), QByteArray()));
            made = writer.finished();
            lock.unlock();
            changed.notify_all();
        }
    }

    zip_int64_t read(char* data, zip_uint64_t length) {
        zip_uint64_t n = 0;
        while (n < length) {
            if (taken == block.size() && !nextBlock())
                break;
            const auto part = std::min<zip_uint64_t>(length - n, zip_uint64_t(block.size() - taken));
            std::memcpy(data + n, block.constData() + taken, std::size_t(part));
            n += part;
            taken += qsizetype(part);
        }
        return zip_int64_t(n);
    }

    // Waits for the next block; false after the last, or when nothing is being made.
    bool nextBlock() {
        if (!maker.joinable())
            return false;
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return !blocks.empty() || made; });
        if (blocks.empty())
            return false;
        block = std::move(blocks.front());
        blocks.pop_front();
        taken = 0;
        lock.unlock();
        changed.notify_all();
        return true;
    }

    static constexpr qsizetype kBlockBytes = 1 << 18;
    static constexpr std::size_t kBlocksAhead = 2;

    const WordDocument& doc;
    zip_error_t error;
    std::thread maker;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> blocks; // made and not yet taken
    bool made = false;             // the last block is among them
    bool cancelled = false;
    QByteArray block; // the block being read
    qsizetype taken = 0;
};

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "</Types>";

const char kDocumentRelationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/>"
    "</Relationships>";

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

// Adds a part, deflated at the fastest level: the markup repeats itself, so even that packs it well.
bool addPart(zip_t* archive, const char* name, zip_source_t* source) {
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) == 0;
}

} // namespace

QByteArray stylesXml(const WordDocument& document) {
    QString markup;
    QXmlStreamWriter xml(&markup);
    xml.writeStartElement(QStringLiteral("w:styles"));
    xml.writeAttribute(QStringLiteral("xmlns:w"), QString::fromLatin1(kMainNamespace));
    for (int font = 1; font < document.fontCount(); ++font) {
        xml.writeStartElement(QStringLiteral("w:style"));
        xml.writeAttribute(QStringLiteral("w:type"), QStringLiteral("character"));
        xml.writeAttribute(QStringLiteral("w:customStyle"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("w:styleId"), styleId(font));
        xml.writeEmptyElement(QStringLiteral("w:name"));
        xml.writeAttribute(QStringLiteral("w:val"), styleId(font));
        writeFormat(xml, FormatText(document.font(font)));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return kDeclaration + markup.toUtf8();
}

QByteArray documentXml(const WordDocument& document) {
    BodyWriter writer(document);
    while (!writer.finished())
        writer.step();
    return writer.output();
}

bool writeDocx(const WordDocument& document, const QString& path, QString* error) {
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
    auto* body = new BodySource(document);
    zip_source_t* bodySource = zip_source_function(archive, &BodySource::callback, body);
    if (!bodySource)
        delete body;
    const QByteArray styles = stylesXml(document);
    const std::pair<const char*, QByteArrayView> fixed[] = {
        {"[Content_Types].xml", QByteArrayView(kContentTypes, sizeof kContentTypes - 1)},
        {"_rels/.rels", QByteArrayView(kRelationships, sizeof kRelationships - 1)},
        {"word/_rels/document.xml.rels",
         QByteArrayView(kDocumentRelationships, sizeof kDocumentRelationships - 1)},
        {"word/styles.xml", QByteArrayView(styles)},
    };
    bool added = true;
    for (const auto& [name, data] : fixed)
        added = added &&
                addPart(archive, name, zip_source_buffer(archive, data.data(), zip_uint64_t(data.size()), 0));
    if (added)
        added = addPart(archive, "word/document.xml", bodySource);
    else if (bodySource)
        zip_source_free(bodySource);
    if (!added || zip_close(archive) < 0) {
        setError(error, QString::fromLocal8Bit(zip_strerror(archive)));
        zip_discard(archive);
        return false;
    }
    return true;
}
