#include "platform/richtext/RichTextBox.h"

#include "platform/core/Ansi.h"
#include "platform/core/TextEncoding.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/DocumentRuns.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/services/BgrColor.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

constexpr int kTwipsPerPixel = 15;
// Blocks walked from the last lookup before a binary search: edits go mostly near the last position.
constexpr int kNearBlocks = 8;

QString normaliseBreaks(QString text) {
    const auto isBreak = [](QChar c) {
        return c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(text.cbegin(), text.cend(), isBreak))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QString withCrLf(const QString& raw) {
    QString out;
    out.reserve(raw.size() + raw.size() / 16);
    qsizetype from = 0;
    for (qsizetype i = raw.indexOf(QChar::ParagraphSeparator); i >= 0;
         i = raw.indexOf(QChar::ParagraphSeparator, from)) {
        out.append(QStringView(raw).sliced(from, i - from));
        out.append(u"\r\n");
        from = i + 1;
    }
    out.append(QStringView(raw).sliced(from));
    return out;
}

QString familyOf(const QTextCharFormat& f, const QTextDocument* doc) {
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        return families.constFirst();
    if (f.hasProperty(QTextFormat::FontFamily))
        return f.stringProperty(QTextFormat::FontFamily);
    return doc->defaultFont().family();
}

// The value of one format property over the selection, or nullopt when it differs.
template <typename T>
std::optional<T> uniform(const QTextCursor& cursor, const QTextCharFormat& caretFormat,
                         const std::function<T(const QTextCharFormat&)>& get) {
    if (!cursor.hasSelection())
        return get(caretFormat);
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<T> value;
    const QTextDocument* doc = cursor.document();
    for (QTextBlock block = doc->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const T v = get(fragment.charFormat());
            if (value && *value != v)
                return std::nullopt;
            value = v;
        }
    }
    if (!value)
        return get(caretFormat);
    return value;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QWidget(parent), edit(new RichTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    setFocusProxy(edit);
    // The windows show their own context menu on the right-button release.
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->viewport()->installEventFilter(this);
    cursor = edit->textCursor();
    connect(edit, &QTextEdit::textChanged, this, &RichTextBox::changed);
    connect(edit, &QTextEdit::cursorPositionChanged, this, [this] {
        // The view moves by itself only through the user; while our selection waits to be shown, the
        // view's caret moves because of our own edits and must not overwrite it.
        if (!syncingView && !viewSyncPending) {
            cursor = edit->textCursor();
            pendingFormat.reset();
        }
        emit selectionChanged();
    });
    connect(edit, &QTextEdit::selectionChanged, this, [this] {
        if (!syncingView && !viewSyncPending) {
            cursor = edit->textCursor();
            pendingFormat.reset();
        }
        emit selectionChanged();
    });
}

RichTextBox::~RichTextBox() = default;

QTextDocument* RichTextBox::document() const {
    return edit->document();
}

QTextEdit* RichTextBox::editor() const {
    // Handing out the view shows it the current selection first; that changes no content.
    const_cast<RichTextBox*>(this)->syncView();
    return edit;
}

QTextCharFormat RichTextBox::caretFormat() const {
    return pendingFormat ? *pendingFormat : cursor.charFormat();
}

void RichTextBox::moved() {
    pendingFormat.reset();
    selectionEdited();
}

void RichTextBox::selectionEdited() {
    if (viewSyncPending)
        return;
    viewSyncPending = true;
    if (editBlockDepth == 0)
        QMetaObject::invokeMethod(
            this, [this] { syncView(); }, Qt::QueuedConnection);
}

void RichTextBox::syncView() {
    if (!viewSyncPending)
        return;
    viewSyncPending = false;
    if (pendingFormat) {
        cursor.setCharFormat(*pendingFormat);
        pendingFormat.reset();
    }
    syncingView = true;
    edit->setTextCursor(cursor);
    syncingView = false;
}

int RichTextBox::toDocumentPos(int crlfPos) const {
    const QTextDocument* doc = document();
    const int target = qMax(0, crlfPos);
    QTextBlock block = doc->findBlock(qBound(0, positionHint, doc->characterCount() - 1));
    int number = block.blockNumber();
    int start = block.position() + number;
    bool found = false;
    for (int step = 0; step < kNearBlocks && block.isValid(); ++step) {
        if (target < start) {
            block = block.previous();
            if (!block.isValid())
                break;
            --number;
            start -= block.length() + 1;
        } else if (target <= start + block.length() || !block.next().isValid()) {
            found = true;
            break;
        } else {
            start += block.length() + 1;
            ++number;
            block = block.next();
        }
    }
    if (!found) {
        // The block's number b puts its document position at target - b: each bound on b bounds that
        // position and so the other bound, closing in by about a line length per round.
        const int last = doc->characterCount() - 1;
        const auto numberAt = [&](int pos) { return doc->findBlock(qBound(0, pos, last)).blockNumber(); };
        int lo = 0;
        int hi = numberAt(target);
        for (int round = 0; round < 4 && lo < hi; ++round) {
            const int upper = numberAt(target - lo);
            lo = qMax(lo, numberAt(target - hi));
            hi = qMin(hi, upper);
        }
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (doc->findBlockByNumber(mid).position() + mid <= target)
                lo = mid;
            else
                hi = mid - 1;
        }
        block = doc->findBlockByNumber(lo);
        start = block.position() + lo;
    }
    const int pos = block.position() + qMin(target - start, block.length() - 1);
    positionHint = pos;
    return pos;
}

int RichTextBox::toCrLfPos(int documentPos) const {
    return documentPos + document()->findBlock(documentPos).blockNumber();
}

QString RichTextBox::text() const {
    return withCrLf(document()->toRawText());
}

void RichTextBox::setText(const QString& text) {
    cursor.select(QTextCursor::Document);
    cursor.insertText(normaliseBreaks(text));
    cursor.setPosition(0);
    moved();
}

int RichTextBox::selStart() const {
    return toCrLfPos(cursor.selectionStart());
}

void RichTextBox::setSelStart(int start) {
    cursor.setPosition(toDocumentPos(start));
    moved();
}

int RichTextBox::selLength() const {
    return toCrLfPos(cursor.selectionEnd()) - toCrLfPos(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length) {
    const int start = cursor.selectionStart();
    const int end = toDocumentPos(toCrLfPos(start) + qMax(0, length));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    moved();
}

QString RichTextBox::selText() const {
    QString s = cursor.selectedText();
    s.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return s;
}

void RichTextBox::setSelText(const QString& text) {
    if (pendingFormat)
        cursor.insertText(normaliseBreaks(text), *pendingFormat);
    else
        cursor.insertText(normaliseBreaks(text));
    moved();
}

namespace {
// With a selection the format changes the selected text; without one it is kept for the next insertion.
template <typename Apply>
void applyFormat(QTextCursor& cursor, std::optional<QTextCharFormat>& pending, Apply apply) {
    QTextCharFormat format;
    apply(format);
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
        return;
    }
    if (!pending)
        pending = cursor.charFormat();
    pending->merge(format);
}
} // namespace

std::optional<QString> RichTextBox::selFontName() const {
    const QTextDocument* doc = document();
    return uniform<QString>(cursor, caretFormat(),
                            [doc](const QTextCharFormat& f) { return familyOf(f, doc); });
}

void RichTextBox::setSelFontName(const QString& name) {
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { DocumentRuns::setFamily(f, name); });
    selectionEdited();
}

std::optional<double> RichTextBox::selFontSize() const {
    const double base = document()->defaultFont().pointSizeF();
    return uniform<double>(cursor, caretFormat(), [base](const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base;
    });
}

void RichTextBox::setSelFontSize(double points) {
    if (points <= 0)
        return;
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { f.setFontPointSize(points); });
    selectionEdited();
}

std::optional<int> RichTextBox::selColor() const {
    return uniform<int>(cursor, caretFormat(), [](const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::ForegroundBrush) ? qColorToBgr(f.foreground().color()) : 0;
    });
}

void RichTextBox::setSelColor(int bgr) {
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { f.setForeground(bgrToQColor(bgr)); });
    selectionEdited();
}

std::optional<bool> RichTextBox::selBold() const {
    return uniform<bool>(cursor, caretFormat(),
                         [](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}

void RichTextBox::setSelBold(bool on) {
    applyFormat(cursor, pendingFormat,
                [&](QTextCharFormat& f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
    selectionEdited();
}

std::optional<bool> RichTextBox::selItalic() const {
    return uniform<bool>(cursor, caretFormat(), [](const QTextCharFormat& f) { return f.fontItalic(); });
}

void RichTextBox::setSelItalic(bool on) {
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { f.setFontItalic(on); });
    selectionEdited();
}

std::optional<bool> RichTextBox::selUnderline() const {
    return uniform<bool>(cursor, caretFormat(), [](const QTextCharFormat& f) { return f.fontUnderline(); });
}

void RichTextBox::setSelUnderline(bool on) {
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { f.setFontUnderline(on); });
    selectionEdited();
}

std::optional<bool> RichTextBox::selStrikeThru() const {
    return uniform<bool>(cursor, caretFormat(), [](const QTextCharFormat& f) { return f.fontStrikeOut(); });
}

void RichTextBox::setSelStrikeThru(bool on) {
    applyFormat(cursor, pendingFormat, [&](QTextCharFormat& f) { f.setFontStrikeOut(on); });
    selectionEdited();
}

QString RichTextBox::baseFontName() const {
    return document()->defaultFont().family();
}

void RichTextBox::setBaseFont(const QString& name, double points) {
    QFont font(name);
    if (points > 0)
        font.setPointSizeF(points);
    document()->setDefaultFont(font);
}

void RichTextBox::replaceContent(const FormattedText& runs) {
    QTextDocument* doc = document();
    // A load is no undo step; outside a bulk edit it also drops the history before it.
    const bool undo = doc->isUndoRedoEnabled();
    if (editBlockDepth == 0)
        doc->setUndoRedoEnabled(false);
    QTextCursor writer(doc);
    writer.beginEditBlock();
    writer.select(QTextCursor::Document);
    writer.removeSelectedText();
    writer.setBlockCharFormat(QTextCharFormat());
    writer.setCharFormat(QTextCharFormat());
    DocumentRuns::insert(writer, runs);
    writer.endEditBlock();
    if (editBlockDepth == 0)
        doc->setUndoRedoEnabled(undo);
    cursor = QTextCursor(doc);
    positionHint = 0;
    moved();
}

bool RichTextBox::loadFile(const QString& path, FileFormat format) {
    const std::optional<QByteArray> bytes = TextFile::readBytes(path);
    if (!bytes)
        return false;
    loadBytes(*bytes, format);
    return true;
}

void RichTextBox::loadBytes(const QByteArray& bytes, FileFormat format) {
    if (format == FileFormat::Rtf) {
        if (const std::optional<FormattedText> runs = RtfReader::read(bytes)) {
            replaceContent(*runs);
            return;
        }
    }
    replaceContent({{normaliseBreaks(TextEncoding::decode(bytes).text), {}}});
}

bool RichTextBox::saveFile(const QString& path, FileFormat format) const {
    if (format == FileFormat::Rtf)
        return TextFile::writeBytes(path, textRtf().toLatin1());
    return TextFile::writeBytes(path, Ansi::encode(text()));
}

QString RichTextBox::textRtf() const {
    const QFont base = document()->defaultFont();
    return QString::fromLatin1(
        RtfWriter::write(DocumentRuns::read(*document()), base.family(), base.pointSizeF()));
}

bool RichTextBox::setTextRtf(const QString& rtf) {
    bool latin1 = true;
    for (const QChar c : rtf)
        latin1 = latin1 && c.unicode() <= 0xFF;
    const std::optional<FormattedText> runs = RtfReader::read(latin1 ? rtf.toLatin1() : Ansi::encode(rtf));
    if (!runs)
        return false;
    replaceContent(*runs);
    return true;
}

namespace {

// A document position and the format a caret there would type in: the index of that format in the
// document's collection, or -1 when only a cursor can tell.
struct InsertionPoint {
    int position = 0;
    int formatIndex = -1;
};

// The points of ascending CR LF positions, found in one walk over the blocks and their fragments.
std::vector<InsertionPoint> insertionPoints(const QTextDocument& doc, const QList<int>& positions,
                                            qsizetype count) {
    std::vector<InsertionPoint> points;
    points.reserve(static_cast<size_t>(count));
    QTextBlock block = doc.begin();
    int crlfStart = 0;
    QTextBlock::iterator fragment = block.begin();
    for (qsizetype k = 0; k < count; ++k) {
        const int target = qMax(0, positions[k]);
        while (block.next().isValid() && target >= crlfStart + block.length() + 1) {
            crlfStart += block.length() + 1;
            block = block.next();
            fragment = block.begin();
        }
        const int offset = qMin(target - crlfStart, block.length() - 1);
        InsertionPoint point{block.position() + offset, -1};
        // At a block's start a caret types in its first character's format, elsewhere in the format of
        // the character before it.
        const int probe = offset == 0 ? point.position : point.position - 1;
        if (offset > 0 || block.length() > 1) {
            while (!fragment.atEnd() &&
                   fragment.fragment().position() + fragment.fragment().length() <= probe)
                ++fragment;
            if (!fragment.atEnd() && fragment.fragment().position() <= probe)
                point.formatIndex = fragment.fragment().charFormatIndex();
        }
        points.push_back(point);
    }
    return points;
}

} // namespace

void RichTextBox::insertEach(const QList<int>& positions, const QList<QStringView>& texts,
                             const QString& fontName, double points, int bgr,
                             const std::function<bool(qsizetype)>& proceed) {
    QTextDocument* doc = document();
    const qsizetype count = qMin(positions.size(), texts.size());
    const std::vector<InsertionPoint> at = insertionPoints(*doc, positions, count);
    const QList<QTextFormat> formats = doc->allFormats();
    const auto styled = [&](QTextCharFormat format) {
        format.clearProperty(QTextFormat::ObjectIndex);
        format.setFontFamilies({fontName});
        format.setFontPointSize(points);
        format.setForeground(bgrToQColor(bgr));
        return format;
    };
    // One prebuilt format for each format the insertions follow.
    QHash<int, QTextCharFormat> styledByIndex;
    QTextCursor writer(doc);
    int caret = -1;
    for (qsizetype k = count - 1; k >= 0; --k) {
        if (!proceed(k))
            break;
        const InsertionPoint& point = at[static_cast<size_t>(k)];
        writer.setPosition(point.position);
        QTextCharFormat format;
        if (point.formatIndex < 0 || point.formatIndex >= formats.size()) {
            format = styled(writer.charFormat());
        } else {
            auto it = styledByIndex.find(point.formatIndex);
            if (it == styledByIndex.end())
                it = styledByIndex.insert(point.formatIndex,
                                          styled(formats[point.formatIndex].toCharFormat()));
            format = *it;
        }
        // The cursor copies the characters into the document; the text itself is borrowed.
        writer.insertText(normaliseBreaks(QString::fromRawData(texts[k].data(), texts[k].size())), format);
        caret = writer.position();
    }
    if (caret >= 0) {
        cursor.setPosition(caret);
        moved();
    }
}

void RichTextBox::beginEditBlock() {
    // Without a page size the layout ignores the edits; setting it back at the end lays the document out
    // once, lazily, instead of synchronously over the whole edited range.
    if (editBlockDepth == 0) {
        pageSizeBeforeBlock = document()->pageSize();
        document()->setPageSize(QSizeF());
    }
    cursor.beginEditBlock();
    ++editBlockDepth;
}

void RichTextBox::endEditBlock() {
    if (editBlockDepth == 0)
        return;
    --editBlockDepth;
    cursor.endEditBlock();
    if (editBlockDepth > 0)
        return;
    // The placeholder QSizeF() is (-1, -1), invalid but not null; a size set during the block stands.
    if (document()->pageSize() == QSizeF())
        document()->setPageSize(pageSizeBeforeBlock);
    if (viewSyncPending)
        QMetaObject::invokeMethod(
            this, [this] { syncView(); }, Qt::QueuedConnection);
}

bool RichTextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int button = mouse->button() == Qt::LeftButton    ? 1
                               : mouse->button() == Qt::RightButton ? 2
                                                                    : 4;
            const int shift = (mouse->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                              (mouse->modifiers() & Qt::ControlModifier ? 2 : 0) |
                              (mouse->modifiers() & Qt::AltModifier ? 4 : 0);
            emit mouseUp(button, shift, int(mouse->position().x()) * kTwipsPerPixel,
                         int(mouse->position().y()) * kTwipsPerPixel);
        } else if (event->type() == QEvent::MouseButtonPress) {
            emit clicked();
        }
    }
    return QWidget::eventFilter(watched, event);
}
