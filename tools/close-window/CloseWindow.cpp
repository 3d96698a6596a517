// close-window TITLE: sends WM_DELETE_WINDOW to every top-level window of $DISPLAY titled TITLE,
// as a window manager's close button would; prints how many were asked.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const Reply reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? static_cast<xcb_intern_atom_reply_t*>(reply.get())->atom
                 : xcb_atom_t(XCB_ATOM_NONE);
}

std::string title(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                  xcb_atom_t utf8) {
    const Reply reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, utf8, 0, 256), nullptr),
        &std::free);
    auto* property = static_cast<xcb_get_property_reply_t*>(reply.get());
    if (!property) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(property)),
            std::size_t(xcb_get_property_value_length(property))};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: close-window TITLE\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("close-window: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t remove = atom(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t name = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    const Reply tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr),
                     &std::free);
    auto* children = static_cast<xcb_query_tree_reply_t*>(tree.get());
    int asked = 0;
    for (int i = 0; children && i < xcb_query_tree_children_length(children); ++i) {
        const xcb_window_t window = xcb_query_tree_children(children)[i];
        const std::string shown = title(connection, window, name, utf8);
        if (shown != argv[1]) {
            continue;
        }
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = remove;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        ++asked;
    }
    // The server may drop requests it has not handled yet when their client goes: a round trip
    // makes sure the messages were delivered before disconnecting.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    std::printf("%d\n", asked);
    return asked > 0 ? 0 : 1;
}
