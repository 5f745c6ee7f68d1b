#include "platform/widgets/ClickableLabel.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// Counts the presses and releases that reach it.
class Window : public QWidget {
public:
    int mouseEvents = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++mouseEvents; }
    void mouseReleaseEvent(QMouseEvent*) override { ++mouseEvents; }
};

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

struct Press {
    const char* name;
    Qt::MouseButton button;
    QPointF releaseAt;
    bool clicks;
};

void PrintTo(const Press& press, std::ostream* out) {
    *out << press.name;
}

class ClickableLabelTest : public ::testing::TestWithParam<Press> {};

TEST_P(ClickableLabelTest, ClicksOnALeftReleaseInsideAndKeepsTheEventsFromTheWindow) {
    Window window;
    auto* label = new ClickableLabel(QStringLiteral("链接"), &window);
    label->setGeometry(10, 10, 100, 20);
    int clicks = 0;
    QObject::connect(label, &ClickableLabel::clicked, label, [&] { ++clicks; });
    send(label, QEvent::MouseButtonPress, GetParam().button, {5, 5});
    send(label, QEvent::MouseButtonRelease, GetParam().button, GetParam().releaseAt);
    EXPECT_EQ(clicks, GetParam().clicks ? 1 : 0);
    const bool leftButton = GetParam().button == Qt::LeftButton;
    EXPECT_EQ(window.mouseEvents, leftButton ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Presses, ClickableLabelTest,
                         ::testing::Values(Press{"LeftInside", Qt::LeftButton, {50, 10}, true},
                                           Press{"LeftReleasedOutside", Qt::LeftButton, {150, 10}, false},
                                           Press{"Right", Qt::RightButton, {50, 10}, false},
                                           Press{"Middle", Qt::MiddleButton, {50, 10}, false}),
                         [](const ::testing::TestParamInfo<Press>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
