#include "platform/richtext/RtfReader.h"

#include "platform/richtext/RtfCodePages.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string_view>
#include <unordered_map>

namespace {

// Deeper groups are skipped whole: no real document nests this far.
constexpr std::size_t kMaxDepth = 200;
constexpr int kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;
constexpr int kDefaultHalfPoints = 24;

enum class Destination { Text, Skip, FontTable, ColorTable };

enum class Word {
    SkipGroup,
    FontTable,
    ColorTable,
    Break,
    Char,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Color,
    Plain,
    Unicode,
    UnicodeSkip,
    AnsiCodePage,
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Bin,
    LowAnsi,
    HighAnsi,
    DoubleByte,
    AssociatedFont,
    AssociatedSize,
};

struct WordInfo {
    Word word;
    char16_t ch = 0;
};

const std::unordered_map<std::string_view, WordInfo>& words() {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t;
        for (std::string_view skip : {"stylesheet",
                                      "info",
                                      "pict",
                                      "header",
                                      "headerl",
                                      "headerr",
                                      "headerf",
                                      "footer",
                                      "footerl",
                                      "footerr",
                                      "footerf",
                                      "footnote",
                                      "annotation",
                                      "fldinst",
                                      "objdata",
                                      "objclass",
                                      "objname",
                                      "themedata",
                                      "colorschememapping",
                                      "latentstyles",
                                      "datastore",
                                      "listtable",
                                      "listoverridetable",
                                      "revtbl",
                                      "rsidtbl",
                                      "generator",
                                      "xmlnstbl",
                                      "mmathPr",
                                      "pgdsctbl",
                                      "userprops",
                                      "docvar",
                                      "bkmkstart",
                                      "bkmkend",
                                      "shppict",
                                      "nonshppict",
                                      "shp",
                                      "shpinst",
                                      "shprslt",
                                      "pn",
                                      "xe",
                                      "tc",
                                      "txe",
                                      "atnid",
                                      "atnauthor",
                                      "atndate",
                                      "atnref",
                                      "template",
                                      "filetbl",
                                      "listpicture",
                                      "ftnsep",
                                      "ftnsepc",
                                      "ftncn",
                                      "aftnsep",
                                      "aftnsepc",
                                      "aftncn",
                                      "background",
                                      "do",
                                      "pntxta",
                                      "pntxtb",
                                      "protusertbl",
                                      "formfield",
                                      "datafield"})
            t[skip] = {Word::SkipGroup};
        t["fonttbl"] = {Word::FontTable};
        t["colortbl"] = {Word::ColorTable};
        for (std::string_view brk : {"par", "line", "sect", "page", "row"})
            t[brk] = {Word::Break};
        t["tab"] = {Word::Char, u'\t'};
        t["cell"] = {Word::Char, u'\t'};
        t["nestcell"] = {Word::Char, u'\t'};
        t["emdash"] = {Word::Char, u'\u2014'};
        t["endash"] = {Word::Char, u'\u2013'};
        t["emspace"] = {Word::Char, u'\u2003'};
        t["enspace"] = {Word::Char, u'\u2002'};
        t["qmspace"] = {Word::Char, u'\u2005'};
        t["bullet"] = {Word::Char, u'\u2022'};
        t["lquote"] = {Word::Char, u'\u2018'};
        t["rquote"] = {Word::Char, u'\u2019'};
        t["ldblquote"] = {Word::Char, u'\u201C'};
        t["rdblquote"] = {Word::Char, u'\u201D'};
        t["zwj"] = {Word::Char, u'\u200D'};
        t["zwnj"] = {Word::Char, u'\u200C'};
        t["b"] = {Word::Bold};
        t["i"] = {Word::Italic};
        for (std::string_view ul :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
              "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t[ul] = {Word::Underline};
        t["ulnone"] = {Word::UnderlineNone};
        t["strike"] = {Word::Strike};
        t["striked"] = {Word::Strike};
        t["f"] = {Word::Font};
        t["fs"] = {Word::FontSize};
        t["cf"] = {Word::Color};
        t["plain"] = {Word::Plain};
        t["u"] = {Word::Unicode};
        t["uc"] = {Word::UnicodeSkip};
        t["ansicpg"] = {Word::AnsiCodePage};
        t["ansi"] = {Word::Ansi};
        t["mac"] = {Word::Mac};
        t["pc"] = {Word::Pc};
        t["pca"] = {Word::Pca};
        t["deff"] = {Word::DefaultFont};
        t["fcharset"] = {Word::FontCharset};
        t["cpg"] = {Word::FontCodePage};
        t["red"] = {Word::Red};
        t["green"] = {Word::Green};
        t["blue"] = {Word::Blue};
        t["bin"] = {Word::Bin};
        t["loch"] = {Word::LowAnsi};
        t["rtlch"] = {Word::LowAnsi};
        t["ltrch"] = {Word::LowAnsi};
        t["hich"] = {Word::HighAnsi};
        t["dbch"] = {Word::DoubleByte};
        t["af"] = {Word::AssociatedFont};
        t["afs"] = {Word::AssociatedSize};
        return t;
    }();
    return table;
}

struct GroupState {
    Destination destination = Destination::Text;
    int font = -1; // -1: the default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int uc = 1;
    // Font and size of double-byte text where they differ from \f and \fs (\dbch\af, \dbch\afs).
    bool doubleByte = false;
    int dbchFont = -1;
    int dbchHalfPoints = 0;
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's code page
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Text that readers with one font per script show in the double-byte (East Asian) font.
bool isEastAsian(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x2E80 && u < 0xFFF0 && !(u >= 0xE000 && u < 0xF900);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Control characters other than the tab have no place in the text; every kind of line break is a
// paragraph break.
QString cleaned(QString text) {
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u'\n';
        else if (c.unicode() < 0x20 && c != u'\t')
            continue;
        text[out++] = c;
    }
    text.truncate(out);
    return text;
}

class Parser {
public:
    explicit Parser(QByteArrayView rtf) : p(rtf.constData()), end(rtf.constData() + rtf.size()) {}

    FormattedText parse() {
        while (p < end && !finished) {
            const char c = *p++;
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                textByte(c);
            }
        }
        flushBytes();
        if (!runs.empty() && runs.back().text.endsWith(u'\n')) {
            runs.back().text.chop(1);
            if (runs.back().text.isEmpty())
                runs.pop_back();
        }
        return std::move(runs);
    }

private:
    void openGroup() {
        flushBytes();
        ucSkip = 0;
        if (overflowDepth > 0 || stack.size() >= kMaxDepth) {
            ++overflowDepth;
            return;
        }
        stack.push_back(state);
        ignorable = false;
    }

    void closeGroup() {
        flushBytes();
        ucSkip = 0;
        ignorable = false;
        if (overflowDepth > 0) {
            --overflowDepth;
            return;
        }
        if (state.destination == Destination::FontTable)
            commitFont();
        if (stack.empty()) {
            finished = true;
            return;
        }
        state = stack.back();
        stack.pop_back();
        formatDirty = true;
        finished = stack.empty();
    }

    bool skipping() const { return overflowDepth > 0 || state.destination == Destination::Skip; }

    void control() {
        if (p >= end)
            return;
        if (!isLetter(*p)) {
            symbol(*p++);
            return;
        }
        char name[kMaxWordLength];
        int length = 0;
        while (p < end && isLetter(*p)) {
            if (length < kMaxWordLength)
                name[length++] = *p;
            ++p;
        }
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (p + 1 < end && *p == '-' && isDigit(p[1])) {
            negative = true;
            ++p;
        }
        int digits = 0;
        while (p < end && isDigit(*p)) {
            if (digits++ < kMaxParamDigits)
                param = param * 10 + (*p - '0');
            ++p;
            hasParam = true;
        }
        if (p < end && *p == ' ')
            ++p;
        param = std::clamp(negative ? -param : param, (long long)std::numeric_limits<int>::min(),
                           (long long)std::numeric_limits<int>::max());
        word(std::string_view(name, length), hasParam, int(param));
    }

    void symbol(char c) {
        if (c == '*') {
            ignorable = true;
            return;
        }
        if (c == '\'') {
            int byte = -1;
            if (p + 1 < end && hexValue(p[0]) >= 0 && hexValue(p[1]) >= 0)
                byte = hexValue(p[0]) * 16 + hexValue(p[1]);
            p += std::min<std::ptrdiff_t>(2, end - p);
            if (byte >= 0)
                dataByte(char(byte), false);
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            dataByte(c, false);
            return;
        }
        flushBytes();
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        if (skipping() || state.destination != Destination::Text)
            return;
        if (c == '~')
            emitText(QString(QChar(0x00A0)));
        else if (c == '_')
            emitText(QString(QChar(0x2011)));
        else if (c == '\r' || c == '\n')
            emitText(QStringLiteral("\n"));
    }

    void word(std::string_view name, bool hasParam, int param) {
        flushBytes();
        const bool wasIgnorable = ignorable;
        ignorable = false;
        const auto& table = words();
        const auto found = table.find(name);
        if (found != table.end() && found->second.word == Word::Bin) {
            const std::ptrdiff_t count = std::max(0, param);
            p += std::min(count, end - p);
            return;
        }
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        if (skipping())
            return;
        if (found == table.end()) {
            if (wasIgnorable)
                state.destination = Destination::Skip;
            return;
        }
        const WordInfo info = found->second;
        const bool on = !hasParam || param != 0;
        switch (info.word) {
        case Word::SkipGroup:
            state.destination = Destination::Skip;
            return;
        case Word::FontTable:
            state.destination = Destination::FontTable;
            return;
        case Word::ColorTable:
            state.destination = Destination::ColorTable;
            return;
        case Word::AnsiCodePage:
            if (hasParam && param > 0)
                codePage = param;
            return;
        case Word::Ansi:
            codePage = 1252;
            return;
        case Word::Mac:
            codePage = 10000;
            return;
        case Word::Pc:
            codePage = 437;
            return;
        case Word::Pca:
            codePage = 850;
            return;
        case Word::DefaultFont:
            defaultFont = param;
            formatDirty = true;
            return;
        case Word::UnicodeSkip:
            state.uc = std::clamp(param, 0, 16);
            return;
        case Word::Unicode:
            unicode(param);
            return;
        default:
            break;
        }
        switch (state.destination) {
        case Destination::FontTable:
            fontTableWord(info.word, param);
            return;
        case Destination::ColorTable:
            if (info.word == Word::Red)
                red = std::clamp(param, 0, 255), colorSeen = true;
            else if (info.word == Word::Green)
                green = std::clamp(param, 0, 255), colorSeen = true;
            else if (info.word == Word::Blue)
                blue = std::clamp(param, 0, 255), colorSeen = true;
            return;
        default:
            break;
        }
        switch (info.word) {
        case Word::Break:
            emitText(QStringLiteral("\n"));
            break;
        case Word::Char:
            emitText(QString(QChar(info.ch)));
            break;
        case Word::Bold:
            state.bold = on;
            break;
        case Word::Italic:
            state.italic = on;
            break;
        case Word::Underline:
            state.underline = on;
            break;
        case Word::UnderlineNone:
            state.underline = false;
            break;
        case Word::Strike:
            state.strike = on;
            break;
        case Word::Font:
            state.font = param;
            if (state.doubleByte)
                state.dbchFont = param;
            break;
        case Word::FontSize:
            state.halfPoints = hasParam ? std::clamp(param, 2, 3276) : kDefaultHalfPoints;
            break;
        case Word::Color:
            state.color = param;
            break;
        case Word::LowAnsi:
        case Word::HighAnsi:
            state.doubleByte = false;
            return;
        case Word::DoubleByte:
            state.doubleByte = true;
            return;
        case Word::AssociatedFont:
            if (state.doubleByte)
                state.dbchFont = param;
            break;
        case Word::AssociatedSize:
            if (state.doubleByte && hasParam)
                state.dbchHalfPoints = std::clamp(param, 2, 3276);
            break;
        case Word::Plain:
            state.dbchFont = -1;
            state.dbchHalfPoints = 0;
            state.font = -1;
            state.halfPoints = kDefaultHalfPoints;
            state.color = 0;
            state.bold = state.italic = state.underline = state.strike = false;
            break;
        default:
            return;
        }
        formatDirty = true;
    }

    void fontTableWord(Word w, int param) {
        if (w == Word::Font) {
            commitFont();
            entryFont = param;
            entryCharset = -1;
            entryCodePage = 0;
        } else if (w == Word::FontCharset) {
            entryCharset = param;
        } else if (w == Word::FontCodePage) {
            entryCodePage = param;
        }
    }

    // The code page a font's own bytes are in.
    int entryPage() const {
        if (entryCodePage > 0)
            return entryCodePage;
        return entryCharset >= 0 ? RtfCodePages::forCharset(entryCharset) : 0;
    }

    void flushEntryBytes() {
        if (entryBytes.isEmpty())
            return;
        const int page = entryPage();
        entryName += codePages.decode(page != 0 ? page : codePage, entryBytes);
        entryBytes.clear();
    }

    void commitFont() {
        flushEntryBytes();
        // A font name holds no control characters, not even a tab.
        QString name = cleaned(entryName);
        name.removeIf([](QChar c) { return c == u'\t'; });
        // Nor half a surrogate pair: the font table spells names in GB18030, which has no form for it.
        for (qsizetype i = 0; i < name.size(); ++i) {
            const bool pair =
                name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
            if (pair)
                ++i;
            else if (name[i].isSurrogate())
                name[i] = QChar::ReplacementCharacter;
        }
        name = name.trimmed();
        if (entryFont >= 0 && !name.isEmpty())
            fonts[entryFont] = {name, entryPage()};
        entryName.clear();
        if (!name.isEmpty())
            entryFont = -1;
    }

    void commitColor() {
        colors.push_back(colorSeen ? std::optional<int>(red | (green << 8) | (blue << 16)) : std::nullopt);
        red = green = blue = 0;
        colorSeen = false;
    }

    void unicode(int code) {
        ucSkip = state.uc;
        const QChar c(char16_t(code & 0xFFFF));
        if (state.destination == Destination::Text) {
            const QString text = cleaned(QString(c));
            if (!text.isEmpty())
                emitText(text);
        } else if (state.destination == Destination::FontTable) {
            flushEntryBytes();
            entryName += c;
        }
    }

    void textByte(char c) {
        if (c == '\t') {
            flushBytes();
            if (ucSkip > 0)
                --ucSkip;
            else if (!skipping() && state.destination == Destination::Text)
                emitText(QStringLiteral("\t"));
            return;
        }
        dataByte(c, true);
    }

    // A byte of text, literal or escaped; only a literal ';' ends a table entry.
    void dataByte(char c, bool literal) {
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        if (skipping())
            return;
        switch (state.destination) {
        case Destination::Text:
            if (pending.isEmpty())
                pendingPage = currentCodePage();
            pending += c;
            break;
        case Destination::FontTable:
            if (literal && c == ';')
                commitFont();
            else
                entryBytes += c;
            break;
        case Destination::ColorTable:
            if (literal && c == ';')
                commitColor();
            break;
        case Destination::Skip:
            break;
        }
    }

    int fontNumber() const { return state.font >= 0 ? state.font : defaultFont; }

    int currentCodePage() const {
        const auto found = fonts.find(fontNumber());
        if (found != fonts.end() && found->second.codePage != 0)
            return found->second.codePage;
        return codePage;
    }

    void flushBytes() {
        if (pending.isEmpty())
            return;
        const QString text = cleaned(codePages.decode(pendingPage, pending));
        pending.clear();
        emitText(text);
    }

    QString fontName(int number) const {
        const auto font = fonts.find(number);
        return font != fonts.end() ? font->second.name : QString();
    }

    void emitText(const QString& text) {
        if (formatDirty) {
            runFormat.fontName = fontName(fontNumber());
            runFormat.fontSize = state.halfPoints / 2.0;
            runFormat.color = state.color >= 0 && std::size_t(state.color) < colors.size()
                                  ? colors[std::size_t(state.color)]
                                  : std::nullopt;
            runFormat.bold = state.bold;
            runFormat.italic = state.italic;
            runFormat.underline = state.underline;
            runFormat.strikeThru = state.strike;
            eastAsianFormat = runFormat;
            if (state.dbchFont >= 0)
                eastAsianFormat.fontName = fontName(state.dbchFont);
            if (state.dbchHalfPoints > 0)
                eastAsianFormat.fontSize = state.dbchHalfPoints / 2.0;
            formatDirty = false;
        }
        if (eastAsianFormat == runFormat) {
            appendRun(runs, text, runFormat);
            return;
        }
        qsizetype from = 0;
        while (from < text.size()) {
            const bool eastAsian = isEastAsian(text[from]);
            qsizetype to = from + 1;
            while (to < text.size() && isEastAsian(text[to]) == eastAsian)
                ++to;
            appendRun(runs, text.mid(from, to - from), eastAsian ? eastAsianFormat : runFormat);
            from = to;
        }
    }

    const char* p;
    const char* end;
    bool finished = false;
    GroupState state;
    std::vector<GroupState> stack;
    int overflowDepth = 0;
    bool ignorable = false;
    int ucSkip = 0;

    int codePage = 1252;
    int defaultFont = 0;
    std::map<int, Font> fonts;
    std::vector<std::optional<int>> colors;
    RtfCodePages codePages;

    int entryFont = -1;
    int entryCharset = -1;
    int entryCodePage = 0;
    QByteArray entryBytes;
    QString entryName;

    int red = 0;
    int green = 0;
    int blue = 0;
    bool colorSeen = false;

    QByteArray pending;
    int pendingPage = 0;
    bool formatDirty = true;
    CharFormat runFormat;
    CharFormat eastAsianFormat;
    FormattedText runs;
};

} // namespace

namespace RtfReader {

namespace {

// Where "{\rtf" starts after a UTF-8 byte-order mark and blanks, or -1 when it does not.
qsizetype rtfStart(const QByteArray& bytes) {
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf") ? i : -1;
}

} // namespace

bool isRtf(const QByteArray& bytes) {
    return rtfStart(bytes) >= 0;
}

std::optional<FormattedText> read(const QByteArray& rtf) {
    const qsizetype start = rtfStart(rtf);
    if (start < 0)
        return std::nullopt;
    return Parser(QByteArrayView(rtf).sliced(start)).parse();
}

} // namespace RtfReader
