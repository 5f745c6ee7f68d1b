#pragma once

#include <QLabel>

// A label that acts as a link or a button: a left-button press and release inside it is a click.
// The mouse events are taken here, so a click never also reaches the window beneath.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
