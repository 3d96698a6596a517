#include <gtest/gtest.h>

#include "accessories/AccessoryRingLayout.h"

namespace tundle {
namespace {

// A pet of 254 pt at (170, 0) in a 444 pt canvas, on a tall screen with room to spare.
AccessoryRingInput plain() {
    return {.sprite = QRectF(170, 0, 254, 254),
            .boundsWidth = 444,
            .available = QRectF(0, 0, 1920, 1080),
            .windowOrigin = QPointF(400, 100)};
}

TEST(AccessoryRingLayoutTest, ShowsAndHidesEachControlByState) {
    struct Case {
        bool farm, collapsed, open;
        bool buttons, toggle, panel, active;
        QString wording;
    };
    const Case cases[] = {
        {true, false, true, false, false, false, true, "收起功能按钮"},
        {false, true, false, false, true, false, false, "展开功能按钮"},
        {false, false, false, true, true, false, false, "收起功能按钮"},
        {false, false, true, true, true, true, true, "收起功能按钮"},
        {false, true, true, false, true, true, true, "展开功能按钮"},
    };
    for (const Case& c : cases) {
        AccessoryRingInput input = plain();
        input.farmVisible = c.farm;
        input.collapsed = c.collapsed;
        input.panelOpen = c.open;
        const AccessoryRingLayout layout = AccessoryRingLayout::of(input);
        EXPECT_EQ(layout.buttons[0].hidden, !c.buttons);
        EXPECT_EQ(layout.buttons[1].hidden, !c.buttons);
        EXPECT_EQ(layout.toggleHidden, !c.toggle);
        EXPECT_EQ(layout.panelHidden, !c.panel);
        EXPECT_EQ(layout.buttons[0].active, c.active);
        EXPECT_FALSE(layout.buttons[1].active);
        EXPECT_EQ(layout.toggleWording, c.wording);
        EXPECT_EQ(layout.toggleSymbol, c.collapsed ? "ellipsis.circle" : "chevron.compact.left");
    }
}

TEST(AccessoryRingLayoutTest, StacksTheButtonsBesideThePet) {
    // Centre 127 pt: base 41, shortcuts above clipboard.
    AccessoryRingLayout layout = AccessoryRingLayout::of(plain());
    EXPECT_EQ(layout.buttons[0].frame, QRectF(0, 99, 126, 56));
    EXPECT_EQ(layout.buttons[1].frame, QRectF(0, 41, 126, 56));
    EXPECT_EQ(layout.toggleFrame, QRectF(82, 13, 26, 24));
    // A low pet keeps the ring at base 32.
    AccessoryRingInput low = plain();
    low.sprite = QRectF(170, 0, 200, 200);
    layout = AccessoryRingLayout::of(low);
    EXPECT_EQ(layout.buttons[1].frame.y(), 32);
    EXPECT_EQ(layout.buttons[0].frame.y(), 90);
    EXPECT_EQ(layout.toggleFrame.y(), 4);
}

TEST(AccessoryRingLayoutTest, SizesThePanelToTheRoomOnScreen) {
    struct Case {
        double originX, originY, screenWidth;
        bool compact;
        QRectF frame;
    };
    const Case cases[] = {
        // Plenty of room: 404 × 240, 6 pt above the pet, kept inside the canvas's margin.
        {400, 100, 1920, false, QRectF(32, 260, 404, 240)},
        // Little room above: never below 110.
        {400, 900, 1920, false, QRectF(32, 260, 404, 110)},
        // Between: the room itself (1080 − 700 − 254 − 14).
        {400, 700, 1920, false, QRectF(32, 260, 404, 112)},
        // The compact panel whatever the room.
        {400, 100, 1920, true, QRectF(32, 260, 404, 110)},
        // Near the left screen edge the panel is pushed right, to the left limit.
        {-300, 100, 1920, false, QRectF(308, 260, 128, 240)},
        // Near the right edge: narrowed to the screen and pushed left.
        {1600, 100, 1920, false, QRectF(8, 260, 304, 240)},
        // The pet beyond the right edge: no room at all is no width, not a negative one.
        {1950, 100, 1920, false, QRectF(-38, 260, 0, 240)},
    };
    for (const Case& c : cases) {
        AccessoryRingInput input = plain();
        input.windowOrigin = QPointF(c.originX, c.originY);
        input.available = QRectF(0, 0, c.screenWidth, 1080);
        input.compact = c.compact;
        const AccessoryRingLayout layout = AccessoryRingLayout::of(input);
        EXPECT_EQ(layout.panelFrame, c.frame) << c.originX << " " << c.originY;
        EXPECT_EQ(layout.viewport, c.frame.size());
    }
}

}  // namespace
}  // namespace tundle
