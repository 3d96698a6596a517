#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tundle {

// The pet needs always-on-top, free positioning and input shapes, which Wayland does not give to
// ordinary windows; on a Wayland session the application therefore runs through XWayland.
class WindowSystemChoice {
public:
    // The Qt platform to select before the application object exists, or an empty string to
    // leave Qt's own choice: the user's QT_QPA_PLATFORM always wins, and X11 is chosen only
    // on a Wayland session that offers an X server.
    static QString forEnvironment(const QProcessEnvironment& environment);
    // Selects it in this process's environment.
    static void apply();
};

}  // namespace tundle
