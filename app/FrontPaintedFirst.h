#pragma once
// The backdrop goes on the display before the screen in front of it (at start), so that
// every window manager keeps the screen in front; the screen the pupil looks at is still
// painted first. The backdrop's paint waits for the screen's, and never longer than a
// moment. Made with new; it deletes itself.
#include <QObject>
#include <QPointer>
#include <QWindow>

class FrontPaintedFirst : public QObject {
public:
    FrontPaintedFirst(QWindow* backdrop, QWindow* front);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    static constexpr int MostWaitMs = 100;

    void release();

    QPointer<QWindow> backdrop_;
    QPointer<QWindow> front_;
    bool held_ = false, released_ = false;
};
