#include "X11GlobalMouseMonitor.h"

#include <xcb/xinput.h>

#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdlib>
#include <memory>

namespace tundle {

namespace {

constexpr uint32_t leftButton = 1;
constexpr uint32_t rightButton = 3;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

bool hasRawEvents(xcb_connection_t* connection) {
    const Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection, xcb_input_xi_query_version(connection, 2, 2),
                                         nullptr),
        &std::free);
    return version != nullptr && (version->major_version > 2 ||
                                  (version->major_version == 2 && version->minor_version >= 1));
}

}  // namespace

X11GlobalMouseMonitor::X11GlobalMouseMonitor(QByteArray display, QObject* parent)
    : QObject(parent), display_(std::move(display)) {}

X11GlobalMouseMonitor::~X11GlobalMouseMonitor() {
    stop();
}

bool X11GlobalMouseMonitor::start(std::function<void()> onPress) {
    stop();
    if (display_.isEmpty() && QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    int screenNumber = 0;
    connection_ = xcb_connect(display_.isEmpty() ? nullptr : display_.constData(), &screenNumber);
    const xcb_query_extension_reply_t* extension =
        xcb_connection_has_error(connection_) == 0
            ? xcb_get_extension_data(connection_, &xcb_input_id)
            : nullptr;
    if (extension == nullptr || extension->present == 0 || !hasRawEvents(connection_)) {
        stop();
        return false;
    }
    inputOpcode_ = extension->major_opcode;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    struct {
        xcb_input_event_mask_t head;
        uint32_t mask;
    } selection = {{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
    xcb_input_xi_select_events(connection_, screens.data->root, 1, &selection.head);
    xcb_flush(connection_);

    onPress_ = std::move(onPress);
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11GlobalMouseMonitor::readEvents);
    return true;
}

void X11GlobalMouseMonitor::stop() {
    notifier_.reset();
    onPress_ = nullptr;
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
}

void X11GlobalMouseMonitor::readEvents() {
    int presses = 0;
    while (connection_ != nullptr) {
        const Reply<xcb_generic_event_t> event(xcb_poll_for_event(connection_), &std::free);
        if (event == nullptr) {
            break;
        }
        if ((event->response_type & 0x7f) != XCB_GE_GENERIC) {
            continue;
        }
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event.get());
        if (generic->extension != inputOpcode_ ||
            generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS) {
            continue;
        }
        const auto* press =
            reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event.get());
        if (press->detail == leftButton || press->detail == rightButton) {
            ++presses;
        }
    }
    // The callback may stop this monitor; it runs after the queue has been read.
    for (int i = 0; i < presses && onPress_; ++i) {
        onPress_();
    }
}

}  // namespace tundle
