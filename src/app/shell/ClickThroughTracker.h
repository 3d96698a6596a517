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
// even when the pointer leaves the pet. While the pointer rests (or the panel is hidden) and the
// probe reports every move, the ticks slow to one a second, which still finds a pointer that a
// program warped without a report; the next reported move wakes the tracker at once.
class ClickThroughTracker : public QObject {
    Q_OBJECT

public:
    static constexpr int tickMilliseconds = 80;
    static constexpr int restingMilliseconds = 1000;
    // Ticks with the same answer before the tracker rests.
    static constexpr int stillTicks = 3;

    // `panelShown`: whether the panel is on screen; `interactiveAt`: whether the panel takes
    // clicks at a global position (Qt's coordinates).
    ClickThroughTracker(PointerProbe& pointer, InputPassThrough& input,
                        std::function<bool()> panelShown, std::function<bool(QPoint)> interactiveAt,
                        QObject* parent = nullptr);

    void start();
    void stop();
    void tick();
    bool resting() const { return resting_; }
    int interval() const { return timer_.interval(); }

    // Whether clicks fall through the panel now (they do not until the first tick says so).
    bool passingThrough() const { return passingThrough_; }

    // The rule of one tick: the new pass-through state, none to keep the current one.
    static std::optional<bool> nextPassThrough(bool buttonDown, bool interactive);

private:
    void rest();
    void wake();

    PointerProbe& pointer_;
    InputPassThrough& input_;
    std::function<bool()> panelShown_;
    std::function<bool(QPoint)> interactiveAt_;
    bool passingThrough_ = false;
    bool resting_ = false;
    std::optional<PointerState> last_;
    int sameTicks_ = 0;
    QTimer timer_;
};

}  // namespace tundle
