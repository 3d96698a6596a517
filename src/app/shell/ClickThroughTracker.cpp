#include "shell/ClickThroughTracker.h"

namespace tundle {

ClickThroughTracker::ClickThroughTracker(PointerProbe& pointer, InputPassThrough& input,
                                         std::function<bool()> panelShown,
                                         std::function<bool(QPoint)> interactiveAt, QObject* parent)
    : QObject(parent),
      pointer_(pointer),
      input_(input),
      panelShown_(std::move(panelShown)),
      interactiveAt_(std::move(interactiveAt)) {
    timer_.setInterval(tickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ClickThroughTracker::tick);
}

void ClickThroughTracker::start() {
    if (pointer_.reportsChanges()) {
        pointer_.onChange = [this] { wake(); };
    }
    timer_.start();
}

void ClickThroughTracker::stop() {
    pointer_.onChange = nullptr;
    timer_.stop();
}

void ClickThroughTracker::rest() {
    if (!resting_ && pointer_.reportsChanges()) {
        resting_ = true;
        timer_.setInterval(restingMilliseconds);
    }
}

void ClickThroughTracker::wake() {
    if (resting_) {
        resting_ = false;
        sameTicks_ = 0;
        timer_.setInterval(tickMilliseconds);
        tick();
    }
}

std::optional<bool> ClickThroughTracker::nextPassThrough(bool buttonDown, bool interactive) {
    // During a press the panel may start taking clicks but never stops: a drag that leaves the
    // pet keeps its events.
    if (buttonDown) {
        return interactive ? std::optional<bool>(false) : std::nullopt;
    }
    return !interactive;
}

void ClickThroughTracker::tick() {
    if (!panelShown_()) {
        rest();
        return;
    }
    if (resting_) {
        pointer_.refresh();
    }
    const std::optional<PointerState> state = pointer_.query();
    if (!state) {
        return;
    }
    sameTicks_ = state == last_ ? sameTicks_ + 1 : 0;
    last_ = state;
    if (sameTicks_ >= stillTicks && !state->buttonDown) {
        rest();
    } else if (resting_) {
        resting_ = false;
        timer_.setInterval(tickMilliseconds);
    }
    const std::optional<bool> next =
        nextPassThrough(state->buttonDown, interactiveAt_(state->position));
    // The window is told only about a change, so a still pointer costs no request.
    if (next && *next != passingThrough_) {
        passingThrough_ = *next;
        input_.setPassThrough(passingThrough_);
    }
}

}  // namespace tundle
