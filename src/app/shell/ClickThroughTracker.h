#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/InputPassThrough.h"
#include "platform/PointerProbe.h"

namespace tundle {

// Lets clicks fall through the pet panel wherever the pet is transparent, by looking at the
// pointer on every tick. A press that started on the pet keeps its events until it is released,
// even when the pointer leaves the pet.
class ClickThroughTracker : public QObject {
    Q_OBJECT

public:
    static constexpr int tickMilliseconds = 80;

    // `panelShown`: whether the panel is on screen; `interactiveAt`: whether the panel takes
    // clicks at a global position (Qt's coordinates).
    ClickThroughTracker(PointerProbe& pointer, InputPassThrough& input,
                        std::function<bool()> panelShown, std::function<bool(QPoint)> interactiveAt,
                        QObject* parent = nullptr);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    void tick();

    // Whether clicks fall through the panel now (they do not until the first tick says so).
    bool passingThrough() const { return passingThrough_; }

    // The rule of one tick: the new pass-through state, none to keep the current one.
    static std::optional<bool> nextPassThrough(bool buttonDown, bool interactive);

private:
    PointerProbe& pointer_;
    InputPassThrough& input_;
    std::function<bool()> panelShown_;
    std::function<bool(QPoint)> interactiveAt_;
    bool passingThrough_ = false;
    QTimer timer_;
};

}  // namespace tundle
