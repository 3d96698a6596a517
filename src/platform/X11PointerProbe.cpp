#include "platform/X11PointerProbe.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <memory>

namespace tundle {

std::optional<PointerState> X11PointerProbe::query() {
    if (!x11_) {
        return PointerState{QCursor::pos(), QGuiApplication::mouseButtons() != Qt::NoButton};
    }
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(x11_->get(), xcb_query_pointer(x11_->get(), x11_->root()), nullptr),
        &std::free);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const uint16_t buttons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3 |
                             XCB_BUTTON_MASK_4 | XCB_BUTTON_MASK_5;
    // X speaks device pixels; Qt's global coordinates are scaled by the screen's ratio.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    return PointerState{QPoint(qRound(reply->root_x / ratio), qRound(reply->root_y / ratio)),
                        (reply->mask & buttons) != 0};
}

}  // namespace tundle
