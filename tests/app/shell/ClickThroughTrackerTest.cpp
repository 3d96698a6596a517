#include <gtest/gtest.h>

#include <QRect>

#include "shell/ClickThroughTracker.h"

namespace tundle {
namespace {

struct FakePointer : PointerProbe {
    PointerState state;
    int queries = 0;
    bool reports = false;
    int refreshes = 0;
    std::optional<PointerState> query() override {
        ++queries;
        return state;
    }
    bool reportsChanges() const override { return reports; }
    void refresh() override { ++refreshes; }
};

struct FakeInput : InputPassThrough {
    std::vector<bool> requests;
    void setPassThrough(bool passThrough) override { requests.push_back(passThrough); }
};

// A pet at (100, 100, 50, 50) on a panel shown while `shown` says so.
struct TrackedPet {
    explicit TrackedPet(bool reports = false) { pointer.reports = reports; }

    FakePointer pointer;
    FakeInput input;
    bool shown = true;
    const QRect pet{100, 100, 50, 50};
    ClickThroughTracker tracker{pointer, input, [this] { return shown; },
                                [this](QPoint position) { return pet.contains(position); }};
};

TEST(ClickThroughTrackerTest, SwitchesOnlyOnChangeAndNeverDuringAPress) {
    TrackedPet t;
    auto& [pointer, input, shown, pet, tracker] = t;

    pointer.state = {QPoint(10, 10), false};
    tracker.tick();
    tracker.tick();
    EXPECT_EQ(input.requests, std::vector<bool>{true});

    pointer.state = {QPoint(120, 120), false};
    tracker.tick();
    pointer.state = {QPoint(120, 120), true};
    tracker.tick();
    pointer.state = {QPoint(400, 400), true};  // dragged off the pet, still held
    tracker.tick();
    EXPECT_FALSE(tracker.passingThrough());
    pointer.state = {QPoint(400, 400), false};
    tracker.tick();
    EXPECT_EQ(input.requests, (std::vector<bool>{true, false, true}));

    shown = false;
    const int queries = pointer.queries;
    tracker.tick();
    EXPECT_EQ(pointer.queries, queries);
}

TEST(ClickThroughTrackerTest, RestsWhileThePointerRestsAndWakesOnAMove) {
    TrackedPet t(true);
    auto& [pointer, input, shown, pet, tracker] = t;
    tracker.start();
    const auto ticks = [&tracker](int count) {
        for (int i = 0; i < count; ++i) {
            tracker.tick();
        }
    };

    pointer.state = {QPoint(10, 10), false};
    ticks(ClickThroughTracker::stillTicks);
    EXPECT_FALSE(tracker.resting());
    tracker.tick();
    EXPECT_TRUE(tracker.resting());
    EXPECT_EQ(tracker.interval(), ClickThroughTracker::restingMilliseconds);

    // A reported move wakes it at once, and the move is seen in the same instant.
    pointer.state = {QPoint(120, 120), false};
    pointer.onChange();
    EXPECT_FALSE(tracker.resting());
    EXPECT_EQ(tracker.interval(), ClickThroughTracker::tickMilliseconds);
    EXPECT_EQ(input.requests, (std::vector<bool>{true, false}));

    // A held button never lets it rest: the press may still leave the pet.
    pointer.state = {QPoint(120, 120), true};
    ticks(10);
    EXPECT_FALSE(tracker.resting());

    // A pointer warped without a report is found by the next resting tick, which asks afresh.
    pointer.state = {QPoint(10, 10), false};
    ticks(ClickThroughTracker::stillTicks + 1);
    ASSERT_TRUE(tracker.resting());
    const int refreshes = pointer.refreshes;
    pointer.state = {QPoint(130, 130), false};
    tracker.tick();
    EXPECT_EQ(pointer.refreshes, refreshes + 1);
    EXPECT_FALSE(tracker.resting());
    EXPECT_EQ(input.requests, (std::vector<bool>{true, false, true, false}));

    // A hidden panel rests the tracker too.
    shown = false;
    tracker.tick();
    EXPECT_TRUE(tracker.resting());
    tracker.stop();
    EXPECT_FALSE(pointer.onChange);
}

TEST(ClickThroughTrackerTest, APointerThatCannotReportIsAlwaysPolled) {
    FakePointer pointer;
    FakeInput input;
    ClickThroughTracker tracker(
        pointer, input, [] { return true; }, [](QPoint) { return false; });
    tracker.start();
    for (int i = 0; i < 10; ++i) {
        tracker.tick();
    }
    EXPECT_FALSE(tracker.resting());
    EXPECT_EQ(tracker.interval(), ClickThroughTracker::tickMilliseconds);
}

}  // namespace
}  // namespace tundle
