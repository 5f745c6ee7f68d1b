#include "platform/recent/RecentFileList.h"
#include "platform/testing/FakeServices.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

namespace {

class RecentFiles : public ::testing::Test {
protected:
    RecentFiles() {
        for (auto& item : actions)
            item = std::make_unique<QAction>();
        clear = std::make_unique<QAction>();
        list = std::make_unique<RecentFileList>(
            store, QStringLiteral("PhonexaDesk"),
            std::array<QAction*, 4>{actions[0].get(), actions[1].get(), actions[2].get(), actions[3].get()},
            clear.get());
        actions[0]->setText(RecentFileList::placeholder());
        for (int i = 1; i < 4; ++i)
            actions[i]->setVisible(false);
        clear->setVisible(false);
        list->LoadRecentFileMenu();
    }

    QStringList shown() const {
        QStringList out;
        for (const auto& item : actions)
            if (item->isVisible())
                out.append(item->text());
        return out;
    }

    void add(std::initializer_list<const char*> paths) {
        for (const char* p : paths)
            list->AddRecentFile(QString::fromUtf8(p));
    }

    FakeSettingsStore store;
    std::array<std::unique_ptr<QAction>, 4> actions;
    std::unique_ptr<QAction> clear;
    std::unique_ptr<RecentFileList> list;
};

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
