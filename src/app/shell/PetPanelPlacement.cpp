#include "shell/PetPanelPlacement.h"

#include <QWidget>

namespace tundle {

PetPanelPlacement::PetPanelPlacement(QWidget& panel, const Screens& screens, Hooks hooks)
    : panel_(panel), screens_(screens), hooks_(std::move(hooks)) {}

void PetPanelPlacement::place() {
    const PetPanelLayout layout = hooks_.layout();
    applySize(layout);
    if (const std::optional<QRectF> main = screens_.mainVisibleFrame()) {
        const QPointF origin =
            PetPanelGeometry::startOrigin(hooks_.device(), layout.petScale, *main, frame().width());
        hooks_.updateConfiguration([origin](UserConfiguration& configuration) {
            configuration.device.accessoryLayoutV1 = true;
            configuration.device.petX = origin.x();
            configuration.device.petY = origin.y();
        });
        moveTo(origin);
    }
    clamp();
}

void PetPanelPlacement::resize(double petScale) {
    PetPanelLayout layout = hooks_.layout();
    layout.petScale = petScale;
    applySize(layout);
    clamp();
    savePosition();
}

void PetPanelPlacement::clamp() {
    const std::optional<QPointF> origin =
        PetPanelGeometry::clampedOrigin(frame(), PetPanelGeometry::contentHeight(hooks_.layout()),
                                        screens_.visibleFrames(), screens_.mainVisibleFrame());
    if (origin) {
        moveTo(*origin);
    }
}

void PetPanelPlacement::savePosition() {
    const QPointF origin = frame().topLeft();
    hooks_.updateConfiguration([origin](UserConfiguration& configuration) {
        configuration.device.petX = origin.x();
        configuration.device.petY = origin.y();
    });
}

void PetPanelPlacement::resetPosition() {
    if (const std::optional<QRectF> main = screens_.mainVisibleFrame()) {
        moveTo(PetPanelGeometry::defaultOrigin(*main, frame().width()));
        savePosition();
    }
}

void PetPanelPlacement::screensChanged() {
    clamp();
    savePosition();
}

void PetPanelPlacement::applyImportedConfiguration() {
    applySize(hooks_.layout());
    const DevicePreferences device = hooks_.device();
    if (device.petX && device.petY) {
        moveTo({*device.petX, *device.petY});
    }
    clamp();
}

QRectF PetPanelPlacement::frame() const {
    return screens_.coordinates().fromQt(QRectF(panel_.frameGeometry()));
}

void PetPanelPlacement::moveTo(QPointF origin) {
    const QRectF target = screens_.coordinates().toQt(QRectF(origin, frame().size()));
    panel_.move(target.topLeft().toPoint());
}

void PetPanelPlacement::applySize(const PetPanelLayout& layout) {
    // The panel grows and shrinks from its bottom edge, where the pet stands.
    const QRectF before = frame();
    panel_.resize(PetPanelGeometry::panelSize(layout).toSize());
    moveTo(before.topLeft());
}

}  // namespace tundle
