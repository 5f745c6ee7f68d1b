#include "tests/shell/ShellFixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>

namespace {

QStringList itemNames(const QMenu& menu) {
    QStringList names;
    for (const QAction* a : menu.actions())
        names << a->objectName();
    return names;
}

struct OpenerCase {
    const char* item;
    QString caption;
    QString windowTitle;
    QString visibleBox; // the text box of the mode shown; empty for the other windows
};

void PrintTo(const OpenerCase& c, std::ostream* os) {
    *os << c.item;
}

const OpenerCase kModalOpeners[] = {
    {"mnuconvert", QStringLiteral("音标互换(C)"), QStringLiteral("音标转换器"), {}},
    {"mnushuzi", QStringLiteral("标注数字(&S)"), QStringLiteral("标数字"), QStringLiteral("Text1")},
    {"mnuyear", QStringLiteral("标注年份(&N)"), QStringLiteral("标年份"), QStringLiteral("Text2")},
    {"mnutele", QStringLiteral("标注电话号码(&T)"), QStringLiteral("标电话号码"), QStringLiteral("Text3")},
};

class TextToolOpener : public ShellTest, public ::testing::WithParamInterface<OpenerCase> {};

TEST_P(TextToolOpener, ShowsTheWindowModallyInItsMode) {
    const OpenerCase& c = GetParam();
    frmMain& w = started();
    w.show();
    auto* item = w.findChild<QAction*>(QString::fromLatin1(c.item));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), c.caption);
    QString title;
    QStringList visibleBoxes;
    QTimer::singleShot(0, &w, [&] {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        title = shown->windowTitle();
        for (const char* box : {"Text1", "Text2", "Text3"})
            if (auto* b = shown->findChild<QWidget*>(QString::fromLatin1(box)); b && b->isVisible())
                visibleBoxes << b->objectName();
        shown->reject();
    });
    chooseMenuItem(w, QString::fromLatin1(c.item));
    EXPECT_EQ(title, c.windowTitle);
    EXPECT_EQ(visibleBoxes, c.visibleBox.isEmpty() ? QStringList() : QStringList{c.visibleBox});
}

INSTANTIATE_TEST_SUITE_P(Items, TextToolOpener, ::testing::ValuesIn(kModalOpeners),
                         [](const ::testing::TestParamInfo<OpenerCase>& info) {
                             return std::string(info.param.item);
                         });

TEST_F(ShellTest, TextToolItemsStandWhereTheMenusListThem) {
    frmMain& w = started();
    const QStringList marking = itemNames(*w.mnubiaozhu);
    ASSERT_GE(marking.size(), 4);
    EXPECT_EQ(marking.mid(marking.size() - 4),
              (QStringList{QStringLiteral("mnuline5"), QStringLiteral("mnushuzi"), QStringLiteral("mnuyear"),
                           QStringLiteral("mnutele")}));
    const QStringList tools = itemNames(*w.mnuzizhu);
    const auto convert = tools.indexOf(QStringLiteral("mnuconvert"));
    ASSERT_GT(convert, 0);
    EXPECT_EQ(tools[convert - 1], QStringLiteral("mnuline3"));
    EXPECT_EQ(tools[convert + 1], QStringLiteral("mnuline2"));
    const QStringList format = itemNames(*w.mnugeshi);
    EXPECT_EQ(format.mid(format.size() - 2),
              (QStringList{QStringLiteral("mnuline6"), QStringLiteral("mnupiliangzhuanhuan")}));
}

TEST_F(ShellTest, FontReplacementOpensModelessAndOnce) {
    frmMain& w = started();
    w.show();
    folder.write(QStringLiteral("tmp001.rtf"), "old");
    chooseMenuItem(w, QStringLiteral("mnupiliangzhuanhuan"));
    auto* window = w.findChild<QWidget*>(QStringLiteral("Frmpiliangzhuanhuan"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("字体转换"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("tmp001.rtf"))));
    chooseMenuItem(w, QStringLiteral("mnupiliangzhuanhuan"));
    EXPECT_EQ(w.findChildren<QWidget*>(QStringLiteral("Frmpiliangzhuanhuan")).size(), 1);
}

} // namespace
