#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/services/CommonDialog.h"
#include "tools/services/FormResize.h"
#include "tools/services/Skin.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class MessageBox;
class ProgressSink;
class QCheckBox;
class QPushButton;
class WordList;

// What a gloss run takes from the main window: its document, word list and queue lists, its progress
// window, and the switch that enables it again.
struct GlossHost {
    const RichTextBox& document;
    const WordList& words;
    QStringList& List4; // meanings, in text order
    QList<int>& List5;  // for each, the 1-based end of its word in the scanned text
    std::function<ProgressSink&()> loadProgress;
    std::function<void()> unloadProgress;
    // True while a run of the main window holds the queue lists.
    std::function<bool()> mainRunActive;
    std::function<void()> enableMainWindow;
};

// The gloss of a whole text: a copy of the document with "(" meaning ")" after each word the lexicon
// knows, in the window's own box.
class Form6 : public QDialog {
    Q_OBJECT
public:
    Form6(MessageBox& messageBox, CommonDialog& dialogs, GlossHost host, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Resize();
    void cmdtranslate_Click();
    void cmdtranslate2_Click();
    void Command2_Click();

    // True from the start of a run to its end.
    bool running() const { return isRunning; }

    QPushButton* cmdtranslate;
    QPushButton* cmdtranslate2;
    QCheckBox* Check1;
    QPushButton* Command2;
    RichTextBox* Rich1;
    FileDialogRequest Dlg1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void recognise(const QString& scanned, ProgressSink& sink);
    // The scanned text with the glosses inserted from the last to the first.
    void writeResult(const QString& scanned, ProgressSink& sink);

    MessageBox& messageBox;
    CommonDialog& dialogs;
    GlossHost host;
    FormResize layout;
    Skin skin;
    bool isRunning = false;
};
