#pragma once

#include "platform/services/SettingsStore.h"

#include <QString>

#include <array>
#include <cstdint>

class QAction;

// The four most recently opened files: a ring of four slots in the settings store (section
// "recentfiles", keys "FirstFile" and "File0".."File3"), shown as four numbered menu items.
class RecentFileList {
public:
    static constexpr std::int16_t kAbsent = 5;

    RecentFileList(SettingsStore& store, QString appName, std::array<QAction*, 4> items, QAction* clearItem);

    void LoadRecentFileMenu();
    void AddRecentFile(const QString& path);
    // 0..3 for the first visible item showing the path exactly, kAbsent when none does.
    std::int16_t FindRecentFile(const QString& path) const;
    void UpdateRecentFiles(int index);
    void ClearRecentFiles();

    // The path an item shows, or empty for the placeholder.
    QString pathOf(int index) const;

    static QString placeholder();

private:
    int firstSlot() const;
    QString slotPath(int slot) const;
    void writeSlot(int slot, const QString& path);

    SettingsStore& store;
    QString app;
    std::array<QAction*, 4> items;
    QAction* clearItem;
};
