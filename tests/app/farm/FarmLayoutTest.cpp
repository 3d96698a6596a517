#include <gtest/gtest.h>

#include "farm/FarmLayout.h"

namespace tundle {
namespace {

const QRectF scene(170, 0, 300, 400);
const QDateTime start = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

FarmPlot tilled(int id) {
    return FarmPlot{.id = id, .tilled = true};
}

FarmButtonState selecting(int plot, const std::vector<FarmPlot>& plots, double scale = 1.0) {
    return FarmButtonState{.scene = QRectF(170, 0, 300 * scale, 400 * scale),
                           .scale = scale,
                           .selected = plot,
                           .plots = &plots,
                           .now = start};
}

void expectNear(QPointF actual, QPointF expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
}

TEST(FarmLayoutTest, PlotsLieWhereTheTableSaysAndHitTheFirstContainingPlot) {
    const std::vector<QRectF> rects = FarmLayout::plotRects(scene, 1.0);
    ASSERT_EQ(rects.size(), 9u);
    EXPECT_EQ(rects[4], QRectF(276, 111.5, 88, 45));
    EXPECT_EQ(FarmLayout::plotAt(rects, {320, 130}), 4);
    EXPECT_EQ(FarmLayout::plotAt(rects, {320, 250}), std::nullopt);
    EXPECT_TRUE(FarmLayout::plotRects(QRectF(), 1.0).empty());
}

TEST(FarmLayoutTest, ButtonRowsCentreOnThePlotButStayInsideThePanel) {
    std::vector<FarmPlot> plots;
    for (int i = 0; i < 9; ++i) {
        plots.push_back(tilled(i));
    }
    struct Case {
        int plot;
        double scale;
        double firstX;
        double y;
    };
    // Plot 0 fits; plot 8 is pushed left to end 5 pt inside; plot 6 at 0.6 is pushed right.
    for (const Case& c : {Case{0, 1.0, 179, 169}, Case{8, 1.0, 363, 47},
                          Case{6, 0.6, 170 + 3, 0.18 * 240 - 16.8 + 1.8}}) {
        SCOPED_TRACE(c.plot);
        const auto buttons = FarmLayout::inlineButtons(selecting(c.plot, plots, c.scale));
        ASSERT_EQ(buttons.size(), 3u);
        EXPECT_NEAR(buttons[0].rect.x(), c.firstX, 1e-9);
        EXPECT_NEAR(buttons[0].rect.y(), c.y, 1e-9);
        EXPECT_NEAR(buttons[1].rect.x() - buttons[0].rect.right(), 3 * c.scale, 1e-9);
        EXPECT_NEAR(buttons[0].rect.width(), 32 * c.scale, 1e-9);
        EXPECT_EQ(buttons[2].action, FarmInlineAction::sow(FarmCrop::watermelon));
        EXPECT_EQ(buttons[1].title, QStringLiteral("玉米"));
    }
}

TEST(FarmLayoutTest, ButtonsFollowThePlotStateAndHideWhileThePetIsBusy) {
    const FarmPlot growing{.id = 0,
                           .tilled = true,
                           .crop = FarmCrop::radish,
                           .plantedAt = start.addSecs(-10),
                           .watered = false};
    FarmPlot watered = growing;
    watered.watered = true;
    FarmPlot ripe = growing;
    ripe.plantedAt = start.addDays(-30);
    struct Case {
        FarmPlot plot;
        std::optional<QString> title;
    };
    for (const Case& c :
         {Case{FarmPlot{}, QStringLiteral("松土")}, Case{growing, QStringLiteral("浇水")},
          Case{watered, std::nullopt}, Case{ripe, QStringLiteral("收获")}}) {
        const std::vector<FarmPlot> plots{c.plot};
        const auto buttons = FarmLayout::inlineButtons(selecting(0, plots));
        ASSERT_EQ(buttons.size(), c.title ? 1u : 0u);
        if (c.title) {
            EXPECT_EQ(buttons[0].title, *c.title);
            EXPECT_EQ(buttons[0].rect.size(), QSizeF(54, 23));
            EXPECT_EQ(FarmLayout::actionAt(buttons, buttons[0].rect.center()), buttons[0].action);
        }
    }
    const std::vector<FarmPlot> plots{FarmPlot{}};
    FarmButtonState walking = selecting(0, plots);
    walking.walking = true;
    FarmButtonState sowing = selecting(0, plots);
    sowing.idle = false;
    FarmButtonState outside = selecting(1, plots);
    FarmButtonState hidden = selecting(0, plots);
    hidden.scene = QRectF();
    for (const FarmButtonState& state : {walking, sowing, outside, hidden}) {
        EXPECT_TRUE(FarmLayout::inlineButtons(state).empty());
    }
    EXPECT_NE(FarmInlineAction::sow(FarmCrop::corn), FarmInlineAction::sow(FarmCrop::radish));
}

TEST(FarmLayoutTest, ThePetWalksBetweenSpotsEasingInAndOut) {
    const FarmWalk walk{.petPlot = 2, .from = 2, .to = 6, .start = start};
    expectNear(FarmLayout::petPosition(walk, start.addMSecs(-100)), {0.71, 0.405});
    expectNear(FarmLayout::petPosition(walk, start), {0.71, 0.405});
    expectNear(FarmLayout::petPosition(walk, start.addMSecs(310)), {0.48, 0.265});
    expectNear(FarmLayout::petPosition(walk, start.addMSecs(620)), {0.25, 0.125});
    expectNear(FarmLayout::petPosition(walk, start.addSecs(5)), {0.25, 0.125});
    expectNear(FarmLayout::petPosition({4, {}, {}, {}}, start), {0.59, 0.28});
    expectNear(FarmLayout::petPosition({9, {}, {}, {}}, start), {0.5, 0.54});
    expectNear(FarmLayout::petPosition({}, start), {0.5, 0.54});
}

}  // namespace
}  // namespace tundle
