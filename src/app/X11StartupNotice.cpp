#include "X11StartupNotice.h"

#ifdef TIDYRA_HAVE_XCB

#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, std::strlen(name), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The launch's user time, the number after "_TIME" in its id; the current time if none.
xcb_timestamp_t launchTime(const QByteArray &startupId)
{
    const qsizetype at = startupId.lastIndexOf("_TIME");
    bool ok = false;
    const uint time = at < 0 ? 0 : startupId.mid(at + 5).toUInt(&ok);
    return ok ? time : XCB_CURRENT_TIME;
}

xcb_client_message_event_t message(xcb_window_t window, xcb_atom_t type, uint8_t format)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = format;
    event.window = window;
    event.type = type;
    return event;
}

} // namespace

void X11StartupNotice::activate(QWidget *window, const QByteArray &startupId)
{
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || startupId.isEmpty() || !window->windowHandle())
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto xid = xcb_window_t(window->winId());

    // Source 1: an application's request, judged by the launch's own user time.
    auto active = message(xid, atom(connection, "_NET_ACTIVE_WINDOW"), 32);
    active.data.data32[0] = 1;
    active.data.data32[1] = launchTime(startupId);
    xcb_send_event(connection, 0, root,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&active));

    // "remove: ID=…", in pieces of 20 bytes, the last one with the terminating zero.
    QByteArray id = startupId;
    id.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray text = "remove: ID=\"" + id + "\"" + '\0';
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    for (qsizetype offset = 0; offset < text.size(); offset += 20) {
        auto piece = message(xid, offset == 0 ? begin : more, 8);
        std::memcpy(piece.data.data8, text.constData() + offset,
            std::min<qsizetype>(20, text.size() - offset));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
            reinterpret_cast<const char *>(&piece));
    }
    xcb_flush(connection);
}

#else

void X11StartupNotice::activate(QWidget *, const QByteArray &) { }

#endif
