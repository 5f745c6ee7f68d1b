#include "platform/recent/RecentFileList.h"
#include "platform/testing/FakeServices.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

namespace {

class RecentFiles : public ::testing::Test {
protected:
    RecentFiles() {
        clear = menu.addAction(QStringLiteral("clear"));
        clear->setVisible(false);
        list = std::make_unique<RecentFileList>(store, QStringLiteral("PhonexaDesk"), menu, clear,
                                                QStringLiteral("item%1"),
                                                [this](int i) { triggered.append(i); });
        list->LoadRecentFileMenu();
    }

    QStringList shown() const {
        QStringList out;
        for (const QAction* item : list->menuItems())
            if (item->isVisible())
                out.append(item->text());
        return out;
    }

    void add(std::initializer_list<const char*> paths) {
        for (const char* p : paths)
            list->AddRecentFile(QString::fromUtf8(p));
    }

    FakeSettingsStore store;
    QMenu menu;
    QAction* clear;
    QList<int> triggered;
    std::unique_ptr<RecentFileList> list;
};

TEST_F(RecentFiles, ItemsGoBeforeTheClearItemAndReportTheirIndex) {
    const QList<QAction*> inMenu = menu.actions();
    ASSERT_EQ(inMenu.size(), 5);
    EXPECT_EQ(inMenu.last(), clear);
    EXPECT_EQ(inMenu[2]->objectName(), QStringLiteral("item2"));
    inMenu[2]->trigger();
    EXPECT_EQ(triggered, QList<int>{2});
}

TEST_F(RecentFiles, RememberMovesAShownPathToTheFrontOrAddsIt) {
    // Paths that look like captions: nothing is parsed back out of the item's text.
    add({"/c", "&2 x", "/a"});
    list->remember(QStringLiteral("&2 x"));
    EXPECT_EQ(shown(),
              (QStringList{QStringLiteral("&1 &2 x"), QStringLiteral("&2 /a"), QStringLiteral("&3 /c")}));
    list->remember(QStringLiteral("/d"));
    EXPECT_EQ(list->pathOf(0), QStringLiteral("/d"));
    EXPECT_EQ(list->pathOf(1), QStringLiteral("&2 x"));
    EXPECT_EQ(list->FindRecentFile(QStringLiteral("x")), RecentFileList::kAbsent);
}

TEST_F(RecentFiles, EmptyStoreShowsThePlaceholderOnly) {
    EXPECT_EQ(shown(), QStringList{QStringLiteral("无历史文件")});
    EXPECT_FALSE(clear->isVisible());
    EXPECT_EQ(list->pathOf(0), QString());
}

TEST_F(RecentFiles, FivePathsKeepTheNewestFour) {
    add({"/a", "/b", "/c", "/d", "/e"});
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("&1 /e"), QStringLiteral("&2 /d"), QStringLiteral("&3 /c"),
                                    QStringLiteral("&4 /b")}));
    EXPECT_TRUE(clear->isVisible());
    EXPECT_EQ(list->FindRecentFile(QStringLiteral("/a")), RecentFileList::kAbsent);
    EXPECT_EQ(list->FindRecentFile(QStringLiteral("/c")), 2);
    EXPECT_EQ(list->FindRecentFile(QStringLiteral("/C")), RecentFileList::kAbsent);
}

TEST_F(RecentFiles, MovingAnEntryToTheFront) {
    const struct {
        int index;
        QStringList order;
    } cases[] = {
        {0, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}},
        {1, {QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D")}},
        {2, {QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D")}},
        {3, {QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
    };
    for (const auto& c : cases) {
        list->ClearRecentFiles();
        add({"D", "C", "B", "A"});
        list->UpdateRecentFiles(c.index);
        QStringList order;
        for (int i = 0; i < 4; ++i)
            order.append(list->pathOf(i));
        EXPECT_EQ(order, c.order) << c.index;
    }
}

TEST_F(RecentFiles, MovingWithThreeEntries) {
    add({"C", "B", "A"});
    list->UpdateRecentFiles(2);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("&1 C"), QStringLiteral("&2 A"), QStringLiteral("&3 B")}));
}

TEST_F(RecentFiles, ClearThenAddUsesSlotThree) {
    add({"/x", "/y"});
    list->ClearRecentFiles();
    EXPECT_EQ(shown(), QStringList{QStringLiteral("无历史文件")});
    EXPECT_FALSE(clear->isVisible());
    add({"/z"});
    EXPECT_EQ(store.get(QStringLiteral("PhonexaDesk"), QStringLiteral("recentfiles"),
                        QStringLiteral("FirstFile"), {}),
              QStringLiteral("3"));
    EXPECT_EQ(
        store.get(QStringLiteral("PhonexaDesk"), QStringLiteral("recentfiles"), QStringLiteral("File3"), {}),
        QStringLiteral("/z"));
}

TEST_F(RecentFiles, BlankPathIsNotAdded) {
    add({"   "});
    EXPECT_EQ(shown(), QStringList{QStringLiteral("无历史文件")});
}

TEST_F(RecentFiles, FirstSlotOutOfRangeDoesNotHang) {
    for (int slot = 0; slot < 4; ++slot)
        store.save(QStringLiteral("PhonexaDesk"), QStringLiteral("recentfiles"),
                   QStringLiteral("File%1").arg(slot), QStringLiteral("/f%1").arg(slot));
    store.save(QStringLiteral("PhonexaDesk"), QStringLiteral("recentfiles"), QStringLiteral("FirstFile"),
               QStringLiteral("7"));
    list->UpdateRecentFiles(1);
    list->LoadRecentFileMenu();
    EXPECT_EQ(shown(), QStringList{QStringLiteral("无历史文件")});
}

} // namespace
