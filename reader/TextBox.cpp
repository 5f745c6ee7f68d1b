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

int TextBox::toDocument(int position) const {
    const QString t = toPlainText();
    int crlf = 0;
    int doc = 0;
    while (doc < t.size() && crlf < position) {
        crlf += t[doc] == u'\n' ? 2 : 1;
        ++doc;
    }
    return doc;
}

int TextBox::fromDocument(int position) const {
    const QString t = toPlainText();
    const int end = qMin(position, int(t.size()));
    return end + int(QStringView(t).left(end).count(u'\n'));
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
