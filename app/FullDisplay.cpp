#include "app/FullDisplay.h"

#include "app/MDIForm2.h"
#include "app/Program.h"
#include "ui/Form.h"
#include "ui/Twips.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QBackingStore>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Of the display's height, what the largest screen with its title bar may take; the
// title bar keeps its own size, so the rest leaves room for it at every scale.
constexpr qreal HeightShare = 0.85;
constexpr qreal WidthShare = 0.95;
constexpr qreal Steps = 16;

// Qt's own scale as the application started, which a desktop's display scale sets.
qreal startScale() {
    bool ok = false;
    const qreal f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && f > 0 ? f : 1.0;
}

} // namespace

FullDisplay::FullDisplay(Program& program) : program_(program), normal_(startScale()) {
    qApp->installEventFilter(this);
}

FullDisplay::~FullDisplay() {
    // The next program of this process (a test's) starts at the normal size.
    if (on_ && screen_)
        QHighDpiScaling::setScreenFactor(screen_, base_);
}

void FullDisplay::redrawAtNewScale(QWidget& window) {
    if (QWindow* handle = window.windowHandle())
        handle->setGeometry(window.geometry());
    // Its image is made anew at the new scale. Qt takes what it painted before for still
    // good: each control is asked to paint again.
    if (QBackingStore* store = window.backingStore())
        store->resize(store->size());
    window.update();
    for (QWidget* control : window.findChildren<QWidget*>())
        control->update();
}

QSize FullDisplay::largestScreen() {
    // The "Wie ben jij?" screen (12600 x 9600 twips) is the largest; a test keeps every
    // screen within it.
    return ui::sizeFromTwips(12600, 9600);
}

qreal FullDisplay::zoomFor(QSize display) {
    const QSize largest = largestScreen();
    const qreal fit =
        std::min(HeightShare * display.height() / largest.height(), WidthShare * display.width() / largest.width());
    return std::max<qreal>(1.0, std::floor(fit * Steps) / Steps);
}

void FullDisplay::setOn(bool on) {
    if (on == on_)
        return;
    MDIForm2& backdrop = program_.mainWindow();
    QScreen* screen = backdrop.screen() ? backdrop.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!screen_) {
        screen_ = screen;
        base_ = QHighDpiScaling::factor(screen) / normal_;
    }
    // The display in the program's pixels at normal size.
    const QSize display = (QSizeF(screen->geometry().size()) * zoom_).toSize();
    on_ = on;
    zoom_ = on ? zoomFor(display) : 1.0;

    // The windows stay where they are on the display: new ones would cost the X server and
    // the program fresh memory for every image, most of a switch's time. Qt takes the new
    // scale at the next paint and placement of each.
    std::vector<ui::Form*> shown, hidden;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<ui::Form*>(w))
            (form->isVisible() ? shown : hidden).push_back(form);
    for (ui::Form* form : hidden)
        form->releaseWindow();
    backdrop.forgetMenuWindow();

    // The display's own scale, as a desktop's setting for it works (times the application's
    // QT_SCALE_FACTOR).
    QHighDpiScaling::setScreenFactor(screen_, base_ * zoom_);
    // Its size first, then its state: a window manager that has the backdrop on the display
    // would take a new size after the state for the end of that state. (The size changes
    // with the scale, which makes its image anew by itself.)
    backdrop.setGeometry(on ? screen->geometry() : screen->availableGeometry());
    backdrop.setWindowState(on ? Qt::WindowFullScreen : Qt::WindowMaximized);
    if (backdrop.internalWinId())
        ui::windowSystem::fillUnpainted(backdrop, backdrop.palette().color(QPalette::Window));
    for (ui::Form* form : hidden)
        CentreOnScreen(*form);
    for (ui::Form* form : shown) {
        redrawAtNewScale(*form);
        // Its frame counts at the new scale too.
        CentreOnScreen(*form, true);
    }
}

bool FullDisplay::eventFilter(QObject* receiver, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F11) {
        if (!static_cast<QKeyEvent*>(e)->isAutoRepeat())
            toggle();
        return true;
    }
    return QObject::eventFilter(receiver, e);
}
