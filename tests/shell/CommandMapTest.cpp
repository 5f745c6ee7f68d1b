#include "tests/shell/ShellFixture.h"

#include "platform/richtext/RichTextBox.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One menu entry as the user meets it: the menu's own row, then its items in order.
struct Entry {
    QString name;
    QString caption; // "-" for a separator
    QString shortcut;
    QString state; // "", "disabled", "hidden" or "checked"

    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* out) {
    *out << e.name.toStdString() << " \"" << e.caption.toStdString() << "\" " << e.shortcut.toStdString()
         << " " << e.state.toStdString();
}

Entry entryOf(const QAction* a) {
    QString state;
    // A hidden action also reports itself disabled.
    if (!a->isVisible())
        state = QStringLiteral("hidden");
    else if (!a->isEnabled())
        state = QStringLiteral("disabled");
    else if (a->isChecked())
        state = QStringLiteral("checked");
    return {a->objectName(), a->isSeparator() ? QStringLiteral("-") : a->text(),
            a->shortcut().toString(QKeySequence::PortableText), state};
}

std::vector<Entry> entriesOf(const QList<QAction*>& menus) {
    std::vector<Entry> out;
    for (const QAction* m : menus) {
        out.push_back(entryOf(m));
        for (const QAction* a : m->menu()->actions())
            out.push_back(entryOf(a));
    }
    return out;
}

const std::vector<Entry> kMenuBar = {
    {u"mnufile"_s, u"文件(&F)"_s, {}, {}},
    {u"mnuFileopen"_s, u"打开(&O)"_s, u"Ctrl+O"_s, {}},
    {u"mnuFileBar0"_s, u"-"_s, {}, {}},
    {u"mnuFileSave"_s, u"保存(&S)"_s, u"Ctrl+S"_s, {}},
    {u"mnuFileSaveAs"_s, u"另存为(&A)..."_s, {}, u"disabled"_s},
    {u"l1"_s, u"-"_s, {}, {}},
    {u"mlastfile(0)"_s, u"无历史文件"_s, {}, {}},
    {u"mlastfile(1)"_s, u"2"_s, {}, u"hidden"_s},
    {u"mlastfile(2)"_s, u"3"_s, {}, u"hidden"_s},
    {u"mlastfile(3)"_s, u"4"_s, {}, u"hidden"_s},
    {u"mnuclearlist"_s, u"清除文件列表记录"_s, {}, u"hidden"_s},
    {u"l2"_s, u"-"_s, {}, {}},
    {u"mnuFileExit"_s, u"退出(&X)"_s, {}, {}},
    {u"mnuedit"_s, u"编辑(&E)"_s, {}, {}},
    {u"mnucut"_s, u"剪切(X)"_s, {}, {}},
    {u"mnucopy"_s, u"复制(&C)"_s, {}, {}},
    {u"mnupaste"_s, u"粘贴(&P)"_s, {}, {}},
    {u"mnuview"_s, u"视图(&V)"_s, {}, {}},
    {u"mnuviewzhedie"_s, u"顶端音标面板(&T)"_s, u"Ctrl+T"_s, u"checked"_s},
    {u"mnuleft"_s, u"侧面音标面板(&L)"_s, u"Ctrl+L"_s, u"checked"_s},
    {u"mnuviewline"_s, u"符号面板(&S)"_s, {}, u"checked"_s},
    {u"mnubiaozhu"_s, u"音标标注(&B)"_s, {}, {}},
    {u"mnuset"_s, u"参数设置(&S)"_s, u"Shift+F1"_s, {}},
    {u"mnuline7"_s, u"-"_s, {}, {}},
    {u"mnuhand"_s, u"打开手工标注面板(&H)"_s, {}, {}},
    {u"mnuzhineng"_s, u"给选定单词标第13版音"_s, {}, {}},
    {u"mnuzhineng2"_s, u"给选定单词标第15版音"_s, u"F2"_s, {}},
    {u"mnuzhineng3"_s, u"给选定单词标 k.k.音"_s, {}, {}},
    {u"mnupiliang"_s, u"全文批量标注(&P)"_s, u"F3"_s, {}},
    {u"mnuline5"_s, u"-"_s, {}, {}},
    {u"mnushuzi"_s, u"标注数字(&S)"_s, {}, {}},
    {u"mnuyear"_s, u"标注年份(&N)"_s, {}, {}},
    {u"mnutele"_s, u"标注电话号码(&T)"_s, {}, {}},
    {u"mnuzizhu"_s, u"工具(&T)"_s, {}, {}},
    {u"mnuguanli"_s, u"添加自定义音标(&M)"_s, u"F4"_s, {}},
    {u"mnuguanli2"_s, u"管理自定义音标(&G)"_s, {}, {}},
    {u"mnuguanli3"_s, u"管理软件音标库(&S)"_s, {}, {}},
    {u"mnutoolline1"_s, u"-"_s, {}, {}},
    {u"mnutoolword"_s, u"搜索单词或字母组合的音标(&W)"_s, {}, {}},
    {u"mnutoolphonetic"_s, u"搜索包含某读音的单词(&P)"_s, {}, {}},
    {u"mnuline4"_s, u"-"_s, {}, {}},
    {u"mnuintoword"_s, u"转入WORD继续处理或打印"_s, u"F8"_s, {}},
    {u"mnuline3"_s, u"-"_s, {}, {}},
    {u"mnuconvert"_s, u"音标互换(C)"_s, {}, {}},
    {u"mnuline2"_s, u"-"_s, {}, {}},
    {u"mnutooloption"_s, u"选项...(&P)"_s, {}, {}},
    {u"mnutran"_s, u"英译汉(&Y)"_s, {}, {}},
    {u"mnujieshi"_s, u"翻译单词或词组(&E)"_s, u"F9"_s, {}},
    {u"mnutrans"_s, u"单词批量中文标注(&T)"_s, {}, {}},
    {u"mnutongji"_s, u"统计(&S)"_s, {}, {}},
    {u"mnucitongji"_s, u"词汇统计"_s, {}, {}},
    {u"mnutongjiline"_s, u"-"_s, {}, {}},
    {u"mnuyinbiaotongji"_s, u"音节分类"_s, {}, {}},
    {u"mnulong"_s, u"查找长音"_s, {}, {}},
    {u"mnuzhongdu"_s, u"查找重读音节"_s, {}, {}},
    {u"mnucizhongyin"_s, u"查找次重音"_s, {}, {}},
    {u"mnuchengyinjie"_s, u"查找成音节"_s, {}, {}},
    {u"mnugeshi"_s, u"格式(&O)"_s, {}, {}},
    {u"mnub"_s, u"加粗(&B)"_s, u"Ctrl+B"_s, {}},
    {u"mnuxie"_s, u"斜体(&I)"_s, u"Ctrl+I"_s, {}},
    {u"mnushanchu"_s, u"中删线(&D)"_s, {}, {}},
    {u"mnuxiahua"_s, u"下划线(U)"_s, u"Ctrl+U"_s, {}},
    {u"mnugeshiline1"_s, u"-"_s, {}, {}},
    {u"mnufont"_s, u"字体字号...(&F)"_s, {}, {}},
    {u"mnugeshiline2"_s, u"-"_s, {}, {}},
    {u"mnugeshifont"_s, u"字体颜色...(&C)"_s, {}, {}},
    {u"mnuline6"_s, u"-"_s, {}, {}},
    {u"mnupiliangzhuanhuan"_s, u"字体批量转换(&Z)"_s, {}, {}},
    {u"mnuHelp"_s, u"帮助(&H)"_s, {}, {}},
    {u"mnuxiangdao"_s, u"打开向导"_s, {}, {}},
    {u"mnuHelpSearchForHelpOn"_s, u"帮助...(&H)"_s, u"F1"_s, {}},
    {u"mnuHelpBar0"_s, u"-"_s, {}, {}},
    {u"update"_s, u"在线升级(&U)"_s, {}, u"hidden"_s},
    {u"mnuHelpAbout"_s, u"关于...(&A) "_s, {}, {}},
    {u"mnuattach"_s, u"附录(&A)"_s, {}, {}},
    {u"mnucha1"_s, u"英美发音差异(&1)"_s, {}, {}},
    {u"mnucha2"_s, u"常见后缀发音(&2)"_s, {}, {}},
};

const std::vector<Entry> kContextMenus = {
    {u"popmenu1"_s, u"popmenu1"_s, {}, {}},
    {u"mnupcanshu"_s, u"设置参数"_s, {}, {}},
    {u"mnupline1"_s, u"-"_s, {}, {}},
    {u"mnupbiao"_s, u"全文标注"_s, {}, {}},
    {u"mnupfanyi"_s, u"全文翻译"_s, {}, {}},
    {u"mnuptongji"_s, u"全文统计"_s, {}, {}},
    {u"mnupline2"_s, u"-"_s, {}, {}},
    {u"mnuppaste"_s, u"粘贴"_s, {}, {}},
    {u"popmenu2"_s, u"popmenu2"_s, {}, {}},
    {u"mnupcanshu2"_s, u"设置参数"_s, {}, {}},
    {u"mnupline3"_s, u"-"_s, {}, {}},
    {u"mnupcidian"_s, u"给单词标第13版音"_s, {}, {}},
    {u"mnupcidian2"_s, u"给单词标第15版音"_s, {}, {}},
    {u"mnupcidian3"_s, u"给单词标 k.k.音"_s, {}, {}},
    {u"mnupjieshi"_s, u"解释单词"_s, {}, {}},
    {u"mnupline4"_s, u"-"_s, {}, {}},
    {u"mnupfuzhi"_s, u"复制"_s, {}, {}},
    {u"mnupcut"_s, u"剪切"_s, {}, {}},
};

void expectEntries(const std::vector<Entry>& actual, const std::vector<Entry>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        ASSERT_LT(i, actual.size()) << "missing from here on";
        ASSERT_LT(i, expected.size()) << "more items than the table has";
        EXPECT_EQ(actual[i], expected[i]);
    }
}

struct ToolRow {
    int index; // 1-based, as the toolbar counts its buttons
    QString key;
    QString description;
    QString toolTip;
};

const std::vector<ToolRow> kToolbar = {
    {1, u"打开"_s, u"打开"_s, u"Ctrl+O"_s},
    {2, u"保存"_s, u"保存"_s, u"Ctrl+S"_s},
    {3, {}, {}, {}},
    {4, u"剪切"_s, u"剪切"_s, u"剪切"_s},
    {5, u"复制"_s, u"复制"_s, u"复制"_s},
    {6, u"粘贴"_s, u"粘贴"_s, u"粘贴"_s},
    {7, {}, {}, {}},
    {8, u"设置"_s, u"参数设置"_s, u"设置参数(shift+F1)"_s},
    {9, u"智能标注"_s, u"智能标注"_s, u"选定单词，按F2标注它"_s},
    {10, u"批量标注"_s, u"批量标注"_s, u"按F3，对当前文档全文标注"_s},
    {11, {}, {}, {}},
    {12, u"转入WORD"_s, u"转入WORD"_s, u"当前文档转入WORD"_s},
    {13, {}, {}, {}},
    {14, u"加粗"_s, u"加粗"_s, u"Ctrl+B"_s},
    {15, u"斜体"_s, u"斜体"_s, u"Ctrl+I"_s},
    {16, u"中删线"_s, u"中删线"_s, u"中删线"_s},
    {17, u"下划线"_s, u"下划线"_s, u"Ctrl+U"_s},
    {18, u"字体字号"_s, u"字体字号"_s, u"字体字号"_s},
    {19, u"字体颜色"_s, u"字体颜色"_s, u"字体颜色"_s},
};

} // namespace

TEST_F(ShellTest, MenuBarFollowsTheCommandTable) {
    expectEntries(entriesOf(main().menuBar()->actions()), kMenuBar);
}

TEST_F(ShellTest, ContextMenusFollowTheCommandTable) {
    frmMain& w = main();
    expectEntries(entriesOf({w.popmenu1->menuAction(), w.popmenu2->menuAction()}), kContextMenus);
    for (QAction* a : w.menuBar()->actions())
        EXPECT_FALSE(a->menu() == w.popmenu1 || a->menu() == w.popmenu2) << "a context menu in the menu bar";
}

TEST_F(ShellTest, ToolbarFollowsTheButtonTable) {
    const QList<QAction*> buttons = main().tbToolBar->actions();
    ASSERT_EQ(buttons.size(), qsizetype(kToolbar.size()));
    for (const ToolRow& row : kToolbar) {
        SCOPED_TRACE("button " + std::to_string(row.index));
        const QAction* a = buttons[row.index - 1];
        EXPECT_EQ(a->isSeparator(), row.key.isEmpty());
        if (a->isSeparator())
            continue;
        EXPECT_EQ(a->data().toString(), row.key);
        EXPECT_EQ(a->text(), row.description);
        EXPECT_EQ(a->toolTip(), row.toolTip);
        EXPECT_EQ(a->isEnabled(), row.index != 4 && row.index != 5)
            << "only cut and copy wait for a selection";
    }
}

TEST_F(ShellTest, ToolbarKeysRunTheirCommands) {
    folder.write(u"canshushezhi.txt"_s, "canshu1=new\r\ncanshu2=[\r\ncanshu4=dangqian\r\n[end]\r\n");
    frmMain& w = started();
    const auto selectFirstWord = [&w] {
        w.Rich1->setText(u"cat and the"_s);
        w.Rich1->setSelStart(0);
        w.Rich1->setSelLength(3);
    };
    struct Case {
        const char* key;
        std::function<bool()> ran; // asked after the click
    };
    const Case cases[] = {
        {"打开", [&] { return fakes.dialogs.openRequests.size() == 1; }},
        {"保存", [&] { return fakes.dialogs.saveRequests.size() == 1; }},
        {"剪切",
         [&] { return w.Rich1->text() == u" and the"_s && QApplication::clipboard()->text() == u"cat"_s; }},
        {"复制",
         [&] {
             return w.Rich1->text() == u"cat and the"_s && QApplication::clipboard()->text() == u"cat"_s;
         }},
        {"加粗", [&] { return w.Rich1->selBold() == std::optional<bool>(true); }},
        {"斜体", [&] { return w.Rich1->selItalic() == std::optional<bool>(true); }},
        {"中删线", [&] { return w.Rich1->selStrikeThru() == std::optional<bool>(true); }},
        {"下划线", [&] { return w.Rich1->selUnderline() == std::optional<bool>(true); }},
        {"字体字号", [&] { return fakes.dialogs.fontRequests.size() == 1; }},
        {"字体颜色", [&] { return fakes.dialogs.colorRequests.size() == 1; }},
        {"转入WORD",
         [&] { return fakes.shell.opened.size() == 1 && fakes.shell.opened[0].endsWith(u".rtf"_s); }},
        // The selected word alone, or every word.
        {"智能标注",
         [&] { return w.Rich1->text().count(u'[') == 1 && w.Rich1->text().startsWith(u"cat["_s); }},
        {"批量标注", [&] { return w.Rich1->text().count(u'[') == 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        fakes.dialogs.openRequests.clear();
        fakes.dialogs.saveRequests.clear();
        fakes.dialogs.fontRequests.clear();
        fakes.dialogs.colorRequests.clear();
        fakes.shell.opened.clear();
        QApplication::clipboard()->clear();
        selectFirstWord();
        w.tbToolBar_ButtonClick(QString::fromUtf8(c.key));
        EXPECT_TRUE(c.ran()) << w.Rich1->text().toStdString();
    }
    // Paste puts the clipboard in place of the selection.
    selectFirstWord();
    QApplication::clipboard()->setText(u"dog"_s);
    w.tbToolBar_ButtonClick(u"粘贴"_s);
    EXPECT_EQ(w.Rich1->text(), u"dog and the"_s);
    // Options open modally.
    bool options = false;
    QTimer::singleShot(0, &w, [&] {
        if (auto* dialog = qobject_cast<Form1*>(QApplication::activeModalWidget())) {
            options = true;
            dialog->Command2_Click();
        }
    });
    w.tbToolBar_ButtonClick(u"设置"_s);
    EXPECT_TRUE(options);
    // A Key no button has does nothing.
    selectFirstWord();
    w.tbToolBar_ButtonClick(u"打开 "_s);
    EXPECT_TRUE(fakes.dialogs.openRequests.empty());
    EXPECT_EQ(w.Rich1->text(), u"cat and the"_s);
}

TEST_F(ShellTest, F2AnnotatesInTheNewNotationTheToolbarInTheOld) {
    frmMain& w = started();
    // A word whose transcription differs between the notations.
    w.Listword.add({u"hello=|你好|he5lEu"_s});
    const auto annotate = [&w](const std::function<void()>& command) {
        w.Rich1->setText(u"hello"_s);
        w.Rich1->setSelStart(0);
        w.Rich1->setSelLength(5);
        command();
        return w.Rich1->text();
    };
    const QString old = annotate([&] { w.mnupcidian->trigger(); });
    const QString fresh = annotate([&] { w.mnupcidian2->trigger(); });
    ASSERT_NE(old, fresh);
    EXPECT_EQ(annotate([&] { w.tbToolBar_ButtonClick(u"智能标注"_s); }), old);
    EXPECT_EQ(w.mnuzhineng2->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(annotate([&] { w.mnuzhineng2->trigger(); }), fresh);
    EXPECT_EQ(annotate([&] { w.mnuzhineng->trigger(); }), old);
}
