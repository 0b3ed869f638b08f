#include "app/MDIForm2.h"

#include "app/Program.h"
#include "screens/welcome/frmmecenaat1.h"
#include "screens/who/frmwie.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/WindowSystem.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

MDIForm2::MDIForm2(Program& program)
    // Closing (which ends the program) and maximising, but no minimise: see Program::windowMinimised.
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      program_(program) {
    setObjectName(QStringLiteral("MDIForm2"));
    setWindowTitle(QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::rgb(0xEAE28A));
    setPalette(p);
    setAutoFillBackground(true);

    aftrek2 = new QAction(QStringLiteral("&Basis"), this);
    aftrek2->setObjectName(QStringLiteral("aftrek2"));
    connect(aftrek2, &QAction::triggered, this, [this] { aftrek2_Click(); });
    buildMenu();

    // A backdrop that fills the desktop, as a classroom expects: maximised, so that the window
    // manager keeps its title bar, and the close button that ends the program, on the display.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void MDIForm2::Form_Load() {
    program_.ShowScreen<frmmecenaat1>();
    // The closing screen is never loaded at start, so there is nothing to unload here.
}

void MDIForm2::aftrek2_Click() {
    program_.HideScreen<frmmecenaat1>();
    program_.ShowScreen(frmwie::afterWelcome(program_));
    setEnabled(false);
}

void MDIForm2::buildMenu() {
    aftrek = new QMenu(QStringLiteral("OPENEN "), this);
    aftrek->setObjectName(QStringLiteral("aftrek"));
    aftrek->addAction(aftrek2);
    menuBar()->addMenu(aftrek);
    // The menu of the usable backdrop holds the activation while it is open; the screen in
    // front takes it back once the menu closes (after its item has done its work).
    connect(aftrek, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, [this] { program_.bringScreenBack(); }); });
}

void MDIForm2::forgetMenuWindow() {
    // A menu that has popped up keeps a window of its own, made for the scale of its time.
    // (It may be open now, F11 pressed on it: it goes once its key has been handled.)
    if (!aftrek->windowHandle())
        return;
    aftrek->hide();
    menuBar()->removeAction(aftrek->menuAction());
    aftrek->setObjectName(QString());
    aftrek->deleteLater();
    buildMenu();
}

// Closing the backdrop ends the whole program, screens included.
void MDIForm2::closeEvent(QCloseEvent* e) {
    e->ignore();
    program_.end();
}

void MDIForm2::paintEvent(QPaintEvent* e) {
    QMainWindow::paintEvent(e);
    // The icon only serves the window list: it is made once the backdrop is on the screen,
    // not on the way to the first picture the pupil sees. Where a scale's rounding leaves an
    // edge of the window unpainted, the window system shows the backdrop's colour there.
    if (!iconSet_) {
        iconSet_ = true;
        ui::windowSystem::fillUnpainted(*this, palette().color(QPalette::Window));
        QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(ui::programIcon()); });
    }
}

bool MDIForm2::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate)
        program_.mainWindowActivated();
    if (e->type() == QEvent::WindowStateChange && isMinimized())
        program_.windowMinimised();
    return handled;
}
