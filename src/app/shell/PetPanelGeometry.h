#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

#include "config/UserConfiguration.h"

namespace tundle {

// What the pet panel's size depends on.
struct PetPanelLayout {
    double petScale = 1.0;
    bool farmVisible = false;
    double farmScale = 1.0;
};

// The pet panel's size and place, in bottom-up screen points: the panel leaves room left of the
// pet for the accessory buttons and above it for the speech bubble, and only the pet's part has
// to stay on a screen.
class PetPanelGeometry {
public:
    static constexpr double petSide = 254;
    static constexpr double leftMargin = 170;
    static constexpr double rightMargin = 20;
    static constexpr double minimumWidth = 420;
    static constexpr double topRoom = 315;
    static constexpr double insetRight = 30;
    static constexpr double insetBottom = 16;
    static constexpr double headRoom = 24;

    static QSizeF panelSize(const PetPanelLayout& layout);
    // Height of the pet, or of the farm scene while it shows.
    static double contentHeight(const PetPanelLayout& layout);

    // Near the lower right corner of the main screen's visible frame.
    static QPointF defaultOrigin(const QRectF& mainVisibleFrame, double panelWidth);
    // How far a position stored before the accessory buttons moved left of the pet goes left.
    static double accessoryShift(double petScale);
    // The origin at start: the stored one (shifted once for the older layout) when both
    // coordinates are stored, else the default one.
    static QPointF startOrigin(const DevicePreferences& device, double petScale,
                               const QRectF& mainVisibleFrame, double panelWidth);

    // The origin that keeps the pet's part of `panelFrame` on the screen holding the panel's
    // centre (the main screen when none does); none without any main screen.
    static std::optional<QPointF> clampedOrigin(const QRectF& panelFrame, double contentHeight,
                                                const std::vector<QRectF>& visibleFrames,
                                                const std::optional<QRectF>& mainVisibleFrame);
};

}  // namespace tundle
