#include "platform/X11RawEvents.h"

#include <xcb/xinput.h>

#include <cstdlib>

namespace tundle {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Raw events reach the root window whatever grab is active only from XInput 2.1 on.
bool hasRawEvents(xcb_connection_t* connection) {
    const Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection, xcb_input_xi_query_version(connection, 2, 2),
                                         nullptr),
        &std::free);
    return version != nullptr && (version->major_version > 2 ||
                                  (version->major_version == 2 && version->minor_version >= 1));
}

}  // namespace

std::unique_ptr<X11RawEvents> X11RawEvents::open(const QByteArray& display, uint32_t eventMask) {
    int screenNumber = 0;
    xcb_connection_t* connection =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    const xcb_query_extension_reply_t* extension =
        xcb_connection_has_error(connection) == 0
            ? xcb_get_extension_data(connection, &xcb_input_id)
            : nullptr;
    if (extension == nullptr || extension->present == 0 || !hasRawEvents(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    struct {
        xcb_input_event_mask_t head;
        uint32_t mask;
    } selection = {{XCB_INPUT_DEVICE_ALL_MASTER, 1}, eventMask};
    xcb_input_xi_select_events(connection, screens.data->root, 1, &selection.head);
    xcb_flush(connection);
    return std::unique_ptr<X11RawEvents>(new X11RawEvents(connection, extension->major_opcode));
}

X11RawEvents::~X11RawEvents() {
    xcb_disconnect(connection_);
}

int X11RawEvents::fileDescriptor() const {
    return xcb_get_file_descriptor(connection_);
}

void X11RawEvents::drain(const std::function<void(uint16_t type, uint32_t detail)>& onEvent) {
    while (true) {
        const Reply<xcb_generic_event_t> event(xcb_poll_for_event(connection_), &std::free);
        if (event == nullptr) {
            return;
        }
        if ((event->response_type & 0x7f) != XCB_GE_GENERIC) {
            continue;
        }
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event.get());
        if (generic->extension != opcode_) {
            continue;
        }
        // Every raw device event shares the layout of the raw button press up to its detail.
        const auto* raw = reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event.get());
        onEvent(generic->event_type, raw->detail);
    }
}

}  // namespace tundle
