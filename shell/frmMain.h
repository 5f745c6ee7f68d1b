#pragma once

#include "lexicon/WordList.h"
#include "platform/recent/RecentFileList.h"
#include "platform/services/CommonDialog.h"
#include "platform/services/Services.h"
#include "shell/StartOptions.h"
#include "shell/Twips.h"

#include <QAction>
#include <QList>
#include <QMainWindow>
#include <QMenu>
#include <QStringList>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class RichTextBox;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form9;
class Frmchayi;
class Frmjincheng;
class Frmpiliangzhuanhuan;
class frmstep1;
class WordApplication;
namespace InterlinearLayout {
struct Run;
}

// The main window: the document in Rich1, menus, toolbar, status bar, the phonetic panels around
// the editor and the hidden work lists that the annotation commands and tools share.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Services services, frmstep1& startWindow, StartOptions options = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, layout and shutdown.
    void Form_Load();
    void Timer3_Timer();
    void Form_Resize();
    // Returns true when the window may close.
    bool Form_QueryUnload();
    void sbStatusBar_PanelClick(int index);

    // File menu (frmMainDocuments.cpp).
    void mnuFileopen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mlastfile_Click(int index);
    void mnuclearlist_Click();
    void mnuFileExit_Click();
    void OpenFileInEditor(const QString& path);

    // Edit and Format menus, the editor's events and context menus (frmMainEditing.cpp).
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

    // View menu and the panels (frmMainPanels.cpp).
    void mnuviewzhedie_Click();
    void mnuleft_Click();
    void mnuviewline_Click();
    void mnuhand_Click();
    void Label1_Click();
    void Label17_Click();
    void Label18_Click();
    void Label14_Click();
    void Label20_Click();
    void Label2_Click();
    void Label5_Click();
    void Label21_Click();
    void Label6_Click();
    void Timer2_Timer();
    void Command1_Click(int index);
    void cmdnew_Click(int index);
    void cmdnew1_Click(int index);
    void c1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Commandadd_Click(int index);

    // Annotation menu: full text (frmMainAnnotation.cpp), the selected word and the other full-text
    // layouts (frmMainLayouts.cpp).
    void mnupiliang_Click();
    void mnuzhineng_Click();
    void mnuzhineng2_Click();
    void mnuzhineng3_Click();
    void cmd2_Click();
    void cmd1_Click();
    void cmd11_Click();
    void cmd111_Click();
    void cmdself_Click();
    void Command5_Click();
    void Command6_Click();
    void cmd4_Click();
    void Command7_Click();
    // False when the work file could not be written; the paragraph warning does not count.
    [[nodiscard]] bool fenduan1();
    void putout1(const QString& line);
    // Disables the panels, editor, toolbar and menus for a run, and enables them again.
    void lockForRun();
    void unlockAfterRun();

    // Tools and Help menus (frmMainDocuments.cpp, frmMainCommands.cpp).
    void mnuintoword_Click();
    void mnuxiangdao_Click();
    void mnuHelpSearchForHelpOn_Click();
    void update_Click();
    void mnuHelpAbout_Click();

    // Toolbar: buttons are dispatched by their Key (frmMainCommands.cpp).
    void tbToolBar_ButtonClick(const QString& key);
    QAction* toolButton(const QString& key) const;

    // Tool-window openers: options (frmMainCommands.cpp), lexicon tools (frmMainLexiconTools.cpp).
    void openForm1();
    void mnuguanli_Click();
    void mnuguanli2_Click();
    void mnuguanli3_Click();
    void mnutoolword_Click();
    void mnutoolphonetic_Click();
    void mnujieshi_Click();
    void mnupjieshi_Click();
    // Text tools (frmMainTextTools.cpp).
    void mnuconvert_Click();
    void mnushuzi_Click();
    void mnuyear_Click();
    void mnutele_Click();
    void mnupiliangzhuanhuan_Click();
    // The gloss and the statistics windows (frmMainStatistics.cpp).
    void mnutrans_Click();
    void mnucitongji_Click();
    void mnuyinbiaotongji_Click();
    void mnulong_Click();
    void mnuzhongdu_Click();
    void mnucizhongyin_Click();
    void mnuchengyinjie_Click();

    // The windows this one opens, each created on first use.
    Form3& wizard();
    Form2& entriesWindow();
    Form4& searchWindow();
    Form5& meaningWindow();
    Form6& glossWindow();
    Form9& statisticsWindow();
    // True while a gloss run holds the queue lists List4 and List5.
    bool glossRunning() const;
    Frmjincheng& progressWindow();
    Frmchayi& chayiWindow();
    RecentFileList& recentFiles() { return *recent; }

    // Window size in twips (outer size, title bar included when the platform has one).
    float Width() const;
    float Height() const;

    // Controls of the client area.
    Placed<RichTextBox> Rich1;
    RichTextBox* Rich2;
    Placed<QToolBar> tbToolBar;
    Placed<QStatusBar> sbStatusBar;
    QLabel* lblfile;
    QTimer* Timer2;
    QTimer* Timer3;
    // Toolbar buttons 4 and 5, switched with the editor's selection.
    QAction* tbCut;
    QAction* tbCopy;

    // Top phonetic panel, page A and page B.
    Placed<QFrame> Frame1;
    Placed<QFrame> Frame0;
    std::vector<QPushButton*> cmdnew; // by index; an index without a key holds nullptr, as below
    std::vector<QPushButton*> Command1;
    std::vector<QPushButton*> c1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QLabel* Label5;
    QLabel* Label14;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label20;
    // Side phonetic panel.
    Placed<QFrame> Frame3;
    std::vector<QPushButton*> cmdnew1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label21;
    // Symbol panel.
    Placed<QFrame> Frmadd;
    std::vector<QPushButton*> Commandadd;
    QLabel* Label6;
    QLabel* lblcaidan;

    // Menu bar, menu by menu; separators are found by their names.
    QMenu* mnufile;
    QAction* mnuFileopen;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    std::array<QAction*, 4> mlastfile;
    QAction* mnuclearlist;
    QAction* mnuFileExit;
    QMenu* mnuedit;
    QAction* mnucut;
    QAction* mnucopy;
    QAction* mnupaste;
    QMenu* mnuview;
    QAction* mnuviewzhedie;
    QAction* mnuleft;
    QAction* mnuviewline;
    QMenu* mnubiaozhu;
    QAction* mnuset;
    QAction* mnuhand;
    QAction* mnuzhineng;
    QAction* mnuzhineng2;
    QAction* mnuzhineng3;
    QAction* mnupiliang;
    QAction* mnushuzi;
    QAction* mnuyear;
    QAction* mnutele;
    QMenu* mnuzizhu;
    QAction* mnuguanli;
    QAction* mnuguanli2;
    QAction* mnuguanli3;
    QAction* mnutoolword;
    QAction* mnutoolphonetic;
    QAction* mnuintoword;
    QAction* mnuconvert;
    QAction* mnutooloption;
    QMenu* mnutran;
    QAction* mnujieshi;
    QAction* mnutrans;
    QMenu* mnutongji;
    QAction* mnucitongji;
    QAction* mnuyinbiaotongji;
    QAction* mnulong;
    QAction* mnuzhongdu;
    QAction* mnucizhongyin;
    QAction* mnuchengyinjie;
    QMenu* mnugeshi;
    QAction* mnub;
    QAction* mnuxie;
    QAction* mnushanchu;
    QAction* mnuxiahua;
    QAction* mnufont;
    QAction* mnugeshifont;
    QAction* mnupiliangzhuanhuan;
    QMenu* mnuHelp;
    QAction* mnuxiangdao;
    QAction* mnuHelpSearchForHelpOn;
    QAction* update;
    QAction* mnuHelpAbout;
    QMenu* mnuattach;
    QAction* mnucha1;
    QAction* mnucha2;
    // Context menus, never in the menu bar.
    QMenu* popmenu1;
    QAction* mnupcanshu;
    QAction* mnupbiao;
    QAction* mnupfanyi;
    QAction* mnuptongji;
    QAction* mnuppaste;
    QMenu* popmenu2;
    QAction* mnupcanshu2;
    QAction* mnupcidian;
    QAction* mnupcidian2;
    QAction* mnupcidian3;
    QAction* mnupjieshi;
    QAction* mnupfuzhi;
    QAction* mnupcut;

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
    // The server's version file that update_Click compares with.
    QUrl updateServerFile;

private:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void setupMenus();
    void setupToolbar();
    void setupPanels();
    void setupStatusBar();
    void connectEditor();
    bool annotateSelection(void (frmMain::*command)());
    void annotateSelectedWord(QString (*notation)(const QString&));
    void interlinear(bool up);
    void exportToWord(bool transcriptionAbove);
    void placeBars();
    void openNumberWindow(int mode);
    void showStatistics(QPushButton* Form9::*button);
    void insertPhonetic(const QString& code);
    void insertSymbol(const QString& text, bool coloured);
    bool loadIntoEditor(const QString& path);
    void showDocumentPath(const QString& path);
    void reportUnreadable(const QString& path);
    bool saveDocument(const QString& path);
    void reloadSaved(const QString& path);
    bool saveAs();
    bool findAppendixPicture(const QString& name, QString& path);

    Services services;
    frmstep1& startWindow;
    StartOptions options;
    QWidget* client; // the window's client area; the controls are placed in it
    // The properties of the common dialog dlg1 that persist between the font and colour commands.
    FontChoice dlg1;
    // Windows owned through this window as their Qt parent, created on first use.
    Form3* form3 = nullptr;
    Frmchayi* chayi = nullptr;
    Frmpiliangzhuanhuan* fontReplacement = nullptr;
    Form6* form6 = nullptr;
    Form9* form9 = nullptr;
    std::unique_ptr<Frmjincheng> progress;
    std::unique_ptr<Form2> form2;
    std::unique_ptr<Form4> form4;
    std::unique_ptr<Form5> form5;
    std::unique_ptr<RecentFileList> recent;
    std::vector<QAction*> lockedActions;
    std::unique_ptr<InterlinearLayout::Run> lineRun;
    bool runActive = false;
    // The user chose to quit during a run: the run ends and opens nothing.
    bool quitting = false;
    int startTicks = 0;
    int blinkTicks = 0;
    bool timer3Started = false;
};
