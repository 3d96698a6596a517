#include "toolkit/SliderScale.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

TEST(SliderScaleTest, EndsAreExactAndStepsAreWholeHundredths) {
    const SliderScale farm = SliderScale::farmScale;
    ASSERT_EQ(farm.lastPosition(), 12);
    for (int position = 0; position <= farm.lastPosition(); ++position) {
        EXPECT_EQ(farm.value(position), (60 + 5 * position) / 100.0)
            << "position " << position << " names its hundredths, not a sum of steps";
    }
    EXPECT_EQ(farm.value(12), 1.2);
    EXPECT_LE(farm.value(12), farm.maximum());
    EXPECT_EQ(farm.value(0), 0.6);
    EXPECT_EQ(farm.value(5), 0.85);
    EXPECT_EQ(farm.value(40), 1.2) << "beyond the end is the end";
    EXPECT_EQ(farm.value(-3), 0.6);

    const SliderScale pet = SliderScale::petScale;
    ASSERT_EQ(pet.lastPosition(), 13);
    EXPECT_EQ(pet.value(0), 0.75);
    EXPECT_EQ(pet.value(13), 1.4);
    for (int position = 0; position <= pet.lastPosition(); ++position) {
        EXPECT_EQ(pet.position(pet.value(position)), position);
        EXPECT_GE(pet.value(position), pet.minimum());
        EXPECT_LE(pet.value(position), pet.maximum());
    }
}

TEST(SliderScaleTest, PositionsOfStoredFactorsAreTheNearestStepInside) {
    const SliderScale pet = SliderScale::petScale;
    EXPECT_EQ(pet.position(1.0), 5);
    EXPECT_EQ(pet.position(0.77), 0);
    EXPECT_EQ(pet.position(0.79), 1);
    EXPECT_EQ(pet.position(0.5), 0);
    EXPECT_EQ(pet.position(3.0), 13);
    EXPECT_EQ(pet.position(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(SliderScaleTest, PercentTextsDropTheFractionOfAPercent) {
    EXPECT_EQ(wholePercent(0.75), QStringLiteral("75%"));
    EXPECT_EQ(wholePercent(1.4), QStringLiteral("140%"));
    EXPECT_EQ(wholePercent(0.6), QStringLiteral("60%"));
    EXPECT_EQ(wholePercent(1.2), QStringLiteral("120%"));
    EXPECT_EQ(wholePercent(1.149), QStringLiteral("114%")) << "truncated, not rounded";
    EXPECT_EQ(wholePercent(1.1499), QStringLiteral("114%"));
    EXPECT_EQ(wholePercent(1.15), QStringLiteral("115%"))
        << "the step the slider names shows as chosen, not a hair below";
    EXPECT_EQ(wholePercent(SliderScale::petScale.value(8)), QStringLiteral("115%"));
    EXPECT_EQ(wholePercent(1.1), QStringLiteral("110%"));
}

}  // namespace
}  // namespace tundle
