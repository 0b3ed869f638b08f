// Baseline for the benchmarks: an empty Qt Widgets window with a menu bar, of the same
// size as the program's main window.
//   bench_empty_window           prints the wall clock once it has painted, and ends (start-up)
//   bench_empty_window rest <s>  stays s seconds after its first paint (memory)
//   bench_empty_window idle <s>  the same, and prints the CPU time those seconds cost (ms)
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {
int restSeconds = 0;
bool reportCpu = false;

// The wall clock, so the script can count from before the process was started.
long long wallClockUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

class Window : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* e) override {
        QMainWindow::paintEvent(e);
        if (painted_)
            return;
        painted_ = true;
        if (restSeconds == 0) {
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted %lld\n", wallClockUs());
                QApplication::quit();
            });
            return;
        }
        QTimer::singleShot(500, qApp, [] {
            const double before = cpuMs();
            QTimer::singleShot(restSeconds * 1000, qApp, [before] {
                if (reportCpu)
                    std::printf("idle cpu ms %.1f over %d s\n", cpuMs() - before, restSeconds);
                QApplication::quit();
            });
        });
    }

private:
    bool painted_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && (std::strcmp(argv[1], "rest") == 0 || std::strcmp(argv[1], "idle") == 0)) {
        restSeconds = std::max(1, std::atoi(argv[2]));
        reportCpu = std::strcmp(argv[1], "idle") == 0;
    }
    QApplication app(argc, argv);
    Window window;
    window.menuBar()->addMenu(QStringLiteral("OPENEN "))->addAction(QStringLiteral("&Basis"));
    // The same backdrop size as the program's main window.
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    return app.exec();
}
