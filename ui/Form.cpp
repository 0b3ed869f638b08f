#include "ui/Form.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace ui {

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

// The frame (left, right, top, bottom, in device pixels) the window manager puts around
// window. A window not framed yet asks for it: window managers answer that before they frame it.
std::vector<quint32> frameExtents(WId id) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !id)
        return {};
    const auto window = xcb_window_t(id);
    const FrameAtoms& atoms = frameAtoms(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Both asked before either answer is awaited: one round trip.
    const auto frameAsked = askProperty(connection, window, atoms.extents, XCB_ATOM_CARDINAL);
    const auto offeredAsked = askProperty(connection, root, atoms.supported, XCB_ATOM_ATOM);
    auto frame = property32(connection, frameAsked);
    const auto offered = property32(connection, offeredAsked);
    if (frame.size() == 4)
        return frame;
    if (std::find(offered.begin(), offered.end(), atoms.request) == offered.end())
        return {};
    xcb_client_message_event_t ask{};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = window;
    ask.type = atoms.request;
    xcb_send_event(connection, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&ask));
    xcb_flush(connection);
    // A window manager answers within milliseconds; one that does not is not waited for long.
    for (int tries = 0; tries < 100 && frame.size() != 4; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        frame = property32(connection, askProperty(connection, window, atoms.extents, XCB_ATOM_CARDINAL));
    }
    return frame.size() == 4 ? frame : std::vector<quint32>{};
}

} // namespace

Form::Form(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips, int back)
    // A dialog-type window: X11 window managers are told its transient parent only for this
    // kind, and keep it in front of that window.
    : QWidget(nullptr, Qt::Dialog) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(sizeFromTwips(clientWidthTwips, clientHeightTwips));
    setColourRole(this, QPalette::Window, rgb(back));
    setAutoFillBackground(true);
}

QMargins Form::windowFrame() const {
    const auto frame = frameExtents(internalWinId());
    if (frame.empty())
        return {};
    const qreal ratio = devicePixelRatioF();
    const auto px = [ratio](quint32 device) { return qRound(qreal(device) / ratio); };
    return QMargins(px(frame[0]), px(frame[2]), px(frame[1]), px(frame[3]));
}

void Form::takeKeyboard() {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !internalWinId() || !isVisible())
        return;
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, xcb_window_t(internalWinId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
}

void Form::build(std::span<const ControlSpec> table) {
    buildControls(this, table);
}

bool Form::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate && listener_)
        listener_(this);
    if (e->type() == QEvent::WindowStateChange && isMinimized() && minimiseListener_)
        minimiseListener_(this);
    return handled;
}

void Form::releaseWindow() {
    if (!isHidden())
        return;
    for (auto* picture : findChildren<Picture*>())
        picture->releasePixels();
    for (auto* button : findChildren<PictureButton*>())
        button->releasePixels();
    if (testAttribute(Qt::WA_WState_Created))
        destroy(true, true);
}

void Form::closeEvent(QCloseEvent* e) {
    // A closed screen would leave the pupil without a way on: the window stays, and the
    // program decides what the request means once it has been answered.
    e->ignore();
    if (closeListener_)
        QTimer::singleShot(0, this, [this] {
            if (closeListener_)
                closeListener_(this);
        });
}

} // namespace ui
