#include "reader/TextBox.h"

#include <QTextBlock>

namespace {
QString toDocumentText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    // The spoken word stays marked while the buttons have the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

QString TextBox::text() const {
    QString t = toPlainText();
    t.replace(u'\n', QStringLiteral("\r\n"));
    return t;
}

void TextBox::setText(const QString& text) {
    setPlainText(toDocumentText(text));
}

// A line break counts one in the document and two outside: the block numbered k starts k places
// further on outside. Both ways go through the document's block index, not the whole text.
int TextBox::toDocument(int position) const {
    const QTextDocument* doc = document();
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= position)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int into = position - (block.position() + low);
    const int length = block.length() - 1;
    if (into <= length)
        return block.position() + qMax(0, into);
    // Between the CR and the LF of a break: after the break.
    return block.next().isValid() ? block.next().position() : block.position() + length;
}

int TextBox::fromDocument(int position) const {
    const QTextDocument* doc = document();
    const int end = qBound(0, position, doc->characterCount() - 1);
    return end + doc->findBlock(end).blockNumber();
}

int TextBox::selStart() const {
    return fromDocument(textCursor().selectionStart());
}

void TextBox::setSelStart(int start) {
    QTextCursor c = textCursor();
    c.setPosition(toDocument(qMax(0, start)));
    setTextCursor(c);
}

int TextBox::selLength() const {
    const QTextCursor c = textCursor();
    return fromDocument(c.selectionEnd()) - fromDocument(c.selectionStart());
}

void TextBox::setSelLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = toDocument(fromDocument(start) + qMax(0, length));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void TextBox::setSelText(const QString& text) {
    textCursor().insertText(toDocumentText(text));
}
