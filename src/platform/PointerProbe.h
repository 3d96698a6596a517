#pragma once

#include <QPoint>
#include <functional>
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
    // Whether `onChange` hears of every move and press; without it the pointer must be polled.
    virtual bool reportsChanges() const { return false; }
    // The next query asks afresh, for a pointer moved without a report (warped by a program).
    virtual void refresh() {}

    // Called on each move or press the probe hears of.
    std::function<void()> onChange;
};

}  // namespace tundle
