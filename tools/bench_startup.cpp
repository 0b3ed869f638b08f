// Start-up of the real program up to the first painted welcome screen; ends right after.
#include "app/Program.h"
#include "screens/welcome/frmmecenaat1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        return QObject::eventFilter(watched, e);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    const auto begin = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    Program program;
    FirstPaint watcher;
    program.screen<frmmecenaat1>().installEventFilter(&watcher);
    program.start();
    app.exec();
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%.2f\n", ms);
}
