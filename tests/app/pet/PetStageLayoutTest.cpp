#include <gtest/gtest.h>

#include "pet/PetStageLayout.h"

namespace tundle {
namespace {

BubbleLayout sized(double width, double height) {
    BubbleLayout layout({}, 400);
    layout.width = width;
    layout.height = height;
    return layout;
}

TEST(PetStageLayoutTest, TheSpriteStandsWhereEachLayoutPutsIt) {
    EXPECT_EQ(PetStageLayout::spriteRect({.petScale = 1.5}), QRectF(170, 0, 381, 381));
    EXPECT_EQ(PetStageLayout::spriteRect({.preview = true, .boundsWidth = 400}),
              QRectF(52, 60, 260, 260));
    EXPECT_EQ(PetStageLayout::spriteRect({.preview = true, .boundsWidth = 200}),
              QRectF(-18, 60, 200, 200));

    // Farm at scale 1: the scene is (170, 0, 300, 400); the default spot is (320, 216).
    const struct {
        FarmBalance balance;
        double side;
    } balances[] = {{FarmBalance::pet, 104 * 1.18},
                    {FarmBalance::balanced, 104},
                    {FarmBalance::farm, 104 * 0.82}};
    for (const auto& row : balances) {
        const QRectF rect = PetStageLayout::spriteRect(
            {.farmVisible = true, .farmScale = 1, .farmBalance = row.balance});
        EXPECT_DOUBLE_EQ(rect.width(), row.side);
        EXPECT_DOUBLE_EQ(rect.center().x(), 320);
        EXPECT_DOUBLE_EQ(rect.y(), 216 - 0.05 * row.side);
    }
    const QRectF doubled = PetStageLayout::spriteRect(
        {.petScale = 2, .farmVisible = true, .farmScale = 0.5, .farmSpot = {0, 0}});
    EXPECT_EQ(doubled, QRectF(170 - 52, -5.2, 104, 104));

    // The walk hops |sin(18 s)| × 3 × scale, but not with motion reduced.
    const SpritePlacement walking{.farmVisible = true,
                                  .farmScale = 1,
                                  .walking = true,
                                  .referenceSeconds = std::acos(0.0) / 18};
    EXPECT_NEAR(PetStageLayout::spriteRect(walking).y(), 216 - 5.2 + 3, 1e-9);
    SpritePlacement calm = walking;
    calm.reduceMotion = true;
    EXPECT_DOUBLE_EQ(PetStageLayout::spriteRect(calm).y(), 216 - 5.2);

    EXPECT_TRUE(PetStageLayout::farmSceneRect(true, true, 1).isNull());
    EXPECT_TRUE(PetStageLayout::farmSceneRect(false, false, 1).isNull());
    EXPECT_EQ(PetStageLayout::farmSceneRect(false, true, 0.8), QRectF(170, 0, 240, 320));
}

TEST(PetStageLayoutTest, TheBubbleStaysOnScreenAndInsideTheView) {
    const QRectF sprite(170, 0, 254, 254);
    // Above the pet, centred on it.
    EXPECT_EQ(PetStageLayout::bubbleRect(sized(200, 80), sprite, 444, 569, false, 2000),
              QRectF(197, 266, 200, 80));
    // Near the top of the screen it is pushed down to stay 8 pt below the usable top.
    EXPECT_EQ(PetStageLayout::bubbleRect(sized(200, 80), sprite, 444, 569, false, 300),
              QRectF(197, 212, 200, 80));
    // Without a screen the view's top counts.
    EXPECT_EQ(PetStageLayout::bubbleRect(sized(200, 80), sprite, 444, 320, false, std::nullopt),
              QRectF(197, 232, 200, 80));
    // The preview ignores the screen.
    EXPECT_EQ(PetStageLayout::bubbleRect(sized(200, 80), sprite, 444, 100, true, 10),
              QRectF(197, 266, 200, 80));
    // The left clamp first, then the right clamp wins.
    EXPECT_EQ(
        PetStageLayout::bubbleRect(sized(200, 80), {0, 0, 100, 100}, 444, 569, false, 2000).x(), 8);
    EXPECT_EQ(PetStageLayout::bubbleRect(sized(440, 80), sprite, 444, 569, false, 2000).x(), -4);
}

TEST(PetStageLayoutTest, ThePanelLeavesRoomForTheBubbleAndIgnoresHalfPoints) {
    EXPECT_EQ(PetStageLayout::wantedHeight(254, std::nullopt), 569);
    EXPECT_EQ(PetStageLayout::wantedHeight(254, 200), 569);
    EXPECT_EQ(PetStageLayout::wantedHeight(254, 281), 569);
    EXPECT_EQ(PetStageLayout::wantedHeight(254, 300), 588);
    EXPECT_FALSE(PetStageLayout::needsResize(569, 569.5));
    EXPECT_FALSE(PetStageLayout::needsResize(569.5, 569));
    EXPECT_TRUE(PetStageLayout::needsResize(569, 569.51));
    EXPECT_TRUE(PetStageLayout::needsResize(569, 568.49));
}

}  // namespace
}  // namespace tundle
