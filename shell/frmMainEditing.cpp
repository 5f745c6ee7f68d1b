// Editing and formatting commands, the editor's events and its two context menus.
#include "shell/frmMain.h"

#include "platform/core/ProgramFolder.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageTitles.h"
#include "shell/EditorFont.h"
#include "shell/Frmchayi.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace {

// The text control that has the focus, other than the document, or null.
QWidget* focusedTextControl(const RichTextBox& document) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == document.editor() || document.isAncestorOf(focus))
        return nullptr;
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) ||
        qobject_cast<QPlainTextEdit*>(focus))
        return focus;
    return nullptr;
}

QString selectedTextOf(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->selectedText();
    if (auto* text = qobject_cast<QTextEdit*>(control))
        return text->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        return plain->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return {};
}

void replaceSelectionOf(QWidget* control, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->insert(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(control))
        edit->insertPlainText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->insertPlainText(text);
}

} // namespace

void frmMain::connectEditor() {
    // Our own context menus replace the editor's built-in one, also where the view receives the click.
    Rich1->editor()->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(Rich1.get(), &RichTextBox::changed, this, &frmMain::Rich1_Change);
    connect(Rich1.get(), &RichTextBox::selectionChanged, this, &frmMain::Rich1_SelChange);
    connect(Rich1.get(), &RichTextBox::mouseUp, this, &frmMain::Rich1_MouseUp);
}

void frmMain::mnucopy_Click() {
    QWidget* control = focusedTextControl(*Rich1);
    QApplication::clipboard()->setText(control ? selectedTextOf(control) : Rich1->selText());
}

void frmMain::mnucut_Click() {
    // The selection is deleted from the control it was copied from, never from another one.
    QWidget* control = focusedTextControl(*Rich1);
    QApplication::clipboard()->setText(control ? selectedTextOf(control) : Rich1->selText());
    if (control) {
        replaceSelectionOf(control, QString());
        return;
    }
    Rich1->setSelText(QString());
    Rich1->setSelColor(0);
    Rich1->setSelFontName(EditorFont::family());
}

void frmMain::mnupaste_Click() {
    const QString text = QApplication::clipboard()->text();
    if (QWidget* control = focusedTextControl(*Rich1))
        replaceSelectionOf(control, text);
    else
        Rich1->setSelText(text);
}

void frmMain::mnub_Click() {
    Rich1->setSelBold(Rich1->selBold() != true);
}

void frmMain::mnuxie_Click() {
    Rich1->setSelItalic(Rich1->selItalic() != true);
}

void frmMain::mnushanchu_Click() {
    Rich1->setSelStrikeThru(Rich1->selStrikeThru() != true);
}

void frmMain::mnuxiahua_Click() {
    Rich1->setSelUnderline(Rich1->selUnderline() != true);
}

void frmMain::mnufont_Click() {
    // The dialog keeps its values between uses; a mixed attribute leaves the previous one.
    dlg1.name = Rich1->baseFontName();
    if (const auto bold = Rich1->selBold())
        dlg1.bold = *bold;
    if (const auto italic = Rich1->selItalic())
        dlg1.italic = *italic;
    if (const auto size = Rich1->selFontSize())
        dlg1.size = *size;
    const QString title = QStringLiteral("设置字体属性");
    // Cancel is not told apart from OK: what the dialog holds is applied either way.
    services.dialogs.showFont(title, dlg1);
    Rich1->setSelBold(dlg1.bold);
    Rich1->setSelColor(dlg1.color);
    if (!dlg1.name.isEmpty())
        Rich1->setSelFontName(dlg1.name);
    if (dlg1.size > 0)
        Rich1->setSelFontSize(dlg1.size);
    Rich1->setSelItalic(dlg1.italic);
    Rich1->setSelStrikeThru(dlg1.strikethru);
    Rich1->setSelUnderline(dlg1.underline);
}

void frmMain::mnugeshifont_Click() {
    // Black stands for no choice, so Cancel changes nothing.
    dlg1.color = 0;
    services.dialogs.showColor(QStringLiteral("设置字体颜色"), dlg1.color);
    if (dlg1.color != 0)
        Rich1->setSelColor(dlg1.color);
}

Frmchayi& frmMain::chayiWindow() {
    if (!chayi)
        chayi = new Frmchayi(this);
    return *chayi;
}

bool frmMain::findAppendixPicture(const QString& name, QString& path) {
    path = ProgramFolder::file(name);
    if (QFileInfo::exists(path))
        return true;
    services.messageBox.show(QStringLiteral("文件 ") + name + QStringLiteral(" 丢失，请咨询作者！"),
                             MsgBox::OkOnly | MsgBox::Information, MessageTitle::notice());
    return false;
}

namespace {
void showPicture(Frmchayi& window, const QString& path) {
    // An unreadable picture leaves the window empty rather than showing the previous one.
    window.Image1->setPixmap(QPixmap(path));
    window.Image1->adjustSize();
}

void setTwipsSize(Frmchayi& window, int width, int height) {
    window.resize(int(width / Twips::kPerPixel), int(height / Twips::kPerPixel));
}
} // namespace

void frmMain::mnucha1_Click() {
    QString path;
    if (!findAppendixPicture(QStringLiteral("chayi.gif"), path))
        return;
    Frmchayi& window = chayiWindow();
    window.setWindowTitle(QStringLiteral("英美发音差异"));
    setTwipsSize(window, 10200, 8310);
    showPicture(window, path);
    // A window already open beside the editor stays modeless.
    if (window.isVisible())
        window.raise();
    else
        window.exec();
}

void frmMain::mnucha2_Click() {
    QString path;
    if (!findAppendixPicture(QStringLiteral("houzhui.gif"), path))
        return;
    Frmchayi& window = chayiWindow();
    showPicture(window, path);
    window.setWindowTitle(QStringLiteral("英语常见后缀的发音"));
    setTwipsSize(window, 9220, 9200);
    window.show();
    window.raise();
}

void frmMain::Rich1_Change() {
    mnuFileSave->setEnabled(true);
    if (!Rich1->text().isEmpty()) {
        mnuFileSaveAs->setEnabled(true);
        return;
    }
    mnuFileSaveAs->setEnabled(false);
    // The typing font is reset once the edit that emptied the editor has finished, which would
    // otherwise put its own cursor back over ours.
    QTimer::singleShot(0, this, [this] {
        if (!Rich1->text().isEmpty())
            return;
        const QSignalBlocker quiet(Rich1.get());
        Rich1->setSelFontName(EditorFont::family());
        Rich1->setSelColor(0);
    });
}

void frmMain::Rich1_SelChange() {
    const bool selected = Rich1->selLength() >= 1;
    tbCut->setEnabled(selected);
    tbCopy->setEnabled(selected);
}

void frmMain::Rich1_MouseUp(int button, int, int x, int y) {
    if (button != 2)
        return;
    QMenu* menu = Rich1->selText().isEmpty() ? popmenu1 : popmenu2;
    menu->popup(Rich1->editor()->viewport()->mapToGlobal(
        QPoint(int(x / Twips::kPerPixel), int(y / Twips::kPerPixel))));
}
