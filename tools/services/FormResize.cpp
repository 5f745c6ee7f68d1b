#include "tools/services/FormResize.h"

#include <QFrame>
#include <QGroupBox>
#include <QVariant>
#include <QWidget>

#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr char kTagProperty[] = "Tag";

bool isContainer(const QWidget* w) {
    const QMetaObject* meta = w->metaObject();
    return meta == &QFrame::staticMetaObject || meta == &QGroupBox::staticMetaObject ||
           meta == &QWidget::staticMetaObject;
}

// The window's controls, skipping the widgets Qt builds inside composite controls.
void forEachControl(QWidget& parent, const std::function<void(QWidget&)>& action) {
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->objectName().isEmpty() || child->objectName().startsWith(u"qt_"))
            continue;
        action(*child);
        if (isContainer(child))
            forEachControl(*child, action);
    }
}

// Five numbers, each ended by a blank; a missing one reads 0.
std::array<double, 5> tagNumbers(const QString& tag) {
    std::array<double, 5> pos{};
    qsizetype start = 0;
    for (double& value : pos) {
        const qsizetype blank = tag.indexOf(u' ', start);
        if (blank < 0)
            break;
        value = tag.mid(start, blank - start).toDouble();
        start = blank + 1;
    }
    return pos;
}

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

int presentWidth(const QWidget& frm) {
    return frm.isMinimized() ? 0 : frm.width();
}

int presentHeight(const QWidget& frm) {
    return frm.isMinimized() ? 0 : frm.height();
}

} // namespace

void FormResize::ResizeInit(QWidget& frm) {
    loadWidth = static_cast<int>(std::lrint(frm.width() * kTwipsPerPixel));
    loadHeight = static_cast<int>(std::lrint(frm.height() * kTwipsPerPixel));
    forEachControl(frm, [](QWidget& control) {
        const QRect g = control.geometry();
        QString tag;
        for (const int pixels : {g.x(), g.y(), g.width(), g.height()})
            tag += QString::number(pixels * kTwipsPerPixel) + u' ';
        control.setProperty(kTagProperty, tag);
    });
}

void FormResize::ResizeForm(QWidget& frm) const {
    // A window that never recorded its load size has no proportions to keep.
    if (loadWidth <= 0 || loadHeight <= 0)
        return;
    const double scaleX = presentWidth(frm) * kTwipsPerPixel / loadWidth;
    const double scaleY = presentHeight(frm) * kTwipsPerPixel / loadHeight;
    forEachControl(frm, [&](QWidget& control) {
        const QVariant tag = control.property(kTagProperty);
        if (!tag.isValid())
            return;
        const std::array<double, 5> pos = tagNumbers(tag.toString());
        control.setGeometry(toPixels(pos[0] * scaleX), toPixels(pos[1] * scaleY), toPixels(pos[2] * scaleX),
                            toPixels(pos[3] * scaleY));
    });
}
