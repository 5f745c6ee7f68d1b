#include "platform/richtext/RichTextBox.h"

#include "platform/core/Ansi.h"
#include "platform/core/TextFile.h"
#include "platform/services/BgrColor.h"

#include <QFile>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int kTwipsPerPixel = 15;

// Document position (Qt, one per line break) of a position that counts a line break as two.
int toQtPos(const QTextDocument* doc, int vbPos) {
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= vbPos)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int offset = vbPos - (block.position() + lo);
    return block.position() + qMin(offset, block.length() - 1);
}

int toVbPos(const QTextDocument* doc, int qtPos) {
    return qtPos + doc->findBlock(qtPos).blockNumber();
}

QString normaliseBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// The value of one format property over the selection, or nullopt when it differs.
template <typename T>
std::optional<T> uniform(const QTextCursor& cursor, const std::function<T(const QTextCharFormat&)>& get) {
    if (!cursor.hasSelection())
        return get(cursor.charFormat());
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
        return get(cursor.charFormat());
    return value;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QWidget(parent), edit(new QTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    edit->setAcceptRichText(false);
    edit->viewport()->installEventFilter(this);
    connect(edit, &QTextEdit::textChanged, this, &RichTextBox::changed);
    connect(edit, &QTextEdit::cursorPositionChanged, this, &RichTextBox::selectionChanged);
    connect(edit, &QTextEdit::selectionChanged, this, &RichTextBox::selectionChanged);
}

RichTextBox::~RichTextBox() = default;

QTextDocument* RichTextBox::document() const {
    return edit->document();
}

QString RichTextBox::text() const {
    QString out;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            out += QStringLiteral("\r\n");
        out += block.text();
    }
    return out;
}

void RichTextBox::setText(const QString& text) {
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(normaliseBreaks(text));
    cursor.setPosition(0);
    edit->setTextCursor(cursor);
}

int RichTextBox::selStart() const {
    return toVbPos(document(), edit->textCursor().selectionStart());
}

void RichTextBox::setSelStart(int start) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(toQtPos(document(), qMax(0, start)));
    edit->setTextCursor(cursor);
}

int RichTextBox::selLength() const {
    const QTextCursor cursor = edit->textCursor();
    return toVbPos(document(), cursor.selectionEnd()) - toVbPos(document(), cursor.selectionStart());
}

void RichTextBox::setSelLength(int length) {
    QTextCursor cursor = edit->textCursor();
    const int start = cursor.selectionStart();
    const int end = toQtPos(document(), toVbPos(document(), start) + qMax(0, length));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

QString RichTextBox::selText() const {
    QString s = edit->textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return s;
}

void RichTextBox::setSelText(const QString& text) {
    QTextCursor cursor = edit->textCursor();
    cursor.insertText(normaliseBreaks(text));
    edit->setTextCursor(cursor);
}

namespace {
template <typename Apply> void applyFormat(QTextEdit* edit, Apply apply) {
    QTextCharFormat format;
    apply(format);
    QTextCursor cursor = edit->textCursor();
    cursor.mergeCharFormat(format);
    edit->setTextCursor(cursor);
}
} // namespace

std::optional<QString> RichTextBox::selFontName() const {
    return uniform<QString>(edit->textCursor(), [](const QTextCharFormat& f) {
        const QStringList families = f.fontFamilies().toStringList();
        return families.isEmpty() ? QString() : families.constFirst();
    });
}

void RichTextBox::setSelFontName(const QString& name) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontFamilies({name}); });
}

std::optional<double> RichTextBox::selFontSize() const {
    return uniform<double>(edit->textCursor(), [](const QTextCharFormat& f) { return f.fontPointSize(); });
}

void RichTextBox::setSelFontSize(double points) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontPointSize(points); });
}

std::optional<int> RichTextBox::selColor() const {
    return uniform<int>(edit->textCursor(), [](const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::ForegroundBrush) ? qColorToBgr(f.foreground().color()) : 0;
    });
}

void RichTextBox::setSelColor(int bgr) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setForeground(bgrToQColor(bgr)); });
}

std::optional<bool> RichTextBox::selBold() const {
    return uniform<bool>(edit->textCursor(),
                         [](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}

void RichTextBox::setSelBold(bool on) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
}

std::optional<bool> RichTextBox::selItalic() const {
    return uniform<bool>(edit->textCursor(), [](const QTextCharFormat& f) { return f.fontItalic(); });
}

void RichTextBox::setSelItalic(bool on) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontItalic(on); });
}

std::optional<bool> RichTextBox::selUnderline() const {
    return uniform<bool>(edit->textCursor(), [](const QTextCharFormat& f) { return f.fontUnderline(); });
}

void RichTextBox::setSelUnderline(bool on) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontUnderline(on); });
}

std::optional<bool> RichTextBox::selStrikeThru() const {
    return uniform<bool>(edit->textCursor(), [](const QTextCharFormat& f) { return f.fontStrikeOut(); });
}

void RichTextBox::setSelStrikeThru(bool on) {
    applyFormat(edit, [&](QTextCharFormat& f) { f.setFontStrikeOut(on); });
}

QString RichTextBox::baseFontName() const {
    return document()->defaultFont().family();
}

void RichTextBox::setBaseFont(const QString& name, double points) {
    QFont font(name);
    font.setPointSizeF(points);
    document()->setDefaultFont(font);
}

bool RichTextBox::loadFile(const QString& path, FileFormat format) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (format == FileFormat::Rtf)
        return setTextRtf(QString::fromLatin1(bytes));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Ansi::decode(bytes);
    else if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    setText(text);
    return true;
}

bool RichTextBox::saveFile(const QString& path, FileFormat format) const {
    if (format == FileFormat::Rtf)
        return TextFile::writeBytes(path, textRtf().toLatin1());
    return TextFile::writeBytes(path, Ansi::encode(text()));
}

QString RichTextBox::textRtf() const {
    return {};
}

bool RichTextBox::setTextRtf(const QString&) {
    return false;
}

void RichTextBox::beginEditBlock() {
    edit->textCursor().beginEditBlock();
}

void RichTextBox::endEditBlock() {
    edit->textCursor().endEditBlock();
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
