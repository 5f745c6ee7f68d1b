#pragma once

#include "platform/services/SettingsStore.h"

#include <QString>

#include <array>
#include <cstdint>

#include <functional>

class QAction;
class QMenu;

// The four most recently opened files: a ring of four slots in the settings store (section
// "recentfiles", keys "FirstFile" and "File0".."File3"), shown as four numbered menu items. The list
// owns the items' captions and keeps each item's path in its data.
class RecentFileList {
public:
    static constexpr std::int16_t kAbsent = 5;

    // Puts the four items into `menu` before `clearItem`, named by `objectName` with the index as %1;
    // `triggered` gets the index of the chosen item.
    RecentFileList(SettingsStore& store, QString appName, QMenu& menu, QAction* clearItem,
                   const QString& objectName, std::function<void(int)> triggered);

    const std::array<QAction*, 4>& menuItems() const { return items; }

    void LoadRecentFileMenu();
    // Moves a shown path to the front, or adds it there.
    void remember(const QString& path);
    void AddRecentFile(const QString& path);
    // 0..3 for the first visible item showing the path exactly, kAbsent when none does.
    std::int16_t FindRecentFile(const QString& path) const;
    void UpdateRecentFiles(int index);
    void ClearRecentFiles();

    // The path of an item, or empty for the placeholder.
    QString pathOf(int index) const;

    static QString placeholder();

private:
    int firstSlot() const;
    QString slotPath(int slot) const;
    void writeSlot(int slot, const QString& path);
    void showPlaceholderOnly();

    SettingsStore& store;
    QString app;
    std::array<QAction*, 4> items;
    QAction* clearItem;
};
