#include <gtest/gtest.h>

#include "pet/PetStageLayout.h"

namespace tundle {
namespace {

TEST(PetStageLayoutTest, TheSpriteStandsWhereEachLayoutPutsIt) {
    EXPECT_EQ(PetStageLayout::spriteRect({.petScale = 1.5}), QRectF(170, 0, 381, 381));
    EXPECT_EQ(PetStageLayout::spriteRect({.preview = true, .boundsWidth = 400}),
              QRectF(52, 60, 260, 260));
    // Farm at scale 1: the scene is (170, 0, 300, 400); the default spot is (320, 216).
    for (const auto& [balance, side] :
         {std::pair(FarmBalance::pet, 104 * 1.18), std::pair(FarmBalance::farm, 104 * 0.82)}) {
        const QRectF rect = PetStageLayout::spriteRect(
            {.farmVisible = true, .farmScale = 1, .farmBalance = balance});
        EXPECT_EQ(rect, QRectF(320 - side / 2, 216 - 0.05 * side, side, side));
    }
    EXPECT_EQ(PetStageLayout::spriteRect(
                  {.petScale = 2, .farmVisible = true, .farmScale = 0.5, .farmSpot = {0, 0}}),
              QRectF(170 - 52, -5.2, 104, 104));
    // The walk hops |sin(18 s)| × 3 × scale, but not with motion reduced.
    SpritePlacement walking{.farmVisible = true,
                            .farmScale = 1,
                            .walking = true,
                            .referenceSeconds = std::acos(0.0) / 18};
    EXPECT_NEAR(PetStageLayout::spriteRect(walking).y(), 216 - 5.2 + 3, 1e-9);
    walking.reduceMotion = true;
    EXPECT_DOUBLE_EQ(PetStageLayout::spriteRect(walking).y(), 216 - 5.2);
    EXPECT_TRUE(PetStageLayout::farmSceneRect(true, true, 1).isNull() &&
                PetStageLayout::farmSceneRect(false, false, 1).isNull());
}

TEST(PetStageLayoutTest, TheBubbleStaysOnScreenAndInsideTheView) {
    const auto place = [](double width, QRectF sprite, double height, bool preview,
                          std::optional<double> room) {
        BubbleLayout layout({}, 400);
        layout.width = width;
        layout.height = 80;
        return PetStageLayout::bubbleRect(layout, sprite, 444, height, preview, room);
    };
    const QRectF sprite(170, 0, 254, 254);
    // Above the pet and centred on it; pushed down to stay 8 pt below the screen's usable top,
    // or the view's top without a screen; the preview ignores the screen.
    EXPECT_EQ(place(200, sprite, 569, false, 2000), QRectF(197, 266, 200, 80));
    EXPECT_EQ(place(200, sprite, 569, false, 300).y(), 212);
    EXPECT_EQ(place(200, sprite, 320, false, std::nullopt).y(), 232);
    EXPECT_EQ(place(200, sprite, 100, true, 10).y(), 266);
    // The left clamp first, then the right clamp wins.
    EXPECT_EQ(place(200, {0, 0, 100, 100}, 569, false, 2000).x(), 8);
    EXPECT_EQ(place(440, sprite, 569, false, 2000).x(), -4);
}

TEST(PetStageLayoutTest, ThePanelLeavesRoomForTheBubbleAndIgnoresHalfPoints) {
    EXPECT_EQ(PetStageLayout::wantedHeight(254, std::nullopt), 569);
    EXPECT_EQ(PetStageLayout::wantedHeight(254, 281), 569);
    EXPECT_EQ(PetStageLayout::wantedHeight(254, 300), 588);
    EXPECT_FALSE(PetStageLayout::needsResize(569, 569.5));
    EXPECT_TRUE(PetStageLayout::needsResize(569, 569.51));
}

}  // namespace
}  // namespace tundle
