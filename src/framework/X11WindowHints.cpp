// Window properties written straight to the X server, on Qt's connection.

#include "framework/X11WindowHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace framework {

namespace {

xcb_connection_t* connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace

void keepTitleEmpty(QWidget& window) {
    if (xcb_connection_t* x = connection()) {
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, window.winId(), atom(x, "_NET_WM_NAME"),
                            atom(x, "UTF8_STRING"), 8, 0, nullptr);
    }
}

void skipTaskbarAndPager(QWidget& window) {
    // The window manager drops the states of a window it unmaps, and Qt adds
    // its own to these when it maps the window.
    if (xcb_connection_t* x = connection()) {
        const xcb_atom_t states[] = {atom(x, "_NET_WM_STATE_SKIP_TASKBAR"),
                                     atom(x, "_NET_WM_STATE_SKIP_PAGER")};
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, window.winId(), atom(x, "_NET_WM_STATE"),
                            XCB_ATOM_ATOM, 32, 2, states);
    }
}

} // namespace framework
