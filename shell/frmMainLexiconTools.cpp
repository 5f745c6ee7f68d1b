// The lexicon tools' menu items and their openers.
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

void frmMain::setupLexiconToolCommands() {
    const auto item = [this](QMenu* menu, QAction* before, const char16_t* name, const char16_t* caption,
                             void (frmMain::*handler)(), const QKeySequence& shortcut = {}) {
        return insertMenuItem(menu, before, QString::fromUtf16(name), QString::fromUtf16(caption), handler,
                              shortcut);
    };
    QAction* const first = mnuzizhu->actions().value(0, nullptr);
    mnuguanli = item(mnuzizhu, first, u"mnuguanli", u"添加自定义音标(&M)", &frmMain::mnuguanli_Click,
                     QKeySequence(Qt::Key_F4));
    mnuguanli2 = item(mnuzizhu, first, u"mnuguanli2", u"管理自定义音标(&G)", &frmMain::mnuguanli2_Click);
    mnuguanli3 = item(mnuzizhu, first, u"mnuguanli3", u"管理软件音标库(&S)", &frmMain::mnuguanli3_Click);
    mnutoolline1 = mnuzizhu->insertSeparator(first);
    mnutoolline1->setObjectName(QStringLiteral("mnutoolline1"));
    mnutoolword =
        item(mnuzizhu, first, u"mnutoolword", u"搜索单词或字母组合的音标(&W)", &frmMain::mnutoolword_Click);
    mnutoolphonetic = item(mnuzizhu, first, u"mnutoolphonetic", u"搜索包含某读音的单词(&P)",
                           &frmMain::mnutoolphonetic_Click);
    mnujieshi = item(mnutran, mnutran->actions().value(0, nullptr), u"mnujieshi", u"翻译单词或词组(&E)",
                     &frmMain::mnujieshi_Click, QKeySequence(Qt::Key_F9));
    mnupjieshi = item(popmenu2, mnupline4, u"mnupjieshi", u"解释单词", &frmMain::mnupjieshi_Click);
}

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
