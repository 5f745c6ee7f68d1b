#include "shell/frmMain.h"

#include "annotation/InterlinearLayout.h"
#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageTitles.h"
#include "platform/widgets/ClickableLabel.h"
#include "platform/word/WordApplication.h"
#include "shell/EditorFont.h"
#include "shell/ForeColor.h"
#include "shell/Form3.h"
#include "shell/Frmchayi.h"
#include "shell/Frmjincheng.h"
#include "shell/PhoneticFontFile.h"
#include "shell/ProductSite.h"
#include "shell/ProductTitle.h"
#include "shell/VersionCheck.h"
#include "shell/frmstep1.h"
#include "tools/lexicon/Form2.h"
#include "tools/lexicon/Form4.h"
#include "tools/lexicon/Form5.h"
#include "tools/text/Frmpiliangzhuanhuan.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kToolBarPixels = 26;
constexpr int kStatusBarPixels = 22;

// The client area, created with the first control placed in it.
QWidget* centralWidgetOf(QMainWindow* window) {
    if (!window->centralWidget())
        window->setCentralWidget(new QWidget(window));
    return window->centralWidget();
}
} // namespace

frmMain::frmMain(Services services, frmstep1& startWindow, StartOptions options, QWidget* parent)
    : QMainWindow(parent), Rich1(new RichTextBox(centralWidgetOf(this)), 1140, 440, 13995, 6000),
      Rich2(new RichTextBox(this)),
      tbToolBar(new QToolBar(centralWidgetOf(this)), 0, 0, 15165, kToolBarPixels * Twips::kPerPixel),
      sbStatusBar(new QStatusBar(centralWidgetOf(this)), 0, 9600, 15165, kStatusBarPixels * Twips::kPerPixel),
      lblfile(new QLabel(centralWidgetOf(this))), Timer2(new QTimer(this)), Timer3(new QTimer(this)),
      Frame1(new QFrame(centralWidgetOf(this)), 10, 390, 15165, 825),
      Frame0(new QFrame(centralWidgetOf(this)), 10, 390, 15165, 825),
      Frame3(new QFrame(centralWidgetOf(this)), 0, 450, 1125, 8955),
      Frmadd(new QFrame(centralWidgetOf(this)), 10, 2160, 15165, 705), services(services),
      startWindow(startWindow), options(options), client(centralWidget()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(productTitle());
    Rich1->setObjectName(QStringLiteral("Rich1"));
    Rich1->setBaseFont(EditorFont::family(), 12);
    Rich2->setObjectName(QStringLiteral("Rich2"));
    Rich2->hide();
    lblfile->setObjectName(QStringLiteral("lblfile"));
    lblfile->hide();
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &frmMain::Timer3_Timer);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, &frmMain::Timer2_Timer);

    updateServerFile = VersionCheck::defaultServerFile();
    setupMenus();
    setupToolbar();
    connectEditor();
    setupStatusBar();
    setupPanels();
    resize(1011, 700);
    Form_Load();
}

frmMain::~frmMain() = default;

Frmjincheng& frmMain::progressWindow() {
    if (!progress)
        progress = std::make_unique<Frmjincheng>(this);
    return *progress;
}

float frmMain::Width() const {
    return static_cast<float>(frameGeometry().width()) * Twips::kPerPixel;
}

float frmMain::Height() const {
    return static_cast<float>(frameGeometry().height()) * Twips::kPerPixel;
}

void frmMain::setupStatusBar() {
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    auto* site = new ClickableLabel(QStringLiteral("访问产品网站"), sbStatusBar.get());
    site->setObjectName(QStringLiteral("sbStatusBar(1)"));
    site->setCursor(Qt::PointingHandCursor);
    connect(site, &ClickableLabel::clicked, this, [this] { sbStatusBar_PanelClick(1); });
    auto* hint = new ClickableLabel(QStringLiteral("选定单词按F2标注，按F3全文标注"), sbStatusBar.get());
    hint->setObjectName(QStringLiteral("sbStatusBar(2)"));
    connect(hint, &ClickableLabel::clicked, this, [this] { sbStatusBar_PanelClick(2); });
    sbStatusBar->addWidget(site);
    sbStatusBar->addWidget(hint, 1);
}

void frmMain::sbStatusBar_PanelClick(int index) {
    if (index == 1)
        (void)services.shell.open(ProductSite::page(QStringLiteral("articlecenter/article.asp?id=225")));
}

void frmMain::Form_Load() {
    PhoneticFontFile::install();
    Frame0.setTop(Frame1.Top());
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;
    Rich1->setText(QString());
    Module1::ReadSettings();
    recent->LoadRecentFileMenu();
    setForeColor(Label21, foreColor(Label5));
    placeBars();
    Frame3.setTop(sbStatusBar.Top() - Frame3.Height());
    Rich1.setHeight(Height() - tbToolBar.Height() - sbStatusBar.Height() - Frame1.Height() - 100);
}

void frmMain::Timer3_Timer() {
    // A run holds the word list; the start-up waits for the next tick.
    if (runActive)
        return;
    ++startTicks;
    if (startTicks != 1)
        return;
    mnuviewzhedie_Click();
    mnuviewline_Click();
    Label1_Click();
    Frame3.setVisible(true);
    Rich1.setVisible(true);
    Timer3->stop();
    Rich1->editor()->setFocus();
    Form_Resize();
    if (!Module1::LoadDictionary(Listword, services.messageBox, services.programExit))
        return;
    if (!options.wizardAtStart)
        return;
    // Modal to this window only, so the tool windows it opens modelessly can be used.
    Form3& window = wizard();
    window.setWindowModality(Qt::WindowModal);
    window.exec();
    window.setWindowModality(Qt::NonModal);
}

void frmMain::placeBars() {
    const float clientWidth = static_cast<float>(client->width()) * Twips::kPerPixel;
    const float clientHeight = static_cast<float>(client->height()) * Twips::kPerPixel;
    tbToolBar.setWidth(clientWidth);
    sbStatusBar.setWidth(clientWidth);
    sbStatusBar.setTop(clientHeight - sbStatusBar.Height());
}

void frmMain::Form_Resize() {
    placeBars();
    Rich1.setWidth(Width() - Frame3.Width() - 150);
    Rich1.setHeight(Height() - tbToolBar.Height() - sbStatusBar.Height() - Frame1.Height() - 100);
    Rich1.setTop(tbToolBar.Top() + tbToolBar.Height() + 50);
    Frame3.setTop(Rich1.Top() - 70);
    Frame3.setHeight(Rich1.Height() + 70);
    Frmadd.setTop(Rich1.Top() + Rich1.Height() + 50);
    Frmadd.setLeft(Rich1.Left());
    if (Label1->text() == u"<<")
        Frame3.setLeft(Rich1.Left() + Rich1.Width());
    Frmadd.setWidth(Rich1.Width());
    Frmadd.setLeft(Rich1.Left());
    if (!Frame3.Visible())
        Rich1.setWidth(Width() - 200);
    if (Frmadd.Visible())
        Rich1.setHeight(Height() - tbToolBar.Height() - sbStatusBar.Height() + 50);
    Frame1.setWidth(Width());
    Frame0.setWidth(Frame1.Width());
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!timer3Started) {
        timer3Started = true;
        Timer3->start();
    }
}

bool frmMain::Form_QueryUnload() {
    const QDir folder(ProgramFolder::path());
    for (const QString& name : folder.entryList({QStringLiteral("tmp*.rtf")}, QDir::Files))
        QFile::remove(folder.filePath(name));
    const int answer = services.messageBox.show(QStringLiteral("您确定要退出吗?"),
                                                MsgBox::OkCancel | MsgBox::Question | MsgBox::DefaultButton2,
                                                MessageTitle::notice());
    if (answer != MsgBox::Ok)
        return false;
    if (runActive) {
        // Both stages stop at the run's next check; the run then ends without opening anything.
        quitting = true;
        Module1::stopAnnotateFlag = false;
        Module1::stopInsertFlag = false;
        progressWindow().unload();
    }
    services.programExit.exit(0);
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::mnuHelpAbout_Click() {
    startWindow.showAbout(this);
}

void frmMain::mnuclearlist_Click() {
    recent->ClearRecentFiles();
}

void frmMain::lockForRun() {
    runActive = true;
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1.get(), Frame0.get(), Frmadd.get(), Frame3.get(),
                                                      Rich1.get(), tbToolBar.get()})
        w->setEnabled(false);
    // The wizard's buttons open the same tools as the menus.
    if (form3)
        form3->setEnabled(false);
    // Every command that could change the document or the work lists during the run is switched off,
    // shortcuts included; only what was enabled is switched on again.
    lockedActions.clear();
    std::function<void(QAction*)> lock = [&](QAction* a) {
        if (a->isEnabled()) {
            a->setEnabled(false);
            lockedActions.push_back(a);
        }
        if (a->menu())
            for (QAction* child : a->menu()->actions())
                lock(child);
    };
    for (QAction* a : menuBar()->actions())
        lock(a);
    for (QAction* a : tbToolBar->actions())
        lock(a);
}

void frmMain::unlockAfterRun() {
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1.get(), Frame0.get(), Frmadd.get(), Frame3.get(),
                                                      Rich1.get(), tbToolBar.get()})
        w->setEnabled(true);
    if (form3)
        form3->setEnabled(true);
    for (QAction* a : lockedActions)
        a->setEnabled(true);
    lockedActions.clear();
    runActive = false;
    Rich1->editor()->setFocus();
}
