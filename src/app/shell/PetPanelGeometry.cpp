#include "shell/PetPanelGeometry.h"

#include <algorithm>

namespace tundle {

namespace {

constexpr double farmWidthPerScale = 300;
constexpr double farmAspect = 0.75;
constexpr double shiftedSideFloor = 280;

double farmWidth(const PetPanelLayout& layout) {
    return layout.farmVisible ? layout.farmScale * farmWidthPerScale : 0;
}

// Containment as the screens define it: the far edges belong to the next screen.
bool holds(const QRectF& frame, QPointF point) {
    return point.x() >= frame.left() && point.x() < frame.right() && point.y() >= frame.top() &&
           point.y() < frame.bottom();
}

}  // namespace

QSizeF PetPanelGeometry::panelSize(const PetPanelLayout& layout) {
    const double farm = farmWidth(layout);
    const double pet = petSide * layout.petScale;
    const double content = farm > 0 ? farm : pet;
    return {std::max(content + leftMargin + rightMargin, minimumWidth),
            std::max(pet, farm / farmAspect) + topRoom};
}

double PetPanelGeometry::contentHeight(const PetPanelLayout& layout) {
    return layout.farmVisible ? farmWidth(layout) / farmAspect : petSide * layout.petScale;
}

QPointF PetPanelGeometry::defaultOrigin(const QRectF& mainVisibleFrame, double panelWidth) {
    return {mainVisibleFrame.right() - panelWidth - insetRight,
            mainVisibleFrame.top() + insetBottom};
}

double PetPanelGeometry::accessoryShift(double petScale) {
    const double side = petSide * petScale;
    return leftMargin - (std::max(side, shiftedSideFloor) - side) / 2;
}

QPointF PetPanelGeometry::startOrigin(const DevicePreferences& device, double petScale,
                                      const QRectF& mainVisibleFrame, double panelWidth) {
    if (!device.petX || !device.petY) {
        return defaultOrigin(mainVisibleFrame, panelWidth);
    }
    // A position stored under the older layout had the pet at the panel's left edge.
    const double shift = device.accessoryLayoutV1 ? 0 : accessoryShift(petScale);
    return {*device.petX - shift, *device.petY};
}

std::optional<QPointF> PetPanelGeometry::clampedOrigin(
    const QRectF& panelFrame, double contentHeight, const std::vector<QRectF>& visibleFrames,
    const std::optional<QRectF>& mainVisibleFrame) {
    const QPointF centre = panelFrame.center();
    const auto found = std::find_if(visibleFrames.begin(), visibleFrames.end(),
                                    [centre](const QRectF& frame) { return holds(frame, centre); });
    const std::optional<QRectF> screen =
        found != visibleFrames.end() ? std::optional<QRectF>(*found) : mainVisibleFrame;
    if (!screen) {
        return std::nullopt;
    }
    const double kept = contentHeight + headRoom;
    return QPointF(
        std::max(screen->left(), std::min(screen->right() - panelFrame.width(), panelFrame.left())),
        std::max(screen->top(), std::min(screen->bottom() - kept, panelFrame.top())));
}

}  // namespace tundle
