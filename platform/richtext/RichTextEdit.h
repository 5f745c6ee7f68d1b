#pragma once

#include <QTextEdit>

// The editor view: keeps every line break a paragraph break, so positions can count each as CR LF.
// Shift+Enter breaks the paragraph like Enter; pasted and dropped rich text comes in as formatted runs.
class RichTextEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
