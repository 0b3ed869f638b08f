#include "ui/WindowSystem.h"

#include <QAbstractNativeEventFilter>
#include <QColor>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace ui::windowSystem {

namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The atoms the frame question needs, asked for together (one round trip to the X server)
// and only once.
struct FrameAtoms {
    xcb_atom_t extents = XCB_ATOM_NONE, request = XCB_ATOM_NONE, supported = XCB_ATOM_NONE;
};

const FrameAtoms& frameAtoms(xcb_connection_t* connection) {
    static const FrameAtoms atoms = [connection] {
        const char* const names[] = {"_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED"};
        xcb_intern_atom_cookie_t asked[3];
        for (int i = 0; i < 3; ++i)
            asked[i] = xcb_intern_atom(connection, false, uint16_t(std::strlen(names[i])), names[i]);
        xcb_atom_t got[3] = {XCB_ATOM_NONE, XCB_ATOM_NONE, XCB_ATOM_NONE};
        for (int i = 0; i < 3; ++i)
            if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, asked[i], nullptr)) {
                got[i] = reply->atom;
                std::free(reply);
            }
        return FrameAtoms{got[0], got[1], got[2]};
    }();
    return atoms;
}

xcb_get_property_cookie_t askProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                      xcb_atom_t type) {
    return xcb_get_property(connection, false, window, name, type, 0, 4096);
}

// The answer to askProperty: a 32-bit property as a list of numbers.
std::vector<quint32> property32(xcb_connection_t* connection, xcb_get_property_cookie_t asked) {
    std::vector<quint32> values;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, asked, nullptr);
    if (!reply)
        return values;
    if (reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

// The frame (left, right, top, bottom, in device pixels) the window manager gave the last
// window it told about: window managers frame all the program's screens alike.
std::vector<quint32>& lastFrame() {
    static std::vector<quint32> frame;
    return frame;
}

QMargins inPixels(const QWidget& window, const std::vector<quint32>& frame) {
    if (frame.size() != 4)
        return {};
    const qreal ratio = window.devicePixelRatioF();
    const auto px = [ratio](quint32 device) { return qRound(qreal(device) / ratio); };
    return QMargins(px(frame[0]), px(frame[2]), px(frame[1]), px(frame[3]));
}

// The frame questions not answered yet. The window manager answers by setting the frame
// property on the window; its change comes with the window system's other events, so
// nothing waits for it.
class FrameQuestions : public QAbstractNativeEventFilter {
public:
    // Lives as long as the program; the window system's connection may end before it.
    static FrameQuestions& instance() {
        static auto* questions = new FrameQuestions;
        return *questions;
    }

    void ask(xcb_connection_t* connection, xcb_window_t root, QWidget& window, std::function<void()> answered) {
        const auto id = xcb_window_t(window.internalWinId());
        if (auto it = find(id); it != open_.end()) {
            it->answered = std::move(answered);
            return;
        }
        xcb_client_message_event_t ask{};
        ask.response_type = XCB_CLIENT_MESSAGE;
        ask.format = 32;
        ask.window = id;
        ask.type = frameAtoms(connection).request;
        xcb_send_event(connection, false, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&ask));
        xcb_flush(connection);
        if (open_.empty())
            qGuiApp->installNativeEventFilter(this);
        const int serial = ++serial_;
        open_.push_back({id, serial, &window, std::move(answered)});
        // A window manager answers within milliseconds; one that does not is not listened to for long.
        QTimer::singleShot(MostWaitMs, qGuiApp, [this, serial] { close(serial); });
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* changed = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        xcb_connection_t* connection = x11Connection();
        if (!connection || changed->atom != frameAtoms(connection).extents || changed->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        if (auto it = find(changed->window); it != open_.end()) {
            // After Qt has seen the change too: it then knows the frame itself.
            if (it->window && it->answered)
                QTimer::singleShot(0, it->window, it->answered);
            close(it->serial);
        }
        return false;
    }

private:
    static constexpr int MostWaitMs = 100;

    struct Open {
        xcb_window_t id;
        int serial;
        QPointer<QWidget> window;
        std::function<void()> answered;
    };

    std::vector<Open>::iterator find(xcb_window_t id) {
        return std::find_if(open_.begin(), open_.end(), [id](const Open& o) { return o.id == id; });
    }

    void close(int serial) {
        std::erase_if(open_, [serial](const Open& o) { return o.serial == serial; });
        if (open_.empty() && qGuiApp)
            qGuiApp->removeNativeEventFilter(this);
    }

    std::vector<Open> open_;
    int serial_ = 0;
};

} // namespace

QMargins frame(QWidget& window, std::function<void()> answered) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId())
        return {};
    const auto id = xcb_window_t(window.internalWinId());
    const FrameAtoms& atoms = frameAtoms(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Both asked before either answer is awaited: one round trip.
    const auto frameAsked = askProperty(connection, id, atoms.extents, XCB_ATOM_CARDINAL);
    const auto offeredAsked = askProperty(connection, root, atoms.supported, XCB_ATOM_ATOM);
    const auto known = property32(connection, frameAsked);
    const auto offered = property32(connection, offeredAsked);
    if (known.size() == 4) {
        lastFrame() = known;
        return inPixels(window, known);
    }
    // A window not framed yet asks for its frame: window managers answer that before they frame it.
    if (std::find(offered.begin(), offered.end(), atoms.request) == offered.end())
        return {};
    FrameQuestions::instance().ask(connection, root, window, std::move(answered));
    return inPixels(window, lastFrame());
}

void belongTo(QWidget& window, QWidget& owner) {
    owner.winId();
    window.winId();
    if (window.windowHandle() && owner.windowHandle())
        window.windowHandle()->setTransientParent(owner.windowHandle());
}

void fillUnpainted(QWidget& window, const QColor& colour) {
    xcb_connection_t* connection = x11Connection();
    // (The pixel as a true-colour display of 24 bits has it, as X servers today give.)
    if (!connection || xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root_depth != 24)
        return;
    const auto id = xcb_window_t(window.winId());
    const uint32_t pixel = colour.rgb() & 0xFFFFFF;
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, false, id, 0, 0, 0, 0);
    xcb_flush(connection);
}

void takeKeyboard(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.internalWinId() || !window.isVisible())
        return;
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, xcb_window_t(window.internalWinId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
}

} // namespace ui::windowSystem
