#pragma once

#include <QRegion>

namespace tundle {

// Where a window takes the mouse; everywhere else clicks fall through to what lies beneath it.
class InputShape {
public:
    virtual ~InputShape() = default;

    // `pixels`: the device pixels of the window that take clicks; empty lets every click through.
    virtual void set(const QRegion& pixels) = 0;
};

}  // namespace tundle
