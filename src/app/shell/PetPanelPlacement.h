#pragma once

#include <QPointF>
#include <QRectF>
#include <functional>

#include "config/UserConfiguration.h"
#include "platform/Screens.h"
#include "shell/PetPanelGeometry.h"

class QWidget;

namespace tundle {

// Sizes the pet panel, places it at start, keeps the pet on a screen and stores where it is.
class PetPanelPlacement {
public:
    struct Hooks {
        std::function<PetPanelLayout()> layout;
        std::function<DevicePreferences()> device;
        // One edit of the configuration; a failed write is the caller's to report.
        std::function<void(const std::function<void(UserConfiguration&)>&)> updateConfiguration;
    };

    PetPanelPlacement(QWidget& panel, const Screens& screens, Hooks hooks);

    // At start: the panel's size, its first place (stored at once, with the layout marked as
    // current) and the clamp. Without a screen the panel stays where it is and nothing is written.
    void place();
    // The size for `petScale`, then clamp and store.
    void resize(double petScale);
    void clamp();
    void savePosition();
    // Back to the default place on the main screen, stored; nothing without a main screen.
    void resetPosition();
    // The screens changed: clamp and store.
    void screensChanged();
    // After an import: size, the stored place when there is one, clamp; nothing is written.
    void applyImportedConfiguration();

    // The panel's frame in bottom-up points.
    QRectF frame() const;
    void moveTo(QPointF origin);

private:
    void applySize(const PetPanelLayout& layout);

    QWidget& panel_;
    const Screens& screens_;
    Hooks hooks_;
};

}  // namespace tundle
