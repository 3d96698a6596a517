#pragma once

#include <QPoint>
#include <functional>
#include <memory>

#include "platform/GlobalMouseMonitor.h"
#include "platform/LocalEventMonitor.h"
#include "platform/PointerProbe.h"

class QWindow;

namespace tundle {

// The two watches that fold the function panel beside the pet: presses that go to other
// applications, and presses or key strokes in this application's other windows (or Escape
// anywhere). Neither keeps an event from its receiver.
class EventMonitors {
public:
    struct Hooks {
        std::function<QWindow*()> petPanel;
        // Whether the pet panel takes clicks at a global position (Qt's coordinates).
        std::function<bool(QPoint)> petPanelTakesClickAt;
        // Folds the function panel and hands over a waiting reminder.
        std::function<void()> dismiss;
    };

    EventMonitors(GlobalMouseMonitor& global, PointerProbe& pointer, Hooks hooks);
    ~EventMonitors();

    void install();
    // Global first, then local; each only when installed.
    void remove();

    static bool localEventDismisses(const LocalEvent& event, const QWindow* petPanel);

private:
    // Whether a press at `position` goes to another application: no window of ours takes it.
    bool pressGoesElsewhere(QPoint position) const;

    GlobalMouseMonitor& global_;
    PointerProbe& pointer_;
    Hooks hooks_;
    bool globalInstalled_ = false;
    std::unique_ptr<LocalEventMonitor> local_;
};

}  // namespace tundle
