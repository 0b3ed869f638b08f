#include "app/Program.h"

#include "app/MDIForm2.h"
#include "ui/Accessibility.h"
#include "ui/Form.h"
#include "ui/Keyboard.h"
#include "ui/Look.h"
#include "ui/Touch.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

Program::Program() : random_(std::make_unique<zef::ClockRandom>()) {
    ui::setupLook();
    ui::setupLanguage();
    ui::installKeyboardRules();
    ui::installTouchRules();
    ui::installAccessibility();
    // The program ends only when it says so, not when its last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    endHandler_ = [this] { closeAll(); };
}

Program::~Program() {
    // Screens are transient for the main window: let them go first.
    screens_.clear();
    main_.reset();
}

MDIForm2& Program::mainWindow() {
    if (!main_)
        main_ = std::make_unique<MDIForm2>(*this);
    return *main_;
}

void Program::start() {
    MDIForm2& main = mainWindow();
    main.Form_Load();
    // The backdrop must not take the activation away from the welcome screen in front of it.
    main.setAttribute(Qt::WA_ShowWithoutActivating);
    main.show();
    if (active_) {
        active_->raise();
        active_->activateWindow();
    }
}

void Program::end() {
    if (endHandler_)
        endHandler_();
}

void Program::closeAll() {
    // Nothing of a screen may run once the run is over: its timers stop first, then every
    // window goes, popups and tips included (hidden, so no screen can refuse), and the event
    // loop returns from exec() unconditionally. The screens are freed with the Program.
    for (auto& entry : screens_)
        for (QTimer* timer : entry.second->findChildren<QTimer*>())
            timer->stop();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void Program::adopt(ui::Form& form) {
    ui::stackControls(&form);
    attach(form);
    form.setActivationListener([this](ui::Form* f) { windowActivated(f); });
    form.Form_Load();
}

void Program::attach(ui::Form& form) {
    // Screens stay in front of the main window without being its children,
    // so disabling the main window leaves them usable.
    MDIForm2& main = mainWindow();
    main.winId();
    form.winId();
    if (form.windowHandle() && main.windowHandle())
        form.windowHandle()->setTransientParent(main.windowHandle());
}

void Program::ShowScreen(ui::Form& form) {
    if (!form.windowHandle())
        attach(form);
    form.show();
    form.raise();
    form.activateWindow();
    if (active_ != &form) {
        active_ = &form;
        form.Form_Activate();
    }
}

void Program::HideScreen(ui::Form& form) {
    form.hide();
    // A hidden screen waits, often for the rest of the run: it need not keep its window.
    form.releaseWindow();
    if (active_ == &form)
        active_ = nullptr;
}

void Program::windowActivated(ui::Form* form) {
    // The window system also reports activations that the program already handled
    // (inside ShowScreen) or that only bring the program back from another application.
    if (form->isHidden() || active_ == form)
        return;
    active_ = form;
    form->Form_Activate();
}

void Program::mainWindowActivated() {
    // Only a pupil's click on the usable backdrop makes it the active window.
    if (main_ && main_->isEnabled() && !main_->isHidden() && main_->isActiveWindow())
        active_ = nullptr;
}

void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize display = screen->geometry().size() * ui::TwipsPerPixel;
    const QSize outer = window.frameGeometry().size() * ui::TwipsPerPixel;
    const float left = (float(display.width()) - float(outer.width())) / 2.0f;
    const float top = (float(display.height()) - float(outer.height())) / 2.0f;
    const QPoint origin = screen->geometry().topLeft();
    window.move(origin.x() + qRound(left / float(ui::TwipsPerPixel)), window.y());
    window.move(window.x(), origin.y() + qRound(top / float(ui::TwipsPerPixel)));
}
