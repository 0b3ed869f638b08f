// Start-up of the real program: prints the wall clock when the welcome screen's first paint
// has gone out to the display ("welcome"), and when the backdrop behind it has been
// painted too ("backdrop"), then ends.
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/welcome/frmmecenaat1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {
// The wall clock, so the script can count from before the process was started.
long long wallClockUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class FirstPaints : public QObject {
public:
    FirstPaints(QWidget* screen, QWidget* backdrop) : screen_(screen), backdrop_(backdrop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->isWidgetType()) {
            // Any widget of the window: the welcome form is covered by opaque children.
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            screenPainted_ |= window == screen_;
            backdropPainted_ |= window == backdrop_;
        }
        if (!welcomeReported_ && !inside_ && e->type() == QEvent::Expose && watched == screen_->windowHandle()) {
            // Qt paints and flushes an exposed window while it handles the expose: let it
            // do so first, then read the clock.
            inside_ = true;
            QCoreApplication::sendEvent(watched, e);
            inside_ = false;
            if (screenPainted_) {
                welcomeReported_ = true;
                std::printf("welcome %lld\n", wallClockUs());
            }
            return true;
        }
        if (screenPainted_ && backdropPainted_ && !exiting_ && !inside_) {
            exiting_ = true;
            // Once the paints have gone out; not quit(): that asks every window to close,
            // and the screens refuse.
            QTimer::singleShot(0, qApp, [] {
                std::printf("backdrop %lld\n", wallClockUs());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    QWidget* screen_;
    QWidget* backdrop_;
    bool screenPainted_ = false, backdropPainted_ = false;
    bool welcomeReported_ = false, exiting_ = false, inside_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program::keepPicturesBetweenRuns(); // as the program itself starts
    Program program;
    FirstPaints watcher(&program.screen<frmmecenaat1>(), &program.mainWindow());
    app.installEventFilter(&watcher);
    program.start();
    return app.exec();
}
