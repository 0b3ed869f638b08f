#include "ui/Touch.h"

#include <QApplication>
#include <QInputEvent>
#include <QPointingDevice>

namespace ui {

bool fromTouchScreen(const QEvent* e) {
    switch (e->type()) {
    case QEvent::TouchBegin:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const QInputDevice* device = static_cast<const QInputEvent*>(e)->device();
        // A touchpad moves a pointer like a mouse does; only a finger on the screen counts.
        return device && device->type() == QInputDevice::DeviceType::TouchScreen;
    }
    default:
        return false;
    }
}

TouchRules& TouchRules::instance() {
    static TouchRules* rules = nullptr;
    if (!rules) {
        rules = new TouchRules(qApp);
        qApp->installEventFilter(rules);
    }
    return *rules;
}

void TouchRules::set(bool touch) {
    if (touch == touch_)
        return;
    touch_ = touch;
    emit inUseChanged(touch);
}

bool TouchRules::eventFilter(QObject* receiver, QEvent* e) {
    switch (e->type()) {
    case QEvent::TouchBegin:
        if (fromTouchScreen(e))
            set(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        set(fromTouchScreen(e));
        break;
    case QEvent::KeyPress:
        set(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(receiver, e);
}

void installTouchRules() {
    if (qApp)
        TouchRules::instance();
}

bool touchInUse() {
    return qApp && TouchRules::instance().inUse();
}

} // namespace ui
