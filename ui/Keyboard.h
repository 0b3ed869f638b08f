#pragma once
// Rules for pupils who work with the keyboard: Enter clicks the focused button the way
// Space does (and a focused answer box, the way the mouse does), and the control that has the focus carries a thick
// mark while the keyboard is in use (a mouse click takes the mark away again).
class QPainter;
class QWidget;

namespace ui {

// Installed once for the whole application; later calls do nothing.
void installKeyboardRules();

// True from the last key press until the next mouse press.
bool keyboardInUse();

// Paints the focus mark inside w when w has the focus and the keyboard is in use.
void paintFocusMark(QWidget* w, QPainter& painter);

// The two colours of the mark: a dark ring outside and a light one inside, so that
// one of them stands out on any background.
inline constexpr int FocusMarkOuter = 0x000000;
inline constexpr int FocusMarkInner = 0xFFFF00;

} // namespace ui
