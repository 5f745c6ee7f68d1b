#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"

#include <QWidget>

class MessageBox;
class QGroupBox;
class QLabel;
class QPushButton;

// Font replacement: renames one font of the main document's RTF font table to another and reloads
// the document. Only the font's name changes, not the characters' codes.
class Frmpiliangzhuanhuan : public QWidget {
    Q_OBJECT
public:
    Frmpiliangzhuanhuan(MessageBox& messageBox, CommonDialog& dialogs, RichTextBox& document,
                        QWidget* parent = nullptr);

    void Form_Load();
    void Label3_Click();
    void Label4_Click();
    void Command1_Click();
    // The font-table spelling of a name: each double-byte character as its \'hh escapes.
    static QString gethexcode(const QString& text);
    static QString getcode1(const QString& name);
    // Renames the font-table entry ending in `from` + ";}" to `to` throughout the RTF source; false when
    // the font table holds no such entry.
    static bool renameFont(QString& rtf, const QString& from, const QString& to);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Command1;
    QGroupBox* Frame1;
    FontChoice Dlg1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseFont(QLabel* label, const QString& title);
    [[nodiscard]] bool replaceFont(const QString& path, const QString& from, const QString& to);
    void report(const QString& prompt, int style);

    MessageBox& messageBox;
    CommonDialog& dialogs;
    RichTextBox& document;
};
