#include "app/FullDisplay.h"

#include "app/FrontPaintedFirst.h"
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "ui/Form.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
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

// A window manager may frame a window made anew only after the program placed it, and shift
// it by its title bar: the screen is placed once more when the window manager activates it.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        QTimer::singleShot(MostWaitMs, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) {
            CentreOnScreen(window_);
            deleteLater();
        }
        return false;
    }

private:
    static constexpr int MostWaitMs = 1000;
    QWidget& window_;
};

} // namespace

FullDisplay::FullDisplay(Program& program) : program_(program), normal_(startScale()) {
    qApp->installEventFilter(this);
}

FullDisplay::~FullDisplay() {
    // The next program of this process (a test's) starts at the normal size.
    if (on_)
        QHighDpiScaling::setGlobalFactor(normal_);
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
    // The display in the program's pixels at normal size.
    const QSize display = (QSizeF(screen->geometry().size()) * zoom_).toSize();
    on_ = on;
    zoom_ = on ? zoomFor(display) : 1.0;

    // Qt takes a new scale only for windows it creates: the windows on the display are hidden,
    // given back and made anew, the backdrop first, the screen in front last.
    const bool backdropShown = backdrop.isVisible();
    std::vector<ui::Form*> forms, shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<ui::Form*>(w)) {
            forms.push_back(form);
            if (form->isVisible() && form != program_.activeScreen())
                shown.push_back(form);
        }
    if (ui::Form* front = program_.activeScreen(); front && front->isVisible())
        shown.push_back(front);
    for (ui::Form* form : forms) {
        form->hide();
        form->releaseWindow();
    }
    backdrop.hide();
    backdrop.releaseWindow();

    QHighDpiScaling::setGlobalFactor(normal_ * zoom_);

    backdrop.setWindowState(on ? Qt::WindowFullScreen : Qt::WindowMaximized);
    backdrop.setGeometry(on ? screen->geometry() : screen->availableGeometry());
    // A hidden screen is placed now; one on the display once it is shown, as it is at its
    // activation, so that the window manager's frame is counted.
    for (ui::Form* form : forms)
        if (std::find(shown.begin(), shown.end(), form) == shown.end())
            CentreOnScreen(*form);
    if (backdropShown)
        backdrop.show();
    for (ui::Form* form : shown) {
        program_.ShowScreen(*form);
        CentreOnScreen(*form);
        new CentreWhenFramed(*form);
    }
    // (A Wayland compositor shows a screen only once the backdrop behind it has content.)
    if (!shown.empty() && backdrop.windowHandle() && shown.back()->windowHandle() &&
        QGuiApplication::platformName() != QLatin1String("wayland"))
        new FrontPaintedFirst(backdrop.windowHandle(), shown.back()->windowHandle());
}

bool FullDisplay::eventFilter(QObject* receiver, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F11) {
        if (!static_cast<QKeyEvent*>(e)->isAutoRepeat())
            toggle();
        return true;
    }
    return QObject::eventFilter(receiver, e);
}
