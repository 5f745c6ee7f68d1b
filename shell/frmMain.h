#pragma once

#include "lexicon/WordList.h"
#include "platform/recent/RecentFileList.h"
#include "platform/services/CommonDialog.h"
#include "platform/services/Services.h"
#include "shell/Twips.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QMenu>
#include <QStringList>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class RichTextBox;
class Frmchayi;
class Frmjincheng;
class Form2;
class Form4;
class Form5;
class Frmpiliangzhuanhuan;
class frmstep1;
class WordApplication;
namespace InterlinearLayout {
struct Run;
}
class Form6;
class Form9;

// The main window: the document in Rich1, toolbar, status bar, the phonetic panels around the
// editor and the hidden work lists that the annotation commands and tools share.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Services services, frmstep1& startWindow, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, layout and shutdown.
    void Form_Load();
    void Timer3_Timer();
    void Form_Resize();
    // Returns true when the window may close.
    bool Form_QueryUnload();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void sbStatusBar_PanelClick(int index);

    // Full-text annotation.
    void mnupiliang_Click();
    void mnuconvert_Click();
    void mnushuzi_Click();
    void mnuyear_Click();
    void mnutele_Click();
    void mnupiliangzhuanhuan_Click();
    void cmd2_Click();

    // The selected word in one notation, and the other full-text layouts.
    void mnuzhineng_Click();
    void mnuzhineng2_Click();
    void mnuzhineng3_Click();
    void cmd1_Click();
    void cmd11_Click();
    void cmd111_Click();
    void cmdself_Click();
    void Command5_Click();
    void Command6_Click();
    // False when the work file could not be written; the paragraph warning does not count.
    [[nodiscard]] bool fenduan1();
    void putout1(const QString& line);
    void cmd4_Click();
    void Command7_Click();

    // Disables the panels, editor, toolbar and menus for a run, and enables them again.
    void lockForRun();
    void unlockAfterRun();

    // Panels and keypads.
    void mnuviewzhedie_Click();
    void mnuleft_Click();
    void mnuviewline_Click();
    void Label1_Click();
    void Label17_Click();
    void Label18_Click();
    void Label14_Click();
    void Label20_Click();
    void Label2_Click();
    void mnuhand_Click();
    void Timer2_Timer();
    void Label5_Click();
    void Label21_Click();
    void Label6_Click();
    void Command1_Click(int index);
    void cmdnew_Click(int index);
    void cmdnew1_Click(int index);
    void c1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Commandadd_Click(int index);

    // Recent files.
    void mnuclearlist_Click();
    RecentFileList& recentFiles() { return *recent; }

    // Toolbar: buttons are dispatched by their Key.
    void tbToolBar_ButtonClick(const QString& key);
    QAction* addToolButton(const QString& key, const QString& description, const QString& toolTip,
                           const QIcon& icon, std::function<void()> command, QAction* before = nullptr);
    QAction* toolButton(const QString& key) const;

    // Window size in twips (outer size, title bar included when the platform has one).
    float Width() const;
    float Height() const;

    Services services;
    frmstep1& startWindow;

private:
    QWidget* client; // the window's client area; the controls below are placed in it

public:
    // Controls.
    Placed<RichTextBox> Rich1;
    RichTextBox* Rich2;
    Placed<QToolBar> tbToolBar;
    Placed<QStatusBar> sbStatusBar;
    Placed<QFrame> Frame1;
    Placed<QFrame> Frame0;
    Placed<QFrame> Frame3;
    Placed<QFrame> Frmadd;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label14;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label20;
    QLabel* Label21;
    QLabel* lblfile;
    QLabel* lblcaidan;
    QTimer* Timer2;
    QTimer* Timer3;

    // Keypads, by index; an index without a key holds nullptr.
    std::vector<QPushButton*> cmdnew;
    std::vector<QPushButton*> cmdnew1;
    std::vector<QPushButton*> Command1;
    std::vector<QPushButton*> c1;
    std::vector<QPushButton*> Commandadd;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;

    // Menus and the items of this window's own commands.
    QMenu* mnufile;
    QMenu* mnuedit;
    QMenu* mnuview;
    QMenu* mnubiaozhu;
    QMenu* mnuzizhu;
    QMenu* mnutran;
    QMenu* mnutongji;
    QMenu* mnugeshi;
    QMenu* mnuHelp;
    QMenu* mnuattach;
    QAction* l1;
    std::array<QAction*, 4> mlastfile;
    QAction* mnuclearlist;
    QAction* l2;
    QAction* mnuFileExit;
    QAction* mnuviewzhedie;
    QAction* mnuleft;
    QAction* mnuviewline;
    QAction* mnuline7;
    QAction* mnuhand;
    QAction* mnuzhineng;
    QAction* mnuzhineng2;
    QAction* mnuzhineng3;
    QAction* mnupiliang;
    QAction* mnuline5;
    QAction* mnuHelpBar0;
    QAction* mnuHelpAbout;

    // Hidden work lists shared by the annotation commands and tools.
    QStringList List1;
    QStringList List2;
    QStringList List3;
    QStringList List31;
    QStringList List32;
    QStringList List4; // transcriptions (meanings in the gloss run), in text order
    QList<int> List5;  // for each, the 1-based end position of its word in the scanned text
    WordList Listword; // the loaded dictionary.txt
    // The word processor of the newest Word export; it outlives the export for the user.
    std::unique_ptr<WordApplication> wordApp;

    Frmjincheng& progressWindow();

    // The gloss and the statistics windows (frmMainStatistics.cpp).
    void mnutrans_Click();
    void mnucitongji_Click();
    void mnuyinbiaotongji_Click();
    void mnulong_Click();
    void mnuzhongdu_Click();
    void mnucizhongyin_Click();
    void mnuchengyinjie_Click();
    Form6& glossWindow();
    Form9& statisticsWindow();
    // True while a gloss run holds the queue lists List4 and List5.
    bool glossRunning() const;
    QAction* mnutrans;
    QAction* mnucitongji;
    QAction* mnutongjiline;
    QAction* mnuyinbiaotongji;
    QAction* mnulong;
    QAction* mnuzhongdu;
    QAction* mnucizhongyin;
    QAction* mnuchengyinjie;
    QAction* mnupfanyi;
    QAction* mnuptongji;

    // Documents (frmMainDocuments.cpp).
    void mnuFileopen_Click();
    void OpenFileInEditor(const QString& path);
    void mlastfile_Click(int index);
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuintoword_Click();
    void mnuHelpSearchForHelpOn_Click();
    void update_Click();
    // The server's version file that update_Click compares with.
    QUrl updateServerFile;

    // Editing and formatting, the editor's events and context menus (frmMainEditing.cpp).
    void openForm1();
    void mnucut_Click();
    void mnucopy_Click();
    void mnupaste_Click();
    void mnub_Click();
    void mnuxie_Click();
    void mnushanchu_Click();
    void mnuxiahua_Click();
    void mnufont_Click();
    void mnugeshifont_Click();
    void mnucha1_Click();
    void mnucha2_Click();
    void Rich1_Change();
    void Rich1_SelChange();
    void Rich1_MouseUp(int button, int shift, int x, int y);
    Frmchayi& chayiWindow();

    QAction* mnuFileopen;
    QAction* mnuFileBar0;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuHelpSearchForHelpOn;
    QAction* update;
    QAction* mnucut;
    QAction* mnucopy;
    QAction* mnupaste;
    QAction* mnuset;
    QAction* mnuline4;
    QAction* mnuintoword;
    QAction* mnuline3;
    QAction* mnuline2;
    QAction* mnutooloption;
    QAction* mnub;
    QAction* mnuxie;
    QAction* mnushanchu;
    QAction* mnuxiahua;
    QAction* mnugeshiline1;
    QAction* mnufont;
    QAction* mnugeshiline2;
    QAction* mnugeshifont;
    QAction* mnuline6;
    QAction* mnushuzi;
    QAction* mnuyear;
    QAction* mnutele;
    QAction* mnuconvert;
    QAction* mnupiliangzhuanhuan;
    QAction* mnucha1;
    QAction* mnucha2;
    // The lexicon tools (frmMainLexiconTools.cpp): own entries, library, search, meaning lookup.
    void mnuguanli_Click();
    void mnuguanli2_Click();
    void mnuguanli3_Click();
    void mnutoolword_Click();
    void mnutoolphonetic_Click();
    void mnujieshi_Click();
    void mnupjieshi_Click();
    Form2& entriesWindow();
    Form4& searchWindow();
    Form5& meaningWindow();
    QAction* mnuguanli;
    QAction* mnuguanli2;
    QAction* mnuguanli3;
    QAction* mnutoolline1;
    QAction* mnutoolword;
    QAction* mnutoolphonetic;
    QAction* mnujieshi;
    QAction* mnupjieshi;
    QMenu* popmenu1;
    QAction* mnupcanshu;
    QAction* mnupline1;
    QAction* mnupbiao;
    QAction* mnupline2;
    QAction* mnuppaste;
    QMenu* popmenu2;
    QAction* mnupcanshu2;
    QAction* mnupline3;
    QAction* mnupline4;
    QAction* mnupcidian = nullptr;
    QAction* mnupcidian2 = nullptr;
    QAction* mnupcidian3 = nullptr;
    QAction* mnupfuzhi;
    QAction* mnupcut;
    // Toolbar buttons 4 and 5, switched with the editor's selection.
    QAction* tbCut;
    QAction* tbCopy;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A menu item before `before` (at the end when null) that runs `handler` on this window.
    template <typename Handler>
    QAction* insertMenuItem(QMenu* menu, QAction* before, const QString& name, const QString& caption,
                            Handler handler, const QKeySequence& shortcut = {}) {
        auto* a = new QAction(caption, menu);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        menu->insertAction(before, a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    }
    void setupMenus();
    void setupToolbar();
    void setupPanels();
    void setupStatusBar();
    void setupLayoutCommands();
    void setupLexiconToolCommands();
    void setupTextToolCommands();
    void openNumberWindow(int mode);
    bool annotateSelection(void (frmMain::*command)());
    void annotateSelectedWord(QString (*notation)(const QString&));
    void interlinear(bool up);
    void exportToWord(bool transcriptionAbove);
    void placeBars();
    void insertPhonetic(const QString& code);
    void insertSymbol(const QString& text, bool coloured);
    void setupDocumentCommands();
    void setupEditingCommands();
    void setupStatisticsCommands();
    void showStatistics(QPushButton* Form9::*button);
    bool loadIntoEditor(const QString& path);
    void showDocumentPath(const QString& path);
    void reportUnreadable(const QString& path);
    bool saveDocument(const QString& path);
    void reloadSaved(const QString& path);
    bool saveAs();
    bool findAppendixPicture(const QString& name, QString& path);

    // The properties of the common dialog dlg1 that persist between the font and colour commands.
    FontChoice dlg1;
    std::unique_ptr<Frmchayi> chayi;
    std::unique_ptr<Form2> form2;
    std::unique_ptr<Form4> form4;
    std::unique_ptr<Form5> form5;
    std::unique_ptr<Frmpiliangzhuanhuan> fontReplacement;

    std::unique_ptr<RecentFileList> recent;
    std::unique_ptr<Frmjincheng> progress;
    // Created by their first opener; children of this window.
    Form6* form6 = nullptr;
    Form9* form9 = nullptr;
    std::vector<std::pair<QString, std::function<void()>>> toolCommands;
    std::vector<QAction*> lockedActions;
    std::unique_ptr<InterlinearLayout::Run> lineRun;
    bool runActive = false;
    // The user chose to quit during a run: the run ends and opens nothing.
    bool quitting = false;
    int startTicks = 0;
    int blinkTicks = 0;
    bool timer3Started = false;
};
