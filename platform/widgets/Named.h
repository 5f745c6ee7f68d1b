#pragma once

#include <QAnyStringView>

// A new widget with its object name, for member initialisers: Button(named(new QPushButton(this),
// u"Button")).
template <typename T> T* named(T* widget, QAnyStringView name) {
    widget->setObjectName(name.toString());
    return widget;
}
