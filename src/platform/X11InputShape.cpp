#include "platform/X11InputShape.h"

#include <xcb/shape.h>

#include <algorithm>
#include <limits>

namespace tundle {

namespace {

int16_t coordinate(int value) {
    return static_cast<int16_t>(std::clamp<int>(value, std::numeric_limits<int16_t>::min(),
                                                std::numeric_limits<int16_t>::max()));
}

uint16_t extent(int value) {
    return static_cast<uint16_t>(std::clamp<int>(value, 0, std::numeric_limits<uint16_t>::max()));
}

}  // namespace

X11InputShape::X11InputShape(std::optional<X11Connection> x11, std::function<uint32_t()> window)
    : window_(std::move(window)) {
    if (x11) {
        const xcb_query_extension_reply_t* shape =
            xcb_get_extension_data(x11->get(), &xcb_shape_id);
        if (shape != nullptr && shape->present != 0) {
            x11_ = x11;
        }
    }
}

void X11InputShape::set(const QRegion& pixels) {
    if (!x11_) {
        return;
    }
    rectangles_.clear();
    for (const QRect& rect : pixels) {
        rectangles_.push_back({coordinate(rect.x()), coordinate(rect.y()), extent(rect.width()),
                               extent(rect.height())});
    }
    // A region keeps its rectangles in bands from the top, each band sorted left to right: the
    // order the server checks fastest.
    xcb_shape_rectangles(x11_->get(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                         XCB_CLIP_ORDERING_YX_BANDED, window_(), 0, 0,
                         static_cast<uint32_t>(rectangles_.size()), rectangles_.data());
    // No flush of its own: the area changes with what is drawn, and the request goes out with
    // the repaint's requests, which Qt flushes before its event loop waits again. A write of its
    // own cost the pet one more wake of the server on every frame.
}

}  // namespace tundle
