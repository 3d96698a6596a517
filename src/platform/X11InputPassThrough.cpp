#include "platform/X11InputPassThrough.h"

#include <xcb/shape.h>

namespace tundle {

void X11InputPassThrough::setPassThrough(bool passThrough) {
    if (!x11_) {
        return;
    }
    const xcb_window_t window = window_();
    if (passThrough) {
        xcb_shape_rectangles(x11_->get(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                             XCB_CLIP_ORDERING_UNSORTED, window, 0, 0, 0, nullptr);
    } else {
        xcb_shape_mask(x11_->get(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, window, 0, 0,
                       XCB_PIXMAP_NONE);
    }
    xcb_flush(x11_->get());
}

}  // namespace tundle
