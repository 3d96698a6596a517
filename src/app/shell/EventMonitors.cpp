#include "shell/EventMonitors.h"

#include <QGuiApplication>
#include <QWindow>

namespace tundle {

EventMonitors::EventMonitors(GlobalMouseMonitor& global, PointerProbe& pointer, Hooks hooks)
    : global_(global), pointer_(pointer), hooks_(std::move(hooks)) {}

EventMonitors::~EventMonitors() {
    remove();
}

void EventMonitors::install() {
    globalInstalled_ = global_.start([this] {
        const std::optional<PointerState> state = pointer_.query();
        if (state && pressGoesElsewhere(state->position)) {
            hooks_.dismiss();
        }
    });
    local_ = std::make_unique<LocalEventMonitor>([this](const LocalEvent& event) {
        if (localEventDismisses(event, hooks_.petPanel())) {
            hooks_.dismiss();
        }
    });
}

void EventMonitors::remove() {
    if (globalInstalled_) {
        global_.stop();
        globalInstalled_ = false;
    }
    local_.reset();
}

bool EventMonitors::localEventDismisses(const LocalEvent& event, const QWindow* petPanel) {
    // Escape folds the panel wherever it is pressed; anything else only outside the pet panel.
    if (event.kind == LocalEvent::Kind::keyDown && event.escape) {
        return true;
    }
    return event.window != petPanel;
}

bool EventMonitors::pressGoesElsewhere(QPoint position) const {
    const QWindow* petPanel = hooks_.petPanel();
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->isVisible() || !window->frameGeometry().contains(position)) {
            continue;
        }
        if (window != petPanel || hooks_.petPanelTakesClickAt(position)) {
            return false;
        }
    }
    return true;
}

}  // namespace tundle
