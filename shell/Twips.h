#pragma once

#include <QWidget>

// A child control placed in twips (15 per device-independent pixel), its geometry kept as floats as
// the window was designed; the widget follows in whole pixels. A negative size is refused and leaves
// the old one, so a layout step that computes one is skipped.
class Twips {
public:
    static constexpr float kPerPixel = 15.0F;

    Twips(QWidget* widget, float left, float top, float width, float height);

    float Left() const { return left; }
    float Top() const { return top; }
    float Width() const { return width; }
    float Height() const { return height; }
    void setLeft(float value);
    void setTop(float value);
    bool setWidth(float value);
    bool setHeight(float value);

    // The control's own visibility flag, whether or not its window is shown.
    bool Visible() const { return !widget->isHidden(); }
    void setVisible(bool on) { widget->setVisible(on); }

    QWidget* get() const { return widget; }

private:
    void apply();

    QWidget* widget;
    float left;
    float top;
    float width;
    float height;
};

// A placed control of a known kind.
template <typename T> class Placed : public Twips {
public:
    Placed(T* control, float left, float top, float width, float height)
        : Twips(control, left, top, width, height), control(control) {}
    T* operator->() const { return control; }
    T& operator*() const { return *control; }
    T* get() const { return control; }

private:
    T* control;
};
