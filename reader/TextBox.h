#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose Text reads line breaks as CR LF, with SelStart and SelLength
// counting a line break as those two characters.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    void setSelText(const QString& text);

private:
    // Between positions counting CR LF as two and the document's, which counts a break as one.
    int toDocument(int position) const;
    int fromDocument(int position) const;
};
