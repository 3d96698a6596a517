#include "companion/BreathingService.h"

#include <gtest/gtest.h>

namespace tundle {
namespace {

class BreathingServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        service.setOnComplete([this] { ++completions; });
    }
    void at(double seconds) { current = qint64(seconds * 1000); }

    // An uptime far from zero, so nothing depends on the clock's origin.
    static constexpr qint64 origin = 5'000'000;
    qint64 current = origin;
    BreathingService service{[this] { return current; }, false};
    int completions = 0;
};

TEST_F(BreathingServiceTest, DurationChangesOnlyOutsideAnExercise) {
    EXPECT_EQ(service.state(), BreathingState::idle);
    EXPECT_EQ(service.durationMinutes(), 3);
    EXPECT_EQ(service.remainingText(), "03:00");

    service.setDuration(5);
    EXPECT_EQ(service.remainingSeconds(), 300);
    service.setDuration(4);
    EXPECT_EQ(service.durationMinutes(), 3);
    EXPECT_EQ(service.remainingSeconds(), 180);

    service.start();
    at(origin / 1000.0 + 20);
    service.tick();
    service.setDuration(1);
    EXPECT_EQ(service.durationMinutes(), 3);
    EXPECT_EQ(service.remainingSeconds(), 160);
    EXPECT_EQ(service.state(), BreathingState::running);

    service.reset();
    EXPECT_EQ(service.state(), BreathingState::idle);
    EXPECT_EQ(service.remainingSeconds(), 180);
    EXPECT_EQ(completions, 0);
}

TEST_F(BreathingServiceTest, PauseAndResumeKeepTheTimeLeft) {
    const double t = origin / 1000.0;
    service.setDuration(1);
    service.start();
    at(t + 10);
    service.pause();
    EXPECT_EQ(service.state(), BreathingState::paused);
    EXPECT_EQ(service.remainingSeconds(), 50);

    // Nothing but resume continues a paused exercise.
    at(t + 110);
    service.start();
    service.tick();
    EXPECT_EQ(service.state(), BreathingState::paused);
    EXPECT_EQ(service.remainingSeconds(), 50);
    EXPECT_EQ(service.moment().elapsed, 10);

    service.resume();
    at(t + 159.5);
    service.tick();
    EXPECT_EQ(service.remainingText(), "00:01");
    at(t + 160);
    service.tick();
    service.tick();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(service.remainingSeconds(), 0);
    EXPECT_EQ(completions, 1);

    // A new start after completing is a full run.
    service.start();
    EXPECT_EQ(service.state(), BreathingState::running);
    EXPECT_EQ(service.remainingSeconds(), 60);
}

TEST_F(BreathingServiceTest, PauseAfterTheDeadlineCompletesOnce) {
    service.setDuration(1);
    service.start();
    at(origin / 1000.0 + 75);
    service.pause();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(service.remainingSeconds(), 0);
    EXPECT_EQ(completions, 1);
    service.pause();
    service.tick();
    service.resume();
    EXPECT_EQ(service.state(), BreathingState::completed);
    EXPECT_EQ(completions, 1);

    // Stopping a running exercise is not completing it.
    service.start();
    service.reset();
    EXPECT_EQ(completions, 1);
}

TEST_F(BreathingServiceTest, MomentFollowsTheEightSecondBreath) {
    const double t = origin / 1000.0;
    EXPECT_EQ(service.moment(), (BreathMoment{true, 0.0, 0.0, 0.0}));
    service.start();
    EXPECT_EQ(service.moment(), (BreathMoment{true, 0.0, 0.0, 0.0}));
    at(t + 2);
    EXPECT_NEAR(service.moment().expansion, 0.5, 1e-12);
    EXPECT_TRUE(service.moment().inhaling);
    at(t + 4);
    EXPECT_FALSE(service.moment().inhaling);
    EXPECT_DOUBLE_EQ(service.moment().expansion, 1.0);
    EXPECT_DOUBLE_EQ(service.moment().cycleProgress, 0.5);
    at(t + 8);
    EXPECT_NEAR(service.moment().expansion, 0.0, 1e-12);
    EXPECT_EQ(service.moment().cycleProgress, 0.0);
    EXPECT_EQ(service.moment().elapsed, 8);

    // After completing, the whole run counts as elapsed: 180 s ends half way through a breath.
    at(t + 400);
    service.tick();
    const BreathMoment last = service.moment();
    EXPECT_EQ(last.elapsed, 180);
    EXPECT_FALSE(last.inhaling);
    EXPECT_DOUBLE_EQ(last.expansion, 1.0);
    EXPECT_DOUBLE_EQ(last.cycleProgress, 0.5);
}

TEST(BreathMoment, SourceFramePositionWalksTheStripForward) {
    const auto at = [](double progress) { return BreathMoment{.cycleProgress = progress}; };
    EXPECT_EQ(at(0.3).sourceFramePosition(1, 0, std::nullopt), 0);
    EXPECT_EQ(at(0.3).sourceFramePosition(0, 0, 3), 0);

    // Without a peak it lies half a strip after the rest frame.
    EXPECT_DOUBLE_EQ(at(0.25).sourceFramePosition(8, 0, std::nullopt), 2);
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(8, 0, std::nullopt), 6);
    EXPECT_DOUBLE_EQ(at(0.25).sourceFramePosition(7, 5, std::nullopt), 5 + 1.5);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(7, 5, std::nullopt), 1);

    // A rest past the peak wraps over the strip's end on the way in.
    EXPECT_DOUBLE_EQ(at(0.25).sourceFramePosition(10, 2, 1), 6.5);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(10, 2, 1), 1);
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(10, 2, 1), 1.5);

    // Out-of-range frames are limited to the strip; rest equal to peak makes one full lap.
    EXPECT_DOUBLE_EQ(at(0.0).sourceFramePosition(8, 20, std::nullopt), 7);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(8, -4, 99), 7);
    EXPECT_DOUBLE_EQ(at(0.5).sourceFramePosition(8, 3, 3), 7);
    EXPECT_DOUBLE_EQ(at(0.75).sourceFramePosition(8, 3, 3), 1);
    const double almostDone = at(0.999).sourceFramePosition(8, 0, 4);
    EXPECT_GE(almostDone, 7.9);
    EXPECT_LT(almostDone, 8);
}

}  // namespace
}  // namespace tundle
