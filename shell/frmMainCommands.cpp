// The window's commands: the menu bar, the two context menus, the toolbar and the tool-window openers.
#include "shell/frmMain.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/ToolbarIcons.h"

#include <QMenuBar>
#include <QToolBar>

#include <span>

namespace {

enum State : unsigned { Enabled = 0, Disabled = 1, Hidden = 2, Checked = 4 };

using Handler = void (frmMain::*)();

// One menu item; a caption "-" makes a separator, kept by its name alone.
struct Item {
    QAction* frmMain::*slot;
    const char16_t* name;
    const char16_t* caption;
    const char* shortcut = nullptr; // portable text, as "Ctrl+O"
    Handler handler = nullptr;
    unsigned state = Enabled;
};

struct Menu {
    QMenu* frmMain::*slot;
    const char16_t* name;
    const char16_t* caption;
    std::span<const Item> items;
};

// The recent-file items stand between l1 and mnuclearlist; the list puts them there itself.
const Item kFile[] = {
    {&frmMain::mnuFileopen, u"mnuFileopen", u"打开(&O)", "Ctrl+O", &frmMain::mnuFileopen_Click},
    {nullptr, u"mnuFileBar0", u"-"},
    {&frmMain::mnuFileSave, u"mnuFileSave", u"保存(&S)", "Ctrl+S", &frmMain::mnuFileSave_Click},
    {&frmMain::mnuFileSaveAs, u"mnuFileSaveAs", u"另存为(&A)...", nullptr, &frmMain::mnuFileSaveAs_Click,
     Disabled},
    {nullptr, u"l1", u"-"},
    {&frmMain::mnuclearlist, u"mnuclearlist", u"清除文件列表记录", nullptr, &frmMain::mnuclearlist_Click,
     Hidden},
    {nullptr, u"l2", u"-"},
    {&frmMain::mnuFileExit, u"mnuFileExit", u"退出(&X)", nullptr, &frmMain::mnuFileExit_Click},
};

const Item kEdit[] = {
    {&frmMain::mnucut, u"mnucut", u"剪切(X)", nullptr, &frmMain::mnucut_Click},
    {&frmMain::mnucopy, u"mnucopy", u"复制(&C)", nullptr, &frmMain::mnucopy_Click},
    {&frmMain::mnupaste, u"mnupaste", u"粘贴(&P)", nullptr, &frmMain::mnupaste_Click},
};

const Item kView[] = {
    {&frmMain::mnuviewzhedie, u"mnuviewzhedie", u"顶端音标面板(&T)", "Ctrl+T", &frmMain::mnuviewzhedie_Click,
     Checked},
    {&frmMain::mnuleft, u"mnuleft", u"侧面音标面板(&L)", "Ctrl+L", &frmMain::mnuleft_Click, Checked},
    {&frmMain::mnuviewline, u"mnuviewline", u"符号面板(&S)", nullptr, &frmMain::mnuviewline_Click, Checked},
};

const Item kAnnotation[] = {
    {&frmMain::mnuset, u"mnuset", u"参数设置(&S)", "Shift+F1", &frmMain::openForm1},
    {nullptr, u"mnuline7", u"-"},
    {&frmMain::mnuhand, u"mnuhand", u"打开手工标注面板(&H)", nullptr, &frmMain::mnuhand_Click},
    {&frmMain::mnuzhineng, u"mnuzhineng", u"给选定单词标第13版音", nullptr, &frmMain::mnuzhineng_Click},
    {&frmMain::mnuzhineng2, u"mnuzhineng2", u"给选定单词标第15版音", "F2", &frmMain::mnuzhineng2_Click},
    {&frmMain::mnuzhineng3, u"mnuzhineng3", u"给选定单词标 k.k.音", nullptr, &frmMain::mnuzhineng3_Click},
    {&frmMain::mnupiliang, u"mnupiliang", u"全文批量标注(&P)", "F3", &frmMain::mnupiliang_Click},
    {nullptr, u"mnuline5", u"-"},
    {&frmMain::mnushuzi, u"mnushuzi", u"标注数字(&S)", nullptr, &frmMain::mnushuzi_Click},
    {&frmMain::mnuyear, u"mnuyear", u"标注年份(&N)", nullptr, &frmMain::mnuyear_Click},
    {&frmMain::mnutele, u"mnutele", u"标注电话号码(&T)", nullptr, &frmMain::mnutele_Click},
};

const Item kTools[] = {
    {&frmMain::mnuguanli, u"mnuguanli", u"添加自定义音标(&M)", "F4", &frmMain::mnuguanli_Click},
    {&frmMain::mnuguanli2, u"mnuguanli2", u"管理自定义音标(&G)", nullptr, &frmMain::mnuguanli2_Click},
    {&frmMain::mnuguanli3, u"mnuguanli3", u"管理软件音标库(&S)", nullptr, &frmMain::mnuguanli3_Click},
    {nullptr, u"mnutoolline1", u"-"},
    {&frmMain::mnutoolword, u"mnutoolword", u"搜索单词或字母组合的音标(&W)", nullptr,
     &frmMain::mnutoolword_Click},
    {&frmMain::mnutoolphonetic, u"mnutoolphonetic", u"搜索包含某读音的单词(&P)", nullptr,
     &frmMain::mnutoolphonetic_Click},
    {nullptr, u"mnuline4", u"-"},
    {&frmMain::mnuintoword, u"mnuintoword", u"转入WORD继续处理或打印", "F8", &frmMain::mnuintoword_Click},
    {nullptr, u"mnuline3", u"-"},
    {&frmMain::mnuconvert, u"mnuconvert", u"音标互换(C)", nullptr, &frmMain::mnuconvert_Click},
    {nullptr, u"mnuline2", u"-"},
    {&frmMain::mnutooloption, u"mnutooloption", u"选项...(&P)", nullptr, &frmMain::openForm1},
};

const Item kTranslation[] = {
    {&frmMain::mnujieshi, u"mnujieshi", u"翻译单词或词组(&E)", "F9", &frmMain::mnujieshi_Click},
    {&frmMain::mnutrans, u"mnutrans", u"单词批量中文标注(&T)", nullptr, &frmMain::mnutrans_Click},
};

const Item kStatistics[] = {
    {&frmMain::mnucitongji, u"mnucitongji", u"词汇统计", nullptr, &frmMain::mnucitongji_Click},
    {nullptr, u"mnutongjiline", u"-"},
    {&frmMain::mnuyinbiaotongji, u"mnuyinbiaotongji", u"音节分类", nullptr, &frmMain::mnuyinbiaotongji_Click},
    {&frmMain::mnulong, u"mnulong", u"查找长音", nullptr, &frmMain::mnulong_Click},
    {&frmMain::mnuzhongdu, u"mnuzhongdu", u"查找重读音节", nullptr, &frmMain::mnuzhongdu_Click},
    {&frmMain::mnucizhongyin, u"mnucizhongyin", u"查找次重音", nullptr, &frmMain::mnucizhongyin_Click},
    {&frmMain::mnuchengyinjie, u"mnuchengyinjie", u"查找成音节", nullptr, &frmMain::mnuchengyinjie_Click},
};

const Item kFormat[] = {
    {&frmMain::mnub, u"mnub", u"加粗(&B)", "Ctrl+B", &frmMain::mnub_Click},
    {&frmMain::mnuxie, u"mnuxie", u"斜体(&I)", "Ctrl+I", &frmMain::mnuxie_Click},
    {&frmMain::mnushanchu, u"mnushanchu", u"中删线(&D)", nullptr, &frmMain::mnushanchu_Click},
    {&frmMain::mnuxiahua, u"mnuxiahua", u"下划线(U)", "Ctrl+U", &frmMain::mnuxiahua_Click},
    {nullptr, u"mnugeshiline1", u"-"},
    {&frmMain::mnufont, u"mnufont", u"字体字号...(&F)", nullptr, &frmMain::mnufont_Click},
    {nullptr, u"mnugeshiline2", u"-"},
    {&frmMain::mnugeshifont, u"mnugeshifont", u"字体颜色...(&C)", nullptr, &frmMain::mnugeshifont_Click},
    {nullptr, u"mnuline6", u"-"},
    {&frmMain::mnupiliangzhuanhuan, u"mnupiliangzhuanhuan", u"字体批量转换(&Z)", nullptr,
     &frmMain::mnupiliangzhuanhuan_Click},
};

const Item kHelp[] = {
    {&frmMain::mnuxiangdao, u"mnuxiangdao", u"打开向导", nullptr, &frmMain::mnuxiangdao_Click},
    {&frmMain::mnuHelpSearchForHelpOn, u"mnuHelpSearchForHelpOn", u"帮助...(&H)", "F1",
     &frmMain::mnuHelpSearchForHelpOn_Click},
    {nullptr, u"mnuHelpBar0", u"-"},
    // The version check has no visible entry.
    {&frmMain::update, u"update", u"在线升级(&U)", nullptr, &frmMain::update_Click, Hidden},
    {&frmMain::mnuHelpAbout, u"mnuHelpAbout", u"关于...(&A) ", nullptr, &frmMain::mnuHelpAbout_Click},
};

const Item kAppendix[] = {
    {&frmMain::mnucha1, u"mnucha1", u"英美发音差异(&1)", nullptr, &frmMain::mnucha1_Click},
    {&frmMain::mnucha2, u"mnucha2", u"常见后缀发音(&2)", nullptr, &frmMain::mnucha2_Click},
};

const Menu kMenuBar[] = {
    {&frmMain::mnufile, u"mnufile", u"文件(&F)", kFile},
    {&frmMain::mnuedit, u"mnuedit", u"编辑(&E)", kEdit},
    {&frmMain::mnuview, u"mnuview", u"视图(&V)", kView},
    {&frmMain::mnubiaozhu, u"mnubiaozhu", u"音标标注(&B)", kAnnotation},
    {&frmMain::mnuzizhu, u"mnuzizhu", u"工具(&T)", kTools},
    {&frmMain::mnutran, u"mnutran", u"英译汉(&Y)", kTranslation},
    {&frmMain::mnutongji, u"mnutongji", u"统计(&S)", kStatistics},
    {&frmMain::mnugeshi, u"mnugeshi", u"格式(&O)", kFormat},
    {&frmMain::mnuHelp, u"mnuHelp", u"帮助(&H)", kHelp},
    {&frmMain::mnuattach, u"mnuattach", u"附录(&A)", kAppendix},
};

// Nothing selected.
const Item kPopup1[] = {
    {&frmMain::mnupcanshu, u"mnupcanshu", u"设置参数", nullptr, &frmMain::openForm1},
    {nullptr, u"mnupline1", u"-"},
    {&frmMain::mnupbiao, u"mnupbiao", u"全文标注", nullptr, &frmMain::mnupiliang_Click},
    {&frmMain::mnupfanyi, u"mnupfanyi", u"全文翻译", nullptr, &frmMain::mnutrans_Click},
    {&frmMain::mnuptongji, u"mnuptongji", u"全文统计", nullptr, &frmMain::mnucitongji_Click},
    {nullptr, u"mnupline2", u"-"},
    {&frmMain::mnuppaste, u"mnuppaste", u"粘贴", nullptr, &frmMain::mnupaste_Click},
};

// Text selected.
const Item kPopup2[] = {
    {&frmMain::mnupcanshu2, u"mnupcanshu2", u"设置参数", nullptr, &frmMain::openForm1},
    {nullptr, u"mnupline3", u"-"},
    {&frmMain::mnupcidian, u"mnupcidian", u"给单词标第13版音", nullptr, &frmMain::mnuzhineng_Click},
    {&frmMain::mnupcidian2, u"mnupcidian2", u"给单词标第15版音", nullptr, &frmMain::mnuzhineng2_Click},
    {&frmMain::mnupcidian3, u"mnupcidian3", u"给单词标 k.k.音", nullptr, &frmMain::mnuzhineng3_Click},
    {&frmMain::mnupjieshi, u"mnupjieshi", u"解释单词", nullptr, &frmMain::mnupjieshi_Click},
    {nullptr, u"mnupline4", u"-"},
    {&frmMain::mnupfuzhi, u"mnupfuzhi", u"复制", nullptr, &frmMain::mnucopy_Click},
    {&frmMain::mnupcut, u"mnupcut", u"剪切", nullptr, &frmMain::mnucut_Click},
};

const Menu kContextMenus[] = {
    {&frmMain::popmenu1, u"popmenu1", u"popmenu1", kPopup1},
    {&frmMain::popmenu2, u"popmenu2", u"popmenu2", kPopup2},
};

// A toolbar button; a row without a Key is a separator. The dispatch compares Keys in this order.
struct ToolButton {
    const char16_t* key;
    const char16_t* description = nullptr;
    const char16_t* toolTip = nullptr;
    const char* themeIcon = nullptr;
    ToolbarIcons::Picture picture = ToolbarIcons::Picture::Open;
    Handler command = nullptr;
};

using ToolbarIcons::Picture;
const ToolButton kToolbar[] = {
    {u"打开", u"打开", u"Ctrl+O", "document-open", Picture::Open, &frmMain::mnuFileopen_Click},
    {u"保存", u"保存", u"Ctrl+S", "document-save", Picture::Save, &frmMain::mnuFileSave_Click},
    {nullptr},
    {u"剪切", u"剪切", u"剪切", "edit-cut", Picture::Cut, &frmMain::mnucut_Click},
    {u"复制", u"复制", u"复制", "edit-copy", Picture::Copy, &frmMain::mnucopy_Click},
    {u"粘贴", u"粘贴", u"粘贴", "edit-paste", Picture::Paste, &frmMain::mnupaste_Click},
    {nullptr},
    {u"设置", u"参数设置", u"设置参数(shift+F1)", "preferences-system", Picture::Settings,
     &frmMain::openForm1},
    {u"智能标注", u"智能标注", u"选定单词，按F2标注它", "insert-text", Picture::AnnotateWord,
     &frmMain::mnuzhineng_Click},
    {u"批量标注", u"批量标注", u"按F3，对当前文档全文标注", "tools-check-spelling", Picture::Annotate,
     &frmMain::mnupiliang_Click},
    {nullptr},
    {u"转入WORD", u"转入WORD", u"当前文档转入WORD", "x-office-document", Picture::Word,
     &frmMain::mnuintoword_Click},
    {nullptr},
    {u"加粗", u"加粗", u"Ctrl+B", "format-text-bold", Picture::Bold, &frmMain::mnub_Click},
    {u"斜体", u"斜体", u"Ctrl+I", "format-text-italic", Picture::Italic, &frmMain::mnuxie_Click},
    {u"中删线", u"中删线", u"中删线", "format-text-strikethrough", Picture::StrikeThrough,
     &frmMain::mnushanchu_Click},
    {u"下划线", u"下划线", u"Ctrl+U", "format-text-underline", Picture::Underline, &frmMain::mnuxiahua_Click},
    {u"字体字号", u"字体字号", u"字体字号", "preferences-desktop-font", Picture::Font,
     &frmMain::mnufont_Click},
    {u"字体颜色", u"字体颜色", u"字体颜色", "format-text-color", Picture::Colour,
     &frmMain::mnugeshifont_Click},
};

} // namespace

void frmMain::setupMenus() {
    const auto fill = [this](QMenu* menu, std::span<const Item> items) {
        for (const Item& row : items) {
            const QString name = QString::fromUtf16(row.name);
            if (QStringView(row.caption) == u"-") {
                menu->addSeparator()->setObjectName(name);
                continue;
            }
            auto* a = new QAction(QString::fromUtf16(row.caption), menu);
            a->setObjectName(name);
            if (row.shortcut)
                a->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut), QKeySequence::PortableText));
            a->setEnabled(!(row.state & Disabled));
            a->setVisible(!(row.state & Hidden));
            menu->addAction(a);
            const Handler handler = row.handler;
            if (row.state & Checked) {
                a->setCheckable(true);
                a->setChecked(true);
                // The handlers invert the check mark themselves (they also run from code), so the flip
                // that triggering a checkable item makes is undone before the handler runs.
                connect(a, &QAction::triggered, this, [this, a, handler](bool checked) {
                    a->setChecked(!checked);
                    (this->*handler)();
                });
            } else {
                connect(a, &QAction::triggered, this, handler);
            }
            this->*row.slot = a;
        }
    };
    for (const Menu& m : kMenuBar) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf16(m.caption));
        menu->setObjectName(QString::fromUtf16(m.name));
        menu->menuAction()->setObjectName(QString::fromUtf16(m.name));
        this->*m.slot = menu;
        fill(menu, m.items);
    }
    for (const Menu& m : kContextMenus) {
        auto* menu = new QMenu(QString::fromUtf16(m.caption), this);
        menu->setObjectName(QString::fromUtf16(m.name));
        menu->menuAction()->setObjectName(QString::fromUtf16(m.name));
        this->*m.slot = menu;
        fill(menu, m.items);
    }
    recent = std::make_unique<RecentFileList>(services.settings, QStringLiteral("PhonexaDesk"), *mnufile,
                                              mnuclearlist, QStringLiteral("mlastfile(%1)"),
                                              [this](int i) { mlastfile_Click(i); });
    mlastfile = recent->menuItems();
}

void frmMain::setupToolbar() {
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setMovable(false);
    for (const ToolButton& row : kToolbar) {
        if (!row.key) {
            tbToolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf16(row.key);
        auto* a = new QAction(ToolbarIcons::icon(row.themeIcon, row.picture),
                              QString::fromUtf16(row.description), tbToolBar.get());
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(QString::fromUtf16(row.toolTip));
        tbToolBar->addAction(a);
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    tbCut = toolButton(QStringLiteral("剪切"));
    tbCopy = toolButton(QStringLiteral("复制"));
    tbCut->setEnabled(false);
    tbCopy->setEnabled(false);
}

QAction* frmMain::toolButton(const QString& key) const {
    for (QAction* a : tbToolBar->actions())
        if (a->data().toString() == key)
            return a;
    return nullptr;
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    for (const ToolButton& row : kToolbar) {
        if (row.key && key == QStringView(row.key)) {
            (this->*row.command)();
            return;
        }
    }
}

void frmMain::mnuxiangdao_Click() {
    Form3& window = wizard();
    window.setWindowModality(Qt::NonModal);
    window.show();
    window.raise();
}

Form3& frmMain::wizard() {
    if (!form3)
        form3 = new Form3(services, *this);
    return *form3;
}

void frmMain::openForm1() {
    Form1 dialog(services, *Label5, *Label21, this);
    dialog.exec();
}
