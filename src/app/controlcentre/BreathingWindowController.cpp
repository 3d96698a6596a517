#include "controlcentre/BreathingWindowController.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "controlcentre/BreathingPanel.h"
#include "controlcentre/BreathingView.h"
#include "model/AppModel.h"
#include "platform/SessionEvents.h"

namespace tundle {

BreathingWindowController::Desk BreathingWindowController::systemDesk() {
    return Desk{
        .pointer = [] { return QCursor::pos(); },
        .screens =
            [] {
                std::vector<ScreenArea> areas;
                for (const QScreen* screen : QGuiApplication::screens()) {
                    areas.push_back({screen->geometry(), screen->availableGeometry()});
                }
                return areas;
            },
        .primary = []() -> std::optional<QRect> {
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                return screen->availableGeometry();
            }
            return std::nullopt;
        },
    };
}

QRect BreathingWindowController::areaFor(QPoint pointer, const std::vector<ScreenArea>& screens,
                                         const std::optional<QRect>& primary) {
    for (const ScreenArea& screen : screens) {
        if (screen.frame.contains(pointer)) {
            return screen.visible;
        }
    }
    return primary.value_or(QRect(0, 0, 1440, 900));
}

double BreathingWindowController::scaleFor(const QRect& area) {
    const double fit =
        std::min({(area.width() - 40) / designWidth, (area.height() - 40) / designHeight, 1.0});
    return std::max(fit, minimumScale);
}

QRect BreathingWindowController::frameFor(const QRect& area, double scale) {
    const int width = qRound(designWidth * scale);
    const int height = qRound(designHeight * scale);
    const QPointF centre = QRectF(area).center();
    return {qRound(centre.x() - width / 2.0), qRound(centre.y() - height / 2.0), width, height};
}

BreathingWindowController::BreathingWindowController(AppModel& model, SessionEvents& session,
                                                     Desk desk, QObject* parent)
    : QObject(parent), model_(model), session_(session), desk_(std::move(desk)) {
    connect(&session_, &SessionEvents::willSleep, this, &BreathingWindowController::sleeping);
    connect(&session_, &SessionEvents::screensAsleepChanged, this, [this](bool asleep) {
        if (asleep) {
            sleeping();
        }
    });
    connect(&session_, &SessionEvents::sessionActiveChanged, this, [this](bool active) {
        if (!active) {
            sleeping();
        }
    });
}

BreathingWindowController::~BreathingWindowController() = default;

BreathingView* BreathingWindowController::view() const {
    return panel_ ? panel_->view() : nullptr;
}

void BreathingWindowController::show() {
    const QRect area = areaFor(desk_.pointer(), desk_.screens(), desk_.primary());
    const double scale = scaleFor(area);
    if (!panel_) {
        panel_ = std::make_unique<BreathingPanel>();
        connect(panel_.get(), &BreathingPanel::closing, this, &BreathingWindowController::closed);
    }
    const QPointer<BreathingWindowController> self(this);
    panel_->setView(new BreathingView(model_, session_, scale, [self] {
        if (self) {
            self->close();
        }
    }));
    panel_->setGeometry(frameFor(area, scale));
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
    panel_->setFocus(Qt::ActiveWindowFocusReason);
}

void BreathingWindowController::close() {
    if (panel_ && panel_->isVisible()) {
        panel_->close();
    }
}

void BreathingWindowController::closed() {
    // Presented first turns false, so the reset lets the reminders run again.
    model_.setBreathingPresented(false);
    model_.resetBreathing();
    // The next exercise starts with a fresh view anyway.
    panel_->dropView();
}

void BreathingWindowController::sleeping() {
    if (model_.breathing().state() == BreathingState::running) {
        model_.breathing().pause();
        model_.reminders().setPaused(true);
    }
}

}  // namespace tundle
