#pragma once
// The whole display, for a class board: the backdrop fills the display without a title bar
// and every screen is drawn larger by one factor, the way a desktop's display scale draws
// it: texts and pictures at the display's own pixels, positions and sizes in proportion.
// F11 switches it, from any screen.
#include <QObject>
#include <QPointer>
#include <QSize>

class Program;
class QScreen;
class QWidget;

class FullDisplay : public QObject {
public:
    explicit FullDisplay(Program& program);
    ~FullDisplay() override;

    bool isOn() const { return on_; }
    void setOn(bool on);
    void toggle() { setOn(!on_); }

    // How much larger the screens are drawn now: 1 at normal size.
    qreal zoom() const { return zoom_; }

    // The factor for a display of that size, in the program's pixels at normal size: the
    // largest screen fills most of the display's height (or nearly its width), in steps
    // of a sixteenth; never below 1.
    static qreal zoomFor(QSize display);

    // The largest screen's inside, in the program's pixels at normal size.
    static QSize largestScreen();

    // A window on the display after its scale changed: its place and size in the program's
    // pixels as before, in the display's new ones, and all of it drawn again.
    static void redrawAtNewScale(QWidget& window);

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override;

private:
    Program& program_;
    bool on_ = false;
    qreal zoom_ = 1;
    qreal normal_ = 1; // the application's own scale, as it started (QT_SCALE_FACTOR)
    // The display that is enlarged, and its own scale before (a desktop's setting for it).
    QPointer<QScreen> screen_;
    qreal base_ = 1;
};
