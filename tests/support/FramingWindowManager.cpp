// A small reparenting window manager for the tests: every window it manages gets a frame of a
// 4-pixel border and a 24-pixel title bar, placed where the window asks as its gravity says (the
// frame's top-left corner for north-west gravity, the window's own for static gravity), never
// moved onto the screen by the window manager itself. It reports its frames (_NET_FRAME_EXTENTS)
// and itself (_NET_SUPPORTING_WM_CHECK) as EWMH asks, so that Qt knows the frames.
// Windows the tests close keep their empty frames: no test shows a window twice.
// Usage: tintrix_test_wm; it writes "ready" to its standard output once it manages the screen.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <xcb/xcb.h>

namespace {

constexpr uint32_t kLeft = 4, kRight = 4, kTop = 28, kBottom = 4;
constexpr uint32_t kAllGeometry =
    XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT;

xcb_connection_t* connection = nullptr;
xcb_window_t root = XCB_NONE;
struct Framed {
    xcb_window_t frame;
    int x, y; // where the client last asked to be
};
std::map<xcb_window_t, Framed> clients;

xcb_atom_t Atom(const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// Static gravity (10) in WM_NORMAL_HINTS: the client's position is its own, not its frame's.
bool StaticGravity(xcb_window_t client) {
    xcb_get_property_reply_t* hints = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, client, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_ANY, 0, 18),
        nullptr);
    const auto* field = static_cast<const uint32_t*>(hints ? xcb_get_property_value(hints) : nullptr);
    const bool result =
        hints && xcb_get_property_value_length(hints) >= 72 && (field[0] & (1u << 9)) && field[17] == 10;
    std::free(hints);
    return result;
}

// Puts a client at (x, y) as it asked, with its size, and tells it where it is on the screen.
void Place(xcb_window_t client, int x, int y, uint32_t width, uint32_t height) {
    Framed& framed = clients[client];
    framed.x = x;
    framed.y = y;
    const bool own = StaticGravity(client);
    const uint32_t left = own ? x - kLeft : x, top = own ? y - kTop : y;
    const uint32_t outer[] = {left, top, width + kLeft + kRight, height + kTop + kBottom};
    xcb_configure_window(connection, framed.frame, kAllGeometry, outer);
    const uint32_t inner[] = {kLeft, kTop, width, height};
    xcb_configure_window(connection, client, kAllGeometry, inner);
    xcb_configure_notify_event_t notify{};
    notify.response_type = XCB_CONFIGURE_NOTIFY;
    notify.event = notify.window = client;
    notify.x = int16_t(left + kLeft);
    notify.y = int16_t(top + kTop);
    notify.width = uint16_t(width);
    notify.height = uint16_t(height);
    xcb_send_event(connection, 0, client, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<char*>(&notify));
}

void Manage(xcb_window_t client) {
    xcb_get_geometry_reply_t* at =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, client), 0);
    const xcb_window_t frame = clients[client].frame = xcb_generate_id(connection);
    const uint32_t look[] = {0x808080, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, frame, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, look);
    const uint32_t extents[] = {kLeft, kRight, kTop, kBottom};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, client, Atom("_NET_FRAME_EXTENTS"),
                        XCB_ATOM_CARDINAL, 32, 4, extents);
    xcb_reparent_window(connection, client, frame, kLeft, kTop);
    Place(client, at->x, at->y, at->width, at->height);
    xcb_map_window(connection, client);
    xcb_map_window(connection, frame);
    std::free(at);
}

} // namespace

int main() {
    connection = xcb_connect(nullptr, nullptr);
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_request_check(connection, xcb_change_window_attributes_checked(
                                                       connection, root, XCB_CW_EVENT_MASK, &redirect))) {
        return 1; // no server, or another window manager
    }
    const xcb_window_t check = xcb_generate_id(connection);
    xcb_create_window(connection, 0, check, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, 0, 0, nullptr);
    for (const xcb_window_t window : {root, check}) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, Atom("_NET_SUPPORTING_WM_CHECK"),
                            XCB_ATOM_WINDOW, 32, 1, &check);
    }
    const xcb_atom_t supported[] = {Atom("_NET_SUPPORTING_WM_CHECK"), Atom("_NET_FRAME_EXTENTS")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, Atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 2,
                        supported);
    xcb_flush(connection);
    std::puts("ready");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const auto* request = reinterpret_cast<xcb_configure_request_event_t*>(event);
        switch (event->response_type & 0x7F) {
        case XCB_MAP_REQUEST:
            Manage(reinterpret_cast<xcb_map_request_event_t*>(event)->window);
            break;
        case XCB_CONFIGURE_REQUEST:
            if (const auto framed = clients.find(request->window); framed != clients.end()) {
                const bool moves = request->value_mask & (XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y);
                Place(request->window, moves ? request->x : framed->second.x,
                      moves ? request->y : framed->second.y, request->width, request->height);
            } else {
                const uint32_t values[] = {uint32_t(request->x), uint32_t(request->y), request->width,
                                           request->height};
                xcb_configure_window(connection, request->window, kAllGeometry, values);
            }
            break;
        }
        std::free(event);
        xcb_flush(connection);
    }
    return 0;
}
