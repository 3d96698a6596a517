#include "shell/ClickThroughTracker.h"

#include <cmath>

#include "pet/PetCanvas.h"

namespace tundle {

ClickThroughTracker::ClickThroughTracker(PetCanvas& canvas, InputShape& shape, QObject* parent)
    : QObject(parent), canvas_(canvas), shape_(shape) {}

void ClickThroughTracker::start() {
    stop();
    following_ =
        connect(&canvas_, &PetCanvas::interactiveRegionChanged, this, &ClickThroughTracker::send);
    send(canvas_.interactiveRegion());
}

void ClickThroughTracker::stop() {
    disconnect(following_);
}

void ClickThroughTracker::send(const QRegion& canvasPixels) {
    // The window's pixels: the canvas fills the panel, but the shape is the window's. The pixel
    // ratio is asked of the window's screen, on every frame, so only an offset that needs it
    // asks.
    const QPoint offset = canvas_.mapTo(canvas_.window(), QPoint());
    shape_.set(offset.isNull() ? canvasPixels
                               : canvasPixels.translated(offset * canvas_.devicePixelRatioF()));
}

bool ClickThroughTracker::takesClickAt(QPoint global) const {
    if (!canvas_.isVisible()) {
        return false;
    }
    const QPointF local = canvas_.mapFromGlobal(QPointF(global)) * canvas_.devicePixelRatioF();
    return canvas_.interactiveRegion().contains(
        QPoint(int(std::floor(local.x())), int(std::floor(local.y()))));
}

}  // namespace tundle
