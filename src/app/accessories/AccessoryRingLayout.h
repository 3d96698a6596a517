#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>

#include "accessories/PetAccessory.h"

namespace tundle {

// What the ring around the pet is laid out from, in the canvas's bottom-up points.
struct AccessoryRingInput {
    QRectF sprite;
    double boundsWidth = 0;
    bool farmVisible = false;
    bool collapsed = false;
    bool panelOpen = false;
    // The usable area of the window's screen and the window's origin, both in bottom-up
    // screen points (the canvas's bounds and (0, 0) without a window).
    QRectF available;
    QPointF windowOrigin;
    // The QA build's compact shortcut panel.
    bool compact = false;
};

struct AccessoryButtonPlace {
    QRectF frame;
    bool hidden = true;
    bool active = false;
};

// Where the accessory buttons, their fold toggle and the shortcut panel go, and whether they
// show; recomputed from scratch on every layout.
struct AccessoryRingLayout {
    static constexpr double buttonWidth = 126;
    static constexpr double buttonHeight = 56;
    static constexpr double buttonStep = 58;
    static constexpr QSizeF fullViewport{404, 240};
    static constexpr double compactHeight = 110;
    static constexpr double edgeMargin = 8;

    std::array<AccessoryButtonPlace, allPetAccessories.size()> buttons;
    QRectF toggleFrame;
    bool toggleHidden = true;
    QString toggleWording;
    QString toggleSymbol;
    QRectF panelFrame;
    bool panelHidden = true;
    QSizeF viewport;

    static AccessoryRingLayout of(const AccessoryRingInput& input);
};

}  // namespace tundle
