#include <gtest/gtest.h>

#include <QRect>

#include "shell/ClickThroughTracker.h"

namespace tundle {
namespace {

struct FakePointer : PointerProbe {
    PointerState state;
    int queries = 0;
    std::optional<PointerState> query() override {
        ++queries;
        return state;
    }
};

struct FakeInput : InputPassThrough {
    std::vector<bool> requests;
    void setPassThrough(bool passThrough) override { requests.push_back(passThrough); }
};

TEST(ClickThroughTrackerTest, SwitchesOnlyOnChangeAndNeverDuringAPress) {
    FakePointer pointer;
    FakeInput input;
    bool shown = true;
    const QRect pet(100, 100, 50, 50);
    ClickThroughTracker tracker(
        pointer, input, [&shown] { return shown; },
        [&pet](QPoint position) { return pet.contains(position); });

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

}  // namespace
}  // namespace tundle
