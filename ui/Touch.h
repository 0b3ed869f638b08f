#pragma once
// Whether the pupil works with a finger on a touchscreen: from the last tap until the next
// press of a mouse button or a key. Screens show their touch aids (the number pad) only
// then, so that a pupil with a mouse and a keyboard sees every screen unchanged.
#include <QObject>

class QEvent;

namespace ui {

class TouchRules : public QObject {
    Q_OBJECT
public:
    // Installed on the application by the first call.
    static TouchRules& instance();

    bool inUse() const { return touch_; }

signals:
    // Told when the pupil switches between touch and mouse or keyboard.
    void inUseChanged(bool touch);

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override;

private:
    explicit TouchRules(QObject* parent) : QObject(parent) {}
    void set(bool touch);

    bool touch_ = false;
};

// Installed once for the whole application; later calls do nothing.
void installTouchRules();

// True from the last tap on a touchscreen until the next mouse press or key press.
bool touchInUse();

// Whether a press comes from a finger on a touchscreen: a touch event, or the mouse event
// Qt makes of a tap, told apart from a real mouse by the device it comes from.
bool fromTouchScreen(const QEvent* e);

} // namespace ui
