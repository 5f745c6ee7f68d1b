// The lexicon tools' openers.
#include "platform/richtext/RichTextBox.h"
#include "shell/frmMain.h"
#include "tools/lexicon/Form2.h"
#include "tools/lexicon/Form4.h"
#include "tools/lexicon/Form5.h"

#include <QRadioButton>

namespace {
constexpr int kSpellingHeight = 2175;
constexpr int kSoundHeight = 5610;

// Shows a tool window modelessly and brings it to the front.
void showModeless(QDialog& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// Shows a tool window modally; one already open modelessly (it may be running) is brought to the front.
void showModal(QDialog& window) {
    if (window.isVisible())
        showModeless(window);
    else
        window.exec();
}
} // namespace

Form2& frmMain::entriesWindow() {
    // A closed window is loaded afresh; one still importing is kept.
    if (!form2 || (!form2->isVisible() && !form2->busy()))
        form2 = std::make_unique<Form2>(services.messageBox, List1, List2);
    return *form2;
}

Form4& frmMain::searchWindow() {
    if (!form4 || (!form4->isVisible() && !form4->busy()))
        form4 = std::make_unique<Form4>(*Rich1);
    return *form4;
}

Form5& frmMain::meaningWindow() {
    if (!form5 || !form5->isVisible())
        form5 = std::make_unique<Form5>(services.messageBox, services.dialogs, *Rich1, Listword);
    return *form5;
}

void frmMain::mnuguanli_Click() {
    Form2& w = entriesWindow();
    w.selectMode(w.Option1);
    showModal(w);
}

void frmMain::mnuguanli2_Click() {
    Form2& w = entriesWindow();
    w.selectMode(w.Option2);
    showModal(w);
}

void frmMain::mnuguanli3_Click() {
    Form2& w = entriesWindow();
    w.selectMode(w.Option7);
    showModeless(w);
}

void frmMain::mnutoolword_Click() {
    Form4& w = searchWindow();
    w.selectMode(w.Option1);
    w.setHeightTwips(kSpellingHeight);
    showModeless(w);
}

void frmMain::mnutoolphonetic_Click() {
    Form4& w = searchWindow();
    w.selectMode(w.Option2);
    w.setHeightTwips(kSoundHeight);
    showModeless(w);
}

void frmMain::mnujieshi_Click() {
    showModal(meaningWindow());
}

void frmMain::mnupjieshi_Click() {
    showModeless(meaningWindow());
}
