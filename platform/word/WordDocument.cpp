#include "platform/word/WordDocument.h"

#include "platform/word/EqArray.h"

#include <algorithm>

namespace {
// Word refuses to nest fields deeper than this.
constexpr int kMaxNesting = 20;
} // namespace

WordDocument::WordDocument() : fontTable(1) {}

int WordDocument::depthAt(int pos) const {
    if (pos <= 0)
        return 0;
    const Cell& before = content[std::size_t(pos - 1)];
    return before.kind == Kind::FieldBegin ? before.depth + 1 : before.depth;
}

int WordDocument::fontIndex(const WordFont& f) {
    const auto it = std::find(fontTable.begin(), fontTable.end(), f);
    if (it != fontTable.end())
        return int(it - fontTable.begin());
    fontTable.push_back(f);
    return int(fontTable.size() - 1);
}

QString WordDocument::text(WordRange range) const {
    const int start = std::clamp(range.start, 0, length());
    const int end = std::clamp(range.end, start, length());
    QString out;
    out.reserve(end - start);
    for (int i = start; i < end; ++i) {
        const Cell& c = content[std::size_t(i)];
        out += c.kind == Kind::Text ? QChar(c.ch) : QChar(c.kind == Kind::FieldBegin ? kBeginMark : kEndMark);
    }
    return out;
}

std::optional<int> WordDocument::replaceText(WordRange range, QStringView text) {
    const int pos = std::clamp(range.start, 0, length());
    const int end = std::clamp(range.end, pos, length());
    const auto first = content.begin() + pos;
    const auto last = content.begin() + end;
    if (std::any_of(first, last, [](const Cell& c) { return c.kind != Kind::Text; }))
        return std::nullopt;
    content.erase(first, last);
    const bool afterText = pos > 0 && content[std::size_t(pos - 1)].kind == Kind::Text;
    const quint32 font = afterText ? content[std::size_t(pos - 1)].value : 0;
    const auto depth = quint8(depthAt(pos));
    std::vector<Cell> cells;
    cells.reserve(std::size_t(text.size()));
    for (const QChar c : text)
        cells.push_back({c.unicode(), Kind::Text, depth, font});
    content.insert(content.begin() + pos, cells.begin(), cells.end());
    return pos + int(text.size());
}

std::optional<int> WordDocument::insertEmptyField(WordRange range) {
    const int start = std::clamp(range.start, 0, length());
    const int end = std::clamp(range.end, start, length());
    const auto first = content.begin() + start;
    const auto last = content.begin() + end;
    if (std::any_of(first, last, [](const Cell& c) { return c.kind != Kind::Text; }))
        return std::nullopt;
    const int depth = depthAt(start);
    if (depth >= kMaxNesting)
        return std::nullopt;
    content.erase(first, last);
    const auto field = quint32(results.size());
    results.emplace_back();
    const Cell marks[] = {{0, Kind::FieldBegin, quint8(depth), field},
                          {0, Kind::FieldEnd, quint8(depth), field}};
    content.insert(content.begin() + start, std::begin(marks), std::end(marks));
    return start + 1;
}

void WordDocument::changeFont(WordRange range, const std::function<void(WordFont&)>& change) {
    const int start = std::clamp(range.start, 0, length());
    const int end = std::clamp(range.end, start, length());
    std::vector<std::pair<quint32, quint32>> changed; // old font index -> new one
    for (int i = start; i < end; ++i) {
        Cell& c = content[std::size_t(i)];
        if (c.kind != Kind::Text)
            continue;
        const auto known =
            std::find_if(changed.begin(), changed.end(), [&](auto& p) { return p.first == c.value; });
        if (known != changed.end()) {
            c.value = known->second;
            continue;
        }
        WordFont f = fontTable[c.value];
        change(f);
        const auto index = quint32(fontIndex(f));
        changed.emplace_back(c.value, index);
        c.value = index;
    }
}

int WordDocument::matchingEnd(int begin) const {
    const quint32 field = content[std::size_t(begin)].value;
    int i = begin + 1;
    while (!(content[std::size_t(i)].kind == Kind::FieldEnd && content[std::size_t(i)].value == field))
        ++i;
    return i;
}

std::vector<WordRun> WordDocument::runsOf(int from, int to) const {
    std::vector<WordRun> runs;
    for (int i = from; i < to; ++i) {
        const Cell& c = content[std::size_t(i)];
        if (c.kind != Kind::Text)
            continue;
        if (runs.empty() || runs.back().font != int(c.value))
            runs.push_back({QString(), int(c.value)});
        runs.back().text += QChar(c.ch);
    }
    return runs;
}

void WordDocument::updateField(int begin) {
    const int end = matchingEnd(begin);
    WordFieldResult& result = results[content[std::size_t(begin)].value];
    result = {};
    const auto first = content.begin() + begin + 1;
    const auto last = content.begin() + end;
    // A nested field's value would be part of the code; such codes get no result.
    if (std::any_of(first, last, [](const Cell& c) { return c.kind != Kind::Text; }))
        return;
    const auto elements = parseEqArray(runsOf(begin + 1, end));
    if (!elements || elements->size() != 2)
        return;
    result.stacked = true;
    result.top = (*elements)[0];
    result.bottom = (*elements)[1];
}

void WordDocument::updateFields(WordRange range) {
    if (content.empty())
        return;
    const int start = std::clamp(range.start, 0, length());
    const int end = std::clamp(range.end, start, length());
    std::vector<int> begins;
    for (int i = std::max(0, start - 1); i <= std::min(length() - 1, end); ++i) {
        const Cell& c = content[std::size_t(i)];
        if (c.kind == Kind::FieldBegin) {
            begins.push_back(i);
        } else if (c.kind == Kind::FieldEnd) {
            int b = i - 1;
            while (!(content[std::size_t(b)].kind == Kind::FieldBegin &&
                     content[std::size_t(b)].value == c.value))
                --b;
            begins.push_back(b);
        }
    }
    for (int depth = depthAt(start), i = start - 1; depth > 0 && i >= 0; --i) {
        const Cell& c = content[std::size_t(i)];
        if (c.kind == Kind::FieldBegin && c.depth < depth) {
            begins.push_back(i);
            depth = c.depth;
        }
    }
    std::sort(begins.begin(), begins.end());
    begins.erase(std::unique(begins.begin(), begins.end()), begins.end());
    for (const int b : begins)
        updateField(b);
}

std::vector<WordDocument::FieldInfo> WordDocument::fields() const {
    std::vector<FieldInfo> out;
    for (int i = 0; i < length(); ++i) {
        const Cell& c = content[std::size_t(i)];
        if (c.kind != Kind::FieldBegin)
            continue;
        const int end = matchingEnd(i);
        out.push_back({text({i + 1, end}), runsOf(i + 1, end), results[c.value]});
    }
    return out;
}
