#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A left-button press and release at the centre of a widget, delivered as the window system would:
// what the widget does not accept goes on to its parents.
inline void leftClick(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}
