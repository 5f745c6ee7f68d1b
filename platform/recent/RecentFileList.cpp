#include "platform/recent/RecentFileList.h"

#include "platform/core/Vb.h"

#include <QAction>
#include <QMenu>

namespace {
const QString kSection = QStringLiteral("recentfiles");
const QString kFirst = QStringLiteral("FirstFile");

int prevSlot(int s) {
    return s - 1 >= 0 ? s - 1 : 3;
}
int nextSlot(int s) {
    return s + 1 < 4 ? s + 1 : 0;
}
QString fileKey(int slot) {
    return QStringLiteral("File") + QString::number(slot);
}
} // namespace

RecentFileList::RecentFileList(SettingsStore& store, QString appName, QMenu& menu, QAction* clearItem,
                               const QString& objectName, std::function<void(int)> triggered)
    : store(store), app(std::move(appName)), clearItem(clearItem) {
    for (int i = 0; i < 4; ++i) {
        auto* item = new QAction(i == 0 ? placeholder() : QString::number(i + 1), &menu);
        item->setObjectName(objectName.arg(i));
        item->setVisible(i == 0);
        menu.insertAction(clearItem, item);
        QObject::connect(item, &QAction::triggered, item, [triggered, i] { triggered(i); });
        items[i] = item;
    }
}

QString RecentFileList::placeholder() {
    return QStringLiteral("无历史文件");
}

int RecentFileList::firstSlot() const {
    return Vb::toInt16(Vb::val(store.get(app, kSection, kFirst, QStringLiteral("0")))).value_or(0);
}

QString RecentFileList::slotPath(int slot) const {
    return store.get(app, kSection, fileKey(slot), {});
}

void RecentFileList::writeSlot(int slot, const QString& path) {
    store.save(app, kSection, fileKey(slot), path);
}

void RecentFileList::LoadRecentFileMenu() {
    int s = firstSlot();
    QString f = slotPath(s);
    int n = 0;
    while (n < 4 && !f.isEmpty()) {
        items[n]->setText(u'&' + QString::number(n + 1) + u' ' + f);
        items[n]->setData(f);
        items[n]->setVisible(true);
        s = nextSlot(s);
        f = slotPath(s);
        ++n;
    }
    if (n == 0) {
        showPlaceholderOnly();
        return;
    }
    for (int i = n; i < 4; ++i)
        items[i]->setVisible(false);
    clearItem->setVisible(true);
}

void RecentFileList::AddRecentFile(const QString& path) {
    if (Vb::trim(path).isEmpty())
        return;
    const int first = prevSlot(firstSlot());
    store.save(app, kSection, kFirst, QString::number(first));
    writeSlot(first, path);
    LoadRecentFileMenu();
}

void RecentFileList::remember(const QString& path) {
    const int index = FindRecentFile(path);
    if (index < kAbsent)
        UpdateRecentFiles(index);
    else
        AddRecentFile(path);
}

QString RecentFileList::pathOf(int index) const {
    if (index < 0 || index > 3)
        return {};
    return items[index]->data().toString();
}

std::int16_t RecentFileList::FindRecentFile(const QString& path) const {
    for (int i = 0; i < 4; ++i) {
        if (items[i]->isVisible() && !path.isEmpty() && items[i]->data().toString() == path)
            return std::int16_t(i);
    }
    return kAbsent;
}

void RecentFileList::UpdateRecentFiles(int index) {
    if (index == 3) {
        store.save(app, kSection, kFirst, QString::number(prevSlot(firstSlot())));
        LoadRecentFileMenu();
        return;
    }
    if (index != 1 && index != 2)
        return;
    const int f = firstSlot();
    int s = f + index;
    if (s >= 4)
        s -= 4;
    const QString moved = slotPath(s);
    // A stored first slot outside 0..3 never meets s again: four moves at most.
    for (int moves = 0; moves < 4; ++moves) {
        const QString p = slotPath(prevSlot(s));
        if (p.isEmpty() || s == f)
            break;
        writeSlot(s, p);
        s = prevSlot(s);
    }
    writeSlot(f, moved);
    LoadRecentFileMenu();
}

void RecentFileList::ClearRecentFiles() {
    store.remove(app, kSection, kFirst);
    for (int slot = 0; slot <= 4; ++slot)
        store.remove(app, kSection, fileKey(slot));
    showPlaceholderOnly();
    clearItem->setVisible(false);
}

void RecentFileList::showPlaceholderOnly() {
    items[0]->setText(placeholder());
    items[0]->setData(QVariant());
    items[0]->setVisible(true);
    for (int i = 1; i < 4; ++i)
        items[i]->setVisible(false);
}
