#pragma once

#include <QLabel>

// A label that reports clicks, for the links of the small windows.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        emit clicked();
    }
};
