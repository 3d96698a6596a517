#include "accessories/AccessoryRingLayout.h"

#include <algorithm>

namespace tundle {

AccessoryRingLayout AccessoryRingLayout::of(const AccessoryRingInput& input) {
    AccessoryRingLayout layout;
    const QRectF& sprite = input.sprite;
    const double base = std::max(sprite.center().y() - 86, 32.0);
    const int count = int(layout.buttons.size());
    for (int i = 0; i < count; ++i) {
        AccessoryButtonPlace& place = layout.buttons[i];
        place.hidden = input.farmVisible || input.collapsed;
        place.frame = QRectF(0, base + (count - 1 - i) * buttonStep, buttonWidth, buttonHeight);
        place.active = allPetAccessories[i] == PetAccessory::shortcuts && input.panelOpen;
    }

    layout.toggleHidden = input.farmVisible;
    layout.toggleFrame = QRectF(82, base - 28, 26, 24);
    layout.toggleWording =
        input.collapsed ? QStringLiteral("展开功能按钮") : QStringLiteral("收起功能按钮");
    layout.toggleSymbol = input.collapsed ? QStringLiteral("ellipsis.circle")
                                          : QStringLiteral("chevron.compact.left");

    layout.panelHidden = input.farmVisible || !input.panelOpen;
    const QRectF& area = input.available;
    const QPointF origin = input.windowOrigin;
    const double left = std::max(area.left() - origin.x() + edgeMargin, edgeMargin);
    const double right = std::min(area.left() + area.width() - origin.x() - edgeMargin,
                                  input.boundsWidth - edgeMargin);
    // With the pet partly beyond a screen edge there may be no room at all: the panel then
    // shrinks to nothing instead of turning inside out.
    const double width = std::clamp(right - left, 0.0, fullViewport.width());
    const double room =
        area.top() + area.height() - origin.y() - (sprite.y() + sprite.height()) - 14;
    const double height =
        input.compact ? compactHeight : std::clamp(room, compactHeight, fullViewport.height());
    layout.viewport = QSizeF(width, height);
    const double x = std::min(std::max(sprite.center().x() - width / 2, left), right - width);
    layout.panelFrame = QRectF(x, sprite.y() + sprite.height() + 6, width, height);
    return layout;
}

}  // namespace tundle
