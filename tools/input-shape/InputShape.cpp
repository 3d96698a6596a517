// input-shape WINDOW: prints the input shape of the X window WINDOW (decimal or 0x-hex id) of
// $DISPLAY, one rectangle "x y width height" a line in the window's own pixels. A window whose
// input shape was never set prints its whole rectangle.
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: input-shape WINDOW\n", stderr);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("input-shape: no X display\n", stderr);
        return 1;
    }
    const std::unique_ptr<xcb_shape_get_rectangles_reply_t, decltype(&std::free)> reply(
        xcb_shape_get_rectangles_reply(
            connection, xcb_shape_get_rectangles(connection, window, XCB_SHAPE_SK_INPUT), nullptr),
        &std::free);
    if (reply == nullptr) {
        std::fputs("input-shape: no such window\n", stderr);
        xcb_disconnect(connection);
        return 1;
    }
    const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(reply.get());
    const int count = xcb_shape_get_rectangles_rectangles_length(reply.get());
    for (int i = 0; i < count; ++i) {
        std::printf("%d %d %d %d\n", rectangles[i].x, rectangles[i].y, rectangles[i].width,
                    rectangles[i].height);
    }
    xcb_disconnect(connection);
    return 0;
}
