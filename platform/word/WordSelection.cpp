#include "platform/word/WordSelection.h"

#include <algorithm>
#include <cmath>

WordRange WordSelection::range() const {
    return {std::min(anchor, active), std::max(anchor, active)};
}

void WordSelection::collapseTo(int pos) {
    anchor = active = std::clamp(pos, 0, doc.length());
}

bool WordSelection::typeText(const QString& text) {
    const auto after = doc.replaceText(range(), text);
    if (!after)
        return false;
    collapseTo(*after);
    return true;
}

void WordSelection::moveLeft(int count, bool extend) {
    if (count <= 0)
        return;
    if (extend) {
        active = std::max(0, active - count);
    } else if (anchor != active) {
        collapseTo(range().start - (count - 1));
    } else {
        collapseTo(active - count);
    }
}

void WordSelection::moveRight(int count, bool extend) {
    if (count <= 0)
        return;
    if (extend) {
        active = std::min(doc.length(), active + count);
    } else if (anchor != active) {
        collapseTo(range().end + (count - 1));
    } else {
        collapseTo(active + count);
    }
}

bool WordSelection::addEmptyField() {
    const auto inside = doc.insertEmptyField(range());
    if (!inside)
        return false;
    collapseTo(*inside);
    return true;
}

void WordSelection::updateFields() {
    doc.updateFields(range());
}

void WordSelection::setFontName(const QString& name) {
    doc.changeFont(range(), [&](WordFont& f) { f.name = name; });
}

bool WordSelection::setFontSize(double points) {
    if (!(points >= 1 && points <= 1638))
        return false;
    const int halfPoints = int(std::lround(points * 2));
    doc.changeFont(range(), [&](WordFont& f) { f.halfPoints = halfPoints; });
    return true;
}

void WordSelection::setFontColor(int bgr) {
    doc.changeFont(range(), [&](WordFont& f) { f.color = bgr; });
}
