#pragma once

#include <QPoint>
#include <optional>

namespace tundle {

// Where the pointer is on the desktop and whether a button is held, wherever it is.
struct PointerState {
    QPoint position;  // Qt's global coordinates
    bool buttonDown = false;

    bool operator==(const PointerState&) const = default;
};

class PointerProbe {
public:
    virtual ~PointerProbe() = default;

    // None when the desktop cannot tell.
    virtual std::optional<PointerState> query() = 0;
};

}  // namespace tundle
