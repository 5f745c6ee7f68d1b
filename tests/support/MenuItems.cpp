#include "tests/support/MenuItems.h"

#include <QAction>
#include <QWidget>

#include <gtest/gtest.h>

void chooseMenuItem(const QWidget& window, QAnyStringView name) {
    const QString objectName = name.toString();
    auto* item = window.findChild<QAction*>(objectName);
    ASSERT_NE(item, nullptr) << "no menu item " << objectName.toStdString();
    ASSERT_TRUE(item->isEnabled()) << "menu item " << objectName.toStdString() << " is disabled";
    item->trigger();
}
