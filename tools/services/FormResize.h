#pragma once

class QWidget;

// Proportional layout of a tool window: ResizeInit keeps each control's load-time geometry in its
// "Tag" property ("Left Top Width Height " in twips); ResizeForm scales it to the window's present size.
// Controls are the window's named child widgets, and those inside plain frames and group boxes.
class FormResize {
public:
    void ResizeInit(QWidget& frm);
    void ResizeForm(QWidget& frm) const;

private:
    int loadWidth = 0;
    int loadHeight = 0;
};
