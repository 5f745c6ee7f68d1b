#pragma once

#include <QAnyStringView>

class QWidget;

// Triggers the window's menu item of that object name, as the user would choose it; fails the test
// with a clear message when the item is missing or disabled.
void chooseMenuItem(const QWidget& window, QAnyStringView name);
