#pragma once

#include "platform/richtext/FormattedText.h"

#include <QSizeF>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QWidget>

#include <functional>
#include <optional>

class QTextEdit;
class QTextDocument;

// A rich-text editor with the interface the windows were designed against:
// Text reads line breaks as CR LF; SelStart and SelLength count a line break as two characters.
// Format reads of a selection whose characters differ give std::nullopt ("mixed"); a format set with
// nothing selected is the format of the next insertion.
// The selection lives in the box; the view's caret follows it once control returns to the event loop
// (or at once through editor()), so bulk edits cost no relayout each.
class RichTextBox : public QWidget {
    Q_OBJECT
public:
    enum class FileFormat { Rtf, Text };

    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    QString text() const;
    void setText(const QString& text);

    int selStart() const;
    void setSelStart(int start); // clamps to the end; collapses the selection
    int selLength() const;
    void setSelLength(int length); // from SelStart, clamped to the end
    QString selText() const;
    void setSelText(const QString& text); // replaces the selection; CR LF, CR and LF make line breaks

    std::optional<QString> selFontName() const;
    void setSelFontName(const QString& name);
    std::optional<double> selFontSize() const;
    void setSelFontSize(double points);
    std::optional<int> selColor() const; // platform colour value (blue-green-red)
    void setSelColor(int bgr);
    std::optional<bool> selBold() const;
    void setSelBold(bool on);
    std::optional<bool> selItalic() const;
    void setSelItalic(bool on);
    std::optional<bool> selUnderline() const;
    void setSelUnderline(bool on);
    std::optional<bool> selStrikeThru() const;
    void setSelStrikeThru(bool on);

    // The control's own base font.
    QString baseFontName() const;
    void setBaseFont(const QString& name, double points);

    // False when the file cannot be read whole; the document is then unchanged.
    [[nodiscard]] bool loadFile(const QString& path, FileFormat format = FileFormat::Rtf);
    // Replaces the document from a file's bytes; RTF that cannot be parsed comes in as plain text.
    void loadBytes(const QByteArray& bytes, FileFormat format);
    // Writes through a temporary file renamed over the target; false leaves the target as it was.
    [[nodiscard]] bool saveFile(const QString& path, FileFormat format = FileFormat::Rtf) const;

    // The document as RTF, and replacing the document from RTF (false when it cannot be parsed).
    QString textRtf() const;
    bool setTextRtf(const QString& rtf);

    // Inserts texts[k] at CR LF position positions[k] (not decreasing), from the last to the first, each
    // in the format of the character before it (as typing there would take it) with this font, size
    // and colour. `proceed(k)` is asked before each insertion; false stops the insertions there.
    void insertEach(const QList<int>& positions, const QList<QStringView>& texts, const QString& fontName,
                    double points, int bgr, const std::function<bool(qsizetype)>& proceed);

    // Groups the edits until endEditBlock into one undo step without relayout per edit.
    void beginEditBlock();
    void endEditBlock();

    QTextEdit* editor() const;
    QTextDocument* document() const;

signals:
    void changed();
    void selectionChanged();
    void clicked();
    // Mouse button released: button 1 left, 2 right, 4 middle; shift state; position in twips.
    void mouseUp(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int toDocumentPos(int crlfPos) const;
    int toCrLfPos(int documentPos) const;
    QTextCharFormat caretFormat() const;
    void moved();
    void selectionEdited();
    void syncView();
    void replaceContent(const FormattedText& runs);

    QTextEdit* edit;
    QTextCursor cursor;
    std::optional<QTextCharFormat> pendingFormat; // the next insertion's format, set with nothing selected
    mutable int positionHint = 0;
    int editBlockDepth = 0;
    QSizeF pageSizeBeforeBlock;
    bool viewSyncPending = false;
    bool syncingView = false;
};
