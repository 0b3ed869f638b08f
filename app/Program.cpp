#include "app/Program.h"

#include "app/FrontPaintedFirst.h"
#include "app/FullDisplay.h"
#include "app/MDIForm2.h"
#include "config/Config.h"
#include "results/Recorder.h"
#include "ui/Accessibility.h"
#include "ui/Form.h"
#include "ui/Keyboard.h"
#include "ui/Look.h"
#include "ui/PictureStore.h"
#include "ui/ReadAloud.h"
#include "ui/Touch.h"
#include "ui/Twips.h"
#include "ui/WindowSystem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A window's image and a picture are megabytes at the whole display. By default the C library
// gives memory that large back to the system once it is freed, and the next screen's image
// is paged in anew, which costs far more than painting it. Kept (up to a bound), the memory
// is used again. The largest image there is (a 4K backdrop) is still mapped on its own.
void reuseImageMemory() {
#ifdef __GLIBC__
    constexpr int MapOnItsOwnFrom = 32 << 20;
    constexpr int MostKeptFree = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, MapOnItsOwnFrom);
    mallopt(M_TRIM_THRESHOLD, MostKeptFree);
#endif
}

} // namespace

Program::Program()
    : random_(std::make_unique<zef::ClockRandom>()), pupil_(results::loginName()),
      classList_(config::settings().classList) {
    reuseImageMemory();
    ui::setupLook();
    ui::setupLanguage();
    ui::installKeyboardRules();
    ui::installTouchRules();
    ui::installAccessibility();
    ui::installReadAloud(config::settings().readAloud);
    fullDisplay_ = std::make_unique<FullDisplay>(*this);
    // The program ends only when it says so, not when its last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    endHandler_ = [this] { closeAll(); };
}

Program::~Program() {
    // Screens are transient for the main window: let them go first.
    screens_.clear();
    main_.reset();
    fullDisplay_.reset();
    recorder_.reset();
}

void Program::setRecorder(std::unique_ptr<results::Recorder> recorder) {
    recorder_ = std::move(recorder);
}

void Program::setPupil(const QString& name) {
    pupil_ = name;
}

const QString& Program::pupil() const {
    return pupil_;
}

void Program::keep(results::Check check) {
    if (!recorder_)
        return;
    const results::Check fresh = results::newCheck();
    check.id = fresh.id;
    check.moment = fresh.moment;
    check.pupil = pupil_;
    recorder_->record(check);
}

MDIForm2& Program::mainWindow() {
    if (!main_)
        main_ = std::make_unique<MDIForm2>(*this);
    return *main_;
}

void Program::start() {
    MDIForm2& main = mainWindow();
    fullDisplay_->setOn(config::settings().fullDisplay);
    // The backdrop goes up first, without taking the activation: a window system can only keep
    // the welcome screen in front of a window that it already knows when the screen appears.
    main.setAttribute(Qt::WA_ShowWithoutActivating);
    main.show();
    main.Form_Load();
    // A Wayland compositor shows a child window only after its parent has content.
    if (active_ && active_->windowHandle() && main.windowHandle() &&
        QGuiApplication::platformName() != QLatin1String("wayland"))
        new FrontPaintedFirst(main.windowHandle(), active_->windowHandle());
    if (active_) {
        active_->raise();
        active_->activateWindow();
    }
}

void Program::keepPicturesBetweenRuns() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty())
        ui::pictureStore::setFolder(cache + QStringLiteral("/zefranol/pictures"));
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
    form.setCloseListener([this](ui::Form* f) { closeRequested(*f); });
    form.setMinimiseListener([this](ui::Form*) { windowMinimised(); });
    form.Form_Load();
}

void Program::attach(ui::Form& form) {
    // Screens stay in front of the main window without being its children,
    // so disabling the main window leaves them usable.
    ui::windowSystem::belongTo(form, mainWindow());
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

void Program::closeRequested(ui::Form& form) {
    // The title bar's close does what the screen's own return button does, and only while
    // the screen offers that button: a series is finished, a drill runs out, before the
    // pupil leaves, whichever way the pupil chooses.
    if (form.isHidden())
        return;
    QAbstractButton* button = form.returnButton();
    if (button && button->isVisible() && button->isEnabled())
        button->click();
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
    // The screen in front keeps the activation: whatever the pupil clicks on the backdrop
    // (its surface, its menu bar, enabled or not), the screen takes it back. It never
    // stopped being the program's active screen, so its activate step does not run again.
    if (frontScreen()) {
        // After the click that activated the backdrop has been handled: it may open the
        // backdrop's menu, which hands back when it closes.
        QTimer::singleShot(0, main_.get(), [this] { bringScreenBack(); });
        return;
    }
    // With no screen up, a pupil's click on the usable backdrop makes it the active window.
    if (main_ && main_->isEnabled() && !main_->isHidden() && main_->isActiveWindow())
        active_ = nullptr;
}

ui::Form* Program::frontScreen() const {
    if (active_ && active_->isVisible())
        return active_;
    for (const auto& entry : screens_)
        if (entry.second->isVisible())
            return entry.second.get();
    return nullptr;
}

void Program::bringScreenBack() {
    ui::Form* front = frontScreen();
    if (!front || !main_ || !main_->isActiveWindow() || QApplication::activePopupWidget())
        return;
    front->raise();
    front->activateWindow();
    ui::windowSystem::takeKeyboard(*front);
}

void Program::windowMinimised() {
    // Window managers minimise a screen together with the backdrop it belongs to, and a desktop
    // without a task bar has nothing to bring them back: no window of the program stays
    // minimised. (The title bars offer no minimise where the window manager lets a program say so.)
    QTimer::singleShot(0, main_.get(), [this] { restoreMinimised(); });
}

void Program::restoreMinimised() {
    if (main_ && main_->isMinimized())
        main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    ui::Form* front = frontScreen();
    if (!front)
        return;
    if (front->isMinimized())
        front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}

void CentreOnScreen(QWidget& window, bool scaleChanged) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The outer size counts the window manager's frame. Qt knows it only once the window is
    // framed, and a screen gets a new window each time it is shown: until then the frame is
    // asked of the window system, and the window is placed again once it has answered.
    const QRect outerNow = window.frameGeometry();
    const QMargins qtFrame(window.geometry().left() - outerNow.left(), window.geometry().top() - outerNow.top(),
                           outerNow.right() - window.geometry().right(),
                           outerNow.bottom() - window.geometry().bottom());
    QMargins frame = qtFrame;
    // Qt counts the frame of a window it has framed in the program's pixels of that moment:
    // after a change of scale the window system's count holds until Qt has seen it anew.
    if (frame.isNull() || scaleChanged)
        if (auto* form = qobject_cast<ui::Form*>(&window))
            if (const QMargins told = ui::windowSystem::frame(*form, [w = &window] { CentreOnScreen(*w); });
                !told.isNull() || frame.isNull())
                frame = told;
    const QPoint unknown(frame.left() - qtFrame.left(), frame.top() - qtFrame.top());
    const QSize display = screen->geometry().size() * ui::TwipsPerPixel;
    const QSize outer = window.size().grownBy(frame) * ui::TwipsPerPixel;
    const float left = (float(display.width()) - float(outer.width())) / 2.0f;
    const float top = (float(display.height()) - float(outer.height())) / 2.0f;
    const QPoint origin = screen->geometry().topLeft();
    window.move(origin.x() + qRound(left / float(ui::TwipsPerPixel)) + unknown.x(), window.y());
    window.move(window.x(), origin.y() + qRound(top / float(ui::TwipsPerPixel)) + unknown.y());
}
