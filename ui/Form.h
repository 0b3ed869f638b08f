#pragma once
// The base of every screen: a top-level window of its own with a fixed client area,
// a load step that runs once and an activate step that runs on each activation.
// A screen belongs to the main window (its transient parent): window systems keep it in
// front of the main window; its title bar asks for moving and closing only.
#include "ui/ControlTable.h"

#include <QAbstractButton>
#include <QWidget>
#include <functional>

namespace ui {

class Form : public QWidget {
    Q_OBJECT
public:
    Form(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips, int back);

    // Load step: runs once, right after the screen is created.
    virtual void Form_Load() {}
    // Activate step: runs each time the screen becomes the program's active screen.
    virtual void Form_Activate() {}

    // Finds a control of this screen by its name; it must exist.
    template <class T = QWidget>
    T* control(const QString& name) const {
        T* w = findChild<T*>(name);
        Q_ASSERT_X(w, "Form::control", qPrintable(name));
        return w;
    }
    template <class T = QWidget>
    T* control(const char* name) const {
        return control<T>(QString::fromLatin1(name));
    }

    // Told when the window system activates this window (the program decides whether
    // that is a new activation).
    void setActivationListener(std::function<void(Form*)> listener) { listener_ = std::move(listener); }

    // Told when the window system asks to close this window (the title bar's close button);
    // the window itself stays.
    void setCloseListener(std::function<void(Form*)> listener) { closeListener_ = std::move(listener); }

    // Told when the window system minimises this window.
    void setMinimiseListener(std::function<void(Form*)> listener) { minimiseListener_ = std::move(listener); }

    // Gives back what the window system holds for a hidden screen (its native window and
    // the window-sized image it is painted into); showing the screen makes them anew.
    void releaseWindow();

    // The button by which this screen returns where it came from (the menu's is its stop
    // button); null where there is none. The title bar's close presses it while it is offered.
    QAbstractButton* returnButton() const { return returnButton_; }

    // Enter clicks the focused button, unless the screen gives Enter a meaning of its own.
    bool enterClicksButtons() const { return enterClicks_; }
    void setEnterClicksButtons(bool on) { enterClicks_ = on; }

protected:
    void build(std::span<const ControlSpec> table);
    // The screen's return button and what it does when pressed.
    template <class Screen>
    void setReturnButton(QAbstractButton* button, void (Screen::*pressed)()) {
        returnButton_ = button;
        connect(button, &QAbstractButton::clicked, static_cast<Screen*>(this), pressed);
    }
    bool event(QEvent* e) override;
    // Screens are only shown and hidden: a close request goes to the close listener.
    void closeEvent(QCloseEvent* e) override;

private:
    std::function<void(Form*)> listener_;
    std::function<void(Form*)> closeListener_;
    std::function<void(Form*)> minimiseListener_;
    bool enterClicks_ = true;
    QAbstractButton* returnButton_ = nullptr;
};

} // namespace ui
