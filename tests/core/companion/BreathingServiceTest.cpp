#include "companion/BreathingService.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

class BreathingServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        service.setOnComplete([this] { ++completions; });
    }
    // Seconds after an uptime far from zero, so nothing depends on the clock's origin.
    void at(double seconds) { current = 5'000'000 + qint64(seconds * 1000); }

    qint64 current = 5'000'000;
    BreathingService service{[this] { return current; }, false};
    int completions = 0;
};

TEST_F(BreathingServiceTest, LengthChangesOnlyOutsideAnExercise) {
    EXPECT_EQ(service.remainingText(), "03:00");
    service.setDuration(5);
    EXPECT_EQ(service.remainingSeconds(), 300);
    service.setDuration(4);
    EXPECT_EQ(service.durationMinutes(), 3);

    service.start();
    at(20);
    service.tick();
    service.setDuration(1);
    EXPECT_EQ(service.durationMinutes(), 3);
    EXPECT_EQ(service.remainingSeconds(), 160);
    service.reset();
    EXPECT_EQ(service.state(), BreathingState::idle);
    EXPECT_EQ(service.remainingSeconds(), 180);
    EXPECT_EQ(completions, 0);
}

TEST_F(BreathingServiceTest, PauseAndResumeKeepTheTimeLeft) {
    service.setDuration(1);
    service.start();
    at(10);
    service.pause();
    EXPECT_EQ(service.state(), BreathingState::paused);
    EXPECT_EQ(service.remainingSeconds(), 50);

    // Only resume continues a paused exercise.
    at(110);
    service.start();
    EXPECT_EQ(service.state(), BreathingState::paused);
    service.resume();
    at(159.5);
    service.tick();
    EXPECT_EQ(service.remainingText(), "00:01");
    at(160);
    service.tick();
    service.tick();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(completions, 1);
    service.start();
    EXPECT_EQ(service.remainingSeconds(), 60);
}

TEST_F(BreathingServiceTest, PauseAfterTheDeadlineCompletesOnce) {
    service.setDuration(1);
    service.start();
    at(75);
    service.pause();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(service.remainingSeconds(), 0);
    service.pause();
    service.tick();
    service.resume();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(completions, 1);
}

TEST_F(BreathingServiceTest, MomentFollowsTheEightSecondBreath) {
    service.start();
    EXPECT_EQ(service.moment(), (BreathMoment{true, 0.0, 0.0, 0.0}));
    at(2);
    EXPECT_NEAR(service.moment().expansion, 0.5, 1e-12);
    at(4);
    EXPECT_FALSE(service.moment().inhaling);
    EXPECT_DOUBLE_EQ(service.moment().expansion, 1.0);
    at(8);
    EXPECT_EQ(service.moment().cycleProgress, 0.0);

    // A completed exercise counts all 180 s as elapsed: half way through a breath.
    at(400);
    service.tick();
    EXPECT_EQ(service.moment().elapsed, 180);
    EXPECT_DOUBLE_EQ(service.moment().cycleProgress, 0.5);
}

TEST(BreathMoment, SourceFramePositionWalksTheStripForward) {
    const auto at = [](double progress) { return BreathMoment{.cycleProgress = progress}; };
    EXPECT_EQ(at(0.3).sourceFramePosition(1, 0, 3), 0);
    // Without a peak it lies half a strip after the rest frame.
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(8, 0, std::nullopt), 6);
    EXPECT_DOUBLE_EQ(at(0.25).sourceFramePosition(7, 5, std::nullopt), 6.5);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(7, 5, std::nullopt), 1);
    // A rest past the peak wraps over the strip's end on the way in.
    EXPECT_DOUBLE_EQ(at(0.25).sourceFramePosition(10, 2, 1), 6.5);
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(10, 2, 1), 1.5);
    // Frames are limited to the strip; rest equal to peak makes one full lap.
    EXPECT_DOUBLE_EQ(at(0.0).sourceFramePosition(8, 20, std::nullopt), 7);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(8, -4, 99), 7);
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(8, 3, 3), 1);
}

}  // namespace
}  // namespace tundle
