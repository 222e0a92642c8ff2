#include "ui/common/taskbarhints.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef VELMORA_HAVE_XCB
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#endif

namespace velmora {

namespace {

#ifdef VELMORA_HAVE_XCB
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The toolkit merges states already on an unmapped window with its own when it maps it, and
// the window manager clears them whenever the window is hidden: so they go on before each show.
void addSkipStates(QWidget *window)
{
    // The interface is there on every platform of an X11-enabled build, the connection only on X11.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t property = atom(connection, "_NET_WM_STATE");
    std::vector<xcb_atom_t> states;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, property, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            states.assign(data, data + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    for (const char *name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t state = atom(connection, name);
        if (std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}
#else
void addSkipStates(QWidget *) {}
#endif

class SkipTaskBarFilter : public QObject {
public:
    explicit SkipTaskBarFilter(QWidget *window) : QObject(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window's show event comes before the window is mapped.
        if (event->type() == QEvent::Show && !event->spontaneous())
            addSkipStates(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void keepOutOfTaskBar(QWidget *window)
{
    window->installEventFilter(new SkipTaskBarFilter(window));
}

} // namespace velmora
