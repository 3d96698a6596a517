#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>

namespace tundle {

// A connection of its own to the X server that receives XInput2 raw pointer events from the
// root window: every press, release or motion of the pointer, whichever window it goes to.
class X11RawEvents {
public:
    // `eventMask`: XCB_INPUT_XI_EVENT_MASK_RAW_… bits; `display` empty for the default one.
    // None when the server has no XInput 2.1 or cannot be reached.
    static std::unique_ptr<X11RawEvents> open(const QByteArray& display, uint32_t eventMask);
    ~X11RawEvents();

    X11RawEvents(const X11RawEvents&) = delete;
    X11RawEvents& operator=(const X11RawEvents&) = delete;

    int fileDescriptor() const;
    // Reads what has arrived, without waiting and without a request; `onEvent` gets each raw
    // event's XInput event type and its button (zero for motion).
    void drain(const std::function<void(uint16_t type, uint32_t detail)>& onEvent);

private:
    X11RawEvents(xcb_connection_t* connection, uint8_t opcode)
        : connection_(connection), opcode_(opcode) {}

    xcb_connection_t* connection_;
    uint8_t opcode_;
};

}  // namespace tundle
