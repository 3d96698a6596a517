#include <gtest/gtest.h>

#include "farm/FarmPointerRules.h"

namespace tundle {
namespace {

// Plot 0 at the left, plot 1 at the right, with two buttons over plot 0's lower part.
FarmTargets targets() {
    return {
        QRectF(0, 0, 300, 400),
        {QRectF(10, 10, 80, 40), QRectF(200, 10, 80, 40)},
        {{FarmInlineAction::sow(FarmCrop::radish), QStringLiteral("小萝卜"),
          QRectF(10, 10, 30, 20)},
         {FarmInlineAction::sow(FarmCrop::corn), QStringLiteral("玉米"), QRectF(45, 10, 30, 20)}}};
}

TEST(FarmPointerRulesTest, AButtonActsOnlyWhenReleasedOnItself) {
    const QPointF radish(20, 15);
    const QPointF corn(50, 15);
    struct Case {
        QPointF release;
        std::optional<FarmInlineAction> perform;
    };
    for (const Case& c : {Case{radish, FarmInlineAction::sow(FarmCrop::radish)},
                          Case{corn, std::nullopt}, Case{{150, 200}, std::nullopt}}) {
        FarmPointerState state{.selected = 0};
        const FarmPointerOutcome pressed = FarmPointerRules::press(state, targets(), radish);
        EXPECT_TRUE(pressed.handled && pressed.redraw);
        EXPECT_EQ(state.pressedAction, FarmInlineAction::sow(FarmCrop::radish));
        const FarmPointerOutcome released = FarmPointerRules::release(state, targets(), c.release);
        EXPECT_EQ(released.perform, c.perform);
        EXPECT_TRUE(released.redraw);
        EXPECT_EQ(state.pressedAction, std::nullopt);
        EXPECT_EQ(state.selected, 0);
    }
}

TEST(FarmPointerRulesTest, PlotClicksToggleTheSelectionAndTheFieldBetweenClearsIt) {
    struct Case {
        std::optional<int> selected;
        QPointF press;
        QPointF release;
        std::optional<int> after;
        bool dismiss;
    };
    for (const Case& c :
         {Case{std::nullopt, {210, 40}, {220, 40}, 1, true},
          Case{1, {210, 40}, {220, 40}, std::nullopt, true}, Case{0, {210, 40}, {220, 40}, 1, true},
          Case{0, {210, 40}, {60, 40}, 0, false},
          Case{0, {150, 200}, {150, 200}, std::nullopt, false}}) {
        FarmPointerState state{.selected = c.selected};
        EXPECT_TRUE(FarmPointerRules::press(state, targets(), c.press).handled);
        const FarmPointerOutcome released = FarmPointerRules::release(state, targets(), c.release);
        EXPECT_EQ(state.selected, c.after);
        EXPECT_EQ(released.dismissBubble, c.dismiss);
    }
    // Outside the farm, and with the farm hidden, a press is left to the pet's drag.
    FarmPointerState state{.selected = 1};
    EXPECT_FALSE(FarmPointerRules::press(state, targets(), {350, 50}).handled);
    EXPECT_FALSE(FarmPointerRules::press(state, FarmTargets{}, {210, 40}).handled);
    EXPECT_EQ(state.selected, 1);
}

TEST(FarmPointerRulesTest, HoverRedrawsOnlyOnAChangeAndAlwaysOnLeaving) {
    FarmPointerState state;
    EXPECT_TRUE(FarmPointerRules::move(state, targets(), QPointF(210, 40)).redraw);
    EXPECT_EQ(state.hover, 1);
    EXPECT_FALSE(FarmPointerRules::move(state, targets(), QPointF(220, 30)).redraw);
    EXPECT_TRUE(FarmPointerRules::move(state, targets(), QPointF(150, 200)).redraw);
    EXPECT_EQ(state.hover, std::nullopt);
    EXPECT_TRUE(FarmPointerRules::move(state, targets(), std::nullopt).redraw);
}

}  // namespace
}  // namespace tundle
