#pragma once
// What a screen reader says without being asked. A screen reader speaks the control that
// receives the focus and ignores most other changes on the screen, so a screen says what
// changed through here. Everything is spoken after the current step (a key, a click, a
// timer tick) is over, once, after the focus of that step has landed; a screen that is
// being shown speaks once the window system has made it the active window.
#include <QString>
#include <functional>
#include <initializer_list>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace ui {

// Speaks the text (made speakable) once the current step is over.
void announce(QWidget* onScreen, const QString& text);

// What the control shows (a label's caption, a box's contents) is spoken each time its
// screen becomes the active window and after every step that changed it; an empty text
// stays silent, and so does a hidden control unless whileHidden (a working field whose
// text the pupil reads elsewhere). lead is said before it ("onthouden 1"). Controls of
// one screen speak in the order they were given here.
void speakChanges(QWidget* control, const QString& lead = {}, bool whileHidden = false);
void speakChanges(std::initializer_list<QWidget*> controls);

// The label is the screen's status line: the screen reader's "read the status bar"
// command reads it.
void setStatusLine(QWidget* label);

// A text as it is said: letters spaced out for the eye (" P R I M A ") become one word,
// "7 x 5" becomes "7 maal 5", "=" becomes "is", "<" and ">" are said in words, and line
// breaks and runs of blanks become one blank.
QString speakable(QString text);

// Every text spoken above is also handed to listener (reading aloud), once per screen and
// step, as the screen reader gets it. An empty listener takes the hook away.
void setSpokenListener(std::function<void(const QString&)> listener);

namespace detail {
// Started once by installAccessibility().
void installSpeech();
// A step that the program did not start through a key or a click (a timer tick) is over.
void stepDone();
// The interface of the control that speaks for a screen, or null for any other object.
QAccessibleInterface* speechInterface(QObject* object);
// True for a label made a status line.
bool isStatusLine(const QWidget* w);
} // namespace detail

} // namespace ui
