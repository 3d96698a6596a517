#include <gtest/gtest.h>

#include "shell/PetPanelGeometry.h"

namespace tundle {
namespace {

TEST(PetPanelGeometryTest, PanelSizeFollowsPetAndFarm) {
    struct Case {
        PetPanelLayout layout;
        QSizeF size;
    };
    const Case cases[] = {
        {{1.0, false, 1.0}, {444, 569}},
        {{1.0, true, 0.85}, {445, 655}},
        {{0.5, false, 1.0}, {420, 442}},  // the width is held at its minimum
        {{2.0, true, 0.5}, {420, 823}},   // the pet is taller than the small farm
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PetPanelGeometry::panelSize(c.layout), c.size) << c.layout.petScale;
    }
    EXPECT_DOUBLE_EQ(PetPanelGeometry::contentHeight({1.0, true, 0.85}), 340);
    EXPECT_DOUBLE_EQ(PetPanelGeometry::contentHeight({1.5, false, 0.85}), 381);
}

TEST(PetPanelGeometryTest, StartOriginShiftsOnlyAStoredOlderPosition) {
    const QRectF main(0, 40, 1440, 860);
    const double width = 444;
    DevicePreferences fresh;
    EXPECT_EQ(PetPanelGeometry::startOrigin(fresh, 1.0, main, width), QPointF(966, 56));

    DevicePreferences older;
    older.petX = 500;
    older.petY = 300;
    EXPECT_EQ(PetPanelGeometry::startOrigin(older, 1.0, main, width), QPointF(343, 300));
    EXPECT_EQ(PetPanelGeometry::startOrigin(older, 1.2, main, width), QPointF(330, 300));

    DevicePreferences current = older;
    current.accessoryLayoutV1 = true;
    EXPECT_EQ(PetPanelGeometry::startOrigin(current, 1.0, main, width), QPointF(500, 300));

    // Half a stored position is not used, so it is not shifted either.
    DevicePreferences half;
    half.petX = 500;
    EXPECT_EQ(PetPanelGeometry::startOrigin(half, 1.0, main, width), QPointF(966, 56));
}

TEST(PetPanelGeometryTest, ClampKeepsThePetOnTheScreenHoldingItsCentre) {
    const QRectF left(0, 0, 1000, 800);
    const QRectF right(1000, 100, 800, 600);
    const double pet = 254;  // kept on screen: 278
    struct Case {
        const char* name;
        QRectF panel;
        std::vector<QRectF> screens;
        std::optional<QRectF> main;
        std::optional<QPointF> origin;
    };
    const Case cases[] = {
        {"no screen", {5000, 5000, 444, 569}, {}, std::nullopt, std::nullopt},
        {"inside stays", {100, 100, 444, 569}, {left}, left, QPointF(100, 100)},
        {"only the pet stays below the top", {100, 600, 444, 569}, {left}, left, QPointF(100, 522)},
        {"past the left and bottom", {-300, -50, 444, 569}, {left}, left, QPointF(0, 0)},
        {"second screen by the centre",
         {1500, 50, 444, 569},
         {left, right},
         left,
         QPointF(1356, 100)},
        {"centred on no screen goes to main",
         {3000, 2000, 444, 569},
         {left, right},
         left,
         QPointF(556, 522)},
        {"far edge belongs to the next screen",
         {778, 300, 444, 569},
         {left, right},
         left,
         QPointF(1000, 300)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PetPanelGeometry::clampedOrigin(c.panel, pet, c.screens, c.main), c.origin)
            << c.name;
    }
}

}  // namespace
}  // namespace tundle
