#pragma once

#include <QApplication>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <functional>

// The top-level window a command opened, and whether it was modal. A modal window is looked at
// while it is shown and then closed, so the command returns.
struct OpenedWindow {
    QString name;
    bool modal = false;
};

inline OpenedWindow openedBy(QObject* context, const std::function<void()>& command,
                             const std::function<void(QWidget&)>& inspect = {}) {
    QSet<QWidget*> before;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            before.insert(top);
    OpenedWindow result;
    QTimer::singleShot(0, context, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || before.contains(modal))
            return;
        result = {modal->objectName(), true};
        if (inspect)
            inspect(*modal);
        modal->close();
    });
    command();
    // With no modal window the check above runs here.
    QCoreApplication::processEvents();
    if (!result.name.isEmpty())
        return result;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && !before.contains(top) && !top->inherits("QMenu")) {
            result = {top->objectName(), false};
            if (inspect)
                inspect(*top);
        }
    }
    return result;
}
