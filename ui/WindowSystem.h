#pragma once
// What the program asks of the window system beside Qt: the frame a window manager puts
// around a screen, the screen's place in front of the backdrop, and the keyboard handed to
// a screen. Where the window system is not X11, each of these does nothing.
#include <QMargins>
#include <functional>

class QColor;
class QWidget;

namespace ui::windowSystem {

// The frame the window manager puts around the window (title bar and borders), as far as it
// is known now, also before the window is framed; empty where the window system does not say.
// When the window manager has yet to tell, it is asked, nothing waits for it, and answered
// runs once it has told (while the window is still there). Meanwhile the frame it gave the
// program's last window is the best guess. One that does not answer within a moment is
// not listened to any longer.
QMargins frame(QWidget& window, std::function<void()> answered);

// The window belongs to owner (its transient parent): window managers keep it in front of
// owner. Both get their native windows here.
void belongTo(QWidget& window, QWidget& owner);

// What Qt leaves unpainted of the window (at some scales a last row or column of pixels, for
// the rounding) shows colour instead of what was there before. Gives the window its native
// window.
void fillUnpainted(QWidget& window, const QColor& colour);

// Moves the keyboard focus to the window straight away, for when another window of the
// program holds it: a window manager that guards against windows taking the focus may
// refuse the program's polite request (activateWindow) then.
void takeKeyboard(QWidget& window);

} // namespace ui::windowSystem
