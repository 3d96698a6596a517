#include "platform/X11PointerProbe.h"

#include <xcb/xinput.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <memory>

#include "platform/X11RawEvents.h"

namespace tundle {

X11PointerProbe::X11PointerProbe(std::optional<X11Connection> x11, const QByteArray& display)
    : x11_(x11) {
    if (x11_) {
        changes_ = X11RawEvents::open(display, XCB_INPUT_XI_EVENT_MASK_RAW_MOTION |
                                                   XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS |
                                                   XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE);
    }
    if (changes_ != nullptr) {
        notifier_ =
            std::make_unique<QSocketNotifier>(changes_->fileDescriptor(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
            if (drain() && onChange) {
                onChange();
            }
        });
    }
}

X11PointerProbe::~X11PointerProbe() = default;

std::optional<PointerState> X11PointerProbe::query() {
    if (changes_ == nullptr) {
        return ask();
    }
    drain();
    if (changed_) {
        last_ = ask();
        changed_ = !last_;
    }
    return last_;
}

bool X11PointerProbe::drain() {
    bool any = false;
    changes_->drain([this, &any](uint16_t, uint32_t) {
        changed_ = true;
        any = true;
    });
    return any;
}

std::optional<PointerState> X11PointerProbe::ask() {
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
