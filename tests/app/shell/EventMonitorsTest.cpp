#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>

#include "shell/EventMonitors.h"

namespace tundle {
namespace {

struct FakeGlobal : GlobalMouseMonitor {
    std::function<void()> onPress;
    bool start(std::function<void()> callback) override {
        onPress = std::move(callback);
        return true;
    }
    void stop() override { onPress = nullptr; }
};

struct FakePointer : PointerProbe {
    PointerState state;
    std::optional<PointerState> query() override { return state; }
};

struct ClickCounter : QWidget {
    int presses = 0;
    int keys = 0;
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

TEST(EventMonitorsTest, LocalEventsFoldOutsideThePetPanelOrOnEscape) {
    QWindow pet;
    QWindow other;
    using Kind = LocalEvent::Kind;
    struct Case {
        LocalEvent event;
        bool dismisses;
    };
    // Clicks and Escape in windows are driven below; these are the cases only a table reaches.
    const Case cases[] = {
        {{Kind::keyDown, true, &other}, true},
        {{Kind::keyDown, false, &pet}, false},
        {{Kind::keyDown, false, nullptr}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EventMonitors::localEventDismisses(c.event, &pet), c.dismisses);
    }
    // A missing window equals a missing pet panel.
    EXPECT_FALSE(EventMonitors::localEventDismisses({Kind::mouseDown, false, nullptr}, nullptr));
}

TEST(EventMonitorsTest, EventsReachTheirReceiversAndPressesElsewhereFold) {
    FakeGlobal global;
    FakePointer pointer;
    ClickCounter pet;
    pet.setGeometry(100, 100, 200, 200);
    pet.show();
    ClickCounter control;
    control.setGeometry(600, 100, 200, 200);
    control.show();
    bool petTakesClicks = true;
    int dismissals = 0;
    EventMonitors monitors(
        global, pointer,
        {[&pet] { return pet.windowHandle(); },
         [&petTakesClicks](QPoint) { return petTakesClicks; }, [&dismissals] { ++dismissals; }});
    monitors.install();

    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    // Through the windows, as the desktop delivers them.
    QTest::mouseClick(pet.windowHandle(), Qt::LeftButton);
    QTest::mouseClick(control.windowHandle(), Qt::RightButton);
    QTest::keyClick(pet.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(pet.presses, 1);
    EXPECT_EQ(control.presses, 1);
    EXPECT_EQ(pet.keys, 1);
    EXPECT_EQ(dismissals, 2);

    for (const auto& [position, takes, folds] :
         {std::tuple{QPoint(150, 150), true, false}, std::tuple{QPoint(150, 150), false, true},
          std::tuple{QPoint(650, 150), false, false}, std::tuple{QPoint(450, 150), true, true}}) {
        petTakesClicks = takes;
        pointer.state = {position, false};
        const int before = dismissals;
        global.onPress();
        EXPECT_EQ(dismissals - before, folds ? 1 : 0) << position.x() << takes;
    }
}

}  // namespace
}  // namespace tundle
