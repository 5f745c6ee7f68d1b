#include "shell/Twips.h"

#include <cmath>

namespace {
int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / Twips::kPerPixel));
}
} // namespace

Twips::Twips(QWidget* widget, float left, float top, float width, float height)
    : widget(widget), left(left), top(top), width(width), height(height) {
    apply();
}

void Twips::setLeft(float value) {
    left = value;
    apply();
}

void Twips::setTop(float value) {
    top = value;
    apply();
}

bool Twips::setWidth(float value) {
    if (value < 0)
        return false;
    width = value;
    apply();
    return true;
}

bool Twips::setHeight(float value) {
    if (value < 0)
        return false;
    height = value;
    apply();
    return true;
}

void Twips::apply() {
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
