#include "platform/richtext/RichTextEdit.h"

#include "platform/richtext/DocumentRuns.h"
#include "platform/richtext/RtfReader.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace {

const QStringList& rtfMimeTypes() {
    static const QStringList types{QStringLiteral("text/rtf"), QStringLiteral("text/richtext"),
                                   QStringLiteral("application/rtf"), QStringLiteral("application/x-rtf")};
    return types;
}

std::optional<FormattedText> pastedRuns(const QMimeData* source) {
    for (const QString& type : rtfMimeTypes()) {
        if (source->hasFormat(type)) {
            if (auto runs = RtfReader::read(source->data(type)))
                return runs;
        }
    }
    if (source->hasHtml()) {
        QTextDocument html;
        html.setHtml(source->html());
        return DocumentRuns::read(html);
    }
    if (source->hasText()) {
        QString text = source->text();
        text.replace(QChar::LineSeparator, u'\n');
        return FormattedText{{text, {}}};
    }
    return std::nullopt;
}

} // namespace

void RichTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), ushort(event->count()));
        QTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool RichTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    if (isReadOnly())
        return false;
    for (const QString& type : rtfMimeTypes())
        if (source->hasFormat(type))
            return true;
    return source->hasHtml() || source->hasText();
}

void RichTextEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly())
        return;
    const std::optional<FormattedText> runs = pastedRuns(source);
    if (!runs)
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // Runs without a format of their own take the format at the caret, as typed text does.
    const QTextCharFormat here = cursor.charFormat();
    for (const TextRun& run : *runs) {
        if (run.format == CharFormat{})
            cursor.insertText(run.text, here);
        else
            DocumentRuns::insert(cursor, {run});
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
}
