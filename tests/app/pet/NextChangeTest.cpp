#include <gtest/gtest.h>

#include "pet/NextChange.h"

namespace tundle {
namespace {

const QDateTime noon(QDate(2026, 3, 2), QTime(12, 0, 0, 250), Qt::UTC);

TEST(NextChangeTest, WakesForTheSoonestChangeAndNeverForNothing) {
    EXPECT_FALSE(NextChange::after({.now = noon}));
    // The farm's growth matters only on screen.
    EXPECT_FALSE(NextChange::after({.now = noon, .cropsGrowing = true}));

    EXPECT_DOUBLE_EQ(*NextChange::after({.now = noon, .nextFrame = 0.05}), 0.05);
    EXPECT_NEAR(*NextChange::after({.now = noon, .breathingRunning = true}), 0.75, 1e-9);
    EXPECT_NEAR(*NextChange::after({.now = noon, .farmShown = true, .cropsGrowing = true}), 4.75,
                1e-9);
    EXPECT_NEAR(
        *NextChange::after({.now = noon, .nextFrame = 2, .farmShown = true, .feedbackFade = 40}),
        0.04, 1e-9);
    EXPECT_LE(*NextChange::after({.now = noon, .walking = true}), 1 / NextChange::walkSteps);
    EXPECT_LE(*NextChange::after({.now = noon, .farmShown = true, .weatherFalls = true}),
              1 / NextChange::weatherSteps);

    // The countdown label counts whole seconds, rounded up: 3.4 s left reads 4 s until 0.4 s on.
    EXPECT_NEAR(
        *NextChange::after({.now = noon, .farmShown = true, .countdownEnds = noon.addMSecs(3400)}),
        0.4, 1e-9);
    EXPECT_NEAR(
        *NextChange::after({.now = noon, .farmShown = true, .countdownEnds = noon.addMSecs(3000)}),
        1.0, 1e-9);
}

}  // namespace
}  // namespace tundle
