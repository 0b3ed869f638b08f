// Switching to the whole display and back: from F11 until the screen in front has been painted
// at its new size, on the column screen and in the times-table room. Prints the median, the
// spread and the worst time per screen and direction, in milliseconds.
// Usage: bench_full_display [rounds]   (on a display: Xvfb, or offscreen with a configured size)
#include "app/FullDisplay.h"
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/column1/frmmaal2.h"
#include "screens/welcome/frmmecenaat1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Counts the paints of one window.
class Paints : public QObject {
public:
    explicit Paints(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// F11 on the screen in front; the time until that screen has painted again (2 s at most).
double switchOnce(ui::Form& front) {
    Paints paints(front);
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
    QApplication::sendEvent(&front, &press);
    while (paints.count == 0 && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return double(clock.nsecsElapsed()) / 1e6;
}

void report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const auto at = [&v](double q) { return v[std::min(v.size() - 1, size_t(q * double(v.size())))]; };
    std::printf("%-40s %8.1f %8.1f %8.1f %8.1f %8.1f\n", what, at(0.5), at(0.1), at(0.9), v.front(), v.back());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    Program program;
    program.setEndHandler([] {});
    program.start();
    QApplication::processEvents();
    const QSize display = QGuiApplication::primaryScreen()->geometry().size();
    std::printf("display %dx%d, whole display enlarges %.4fx\n", display.width(), display.height(),
                FullDisplay::zoomFor(display));
    std::printf("%-40s %8s %8s %8s %8s %8s\n", "switch (ms)", "median", "p10", "p90", "min", "max");
    ui::Form* screens[] = {&program.screen<frmmaal2>(), &program.screen<Aklas>()};
    const char* names[] = {"column screen", "times-table room"};
    for (int s = 0; s < 2; ++s) {
        program.HideScreen(program.screen<frmmecenaat1>());
        for (ui::Form* other : screens)
            program.HideScreen(*other);
        program.ShowScreen(*screens[s]);
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        std::vector<double> on, off;
        for (int i = 0; i < rounds; ++i) {
            on.push_back(switchOnce(*screens[s]));
            off.push_back(switchOnce(*screens[s]));
        }
        report((std::string(names[s]) + ": to the whole display").c_str(), on);
        report((std::string(names[s]) + ": back to normal size").c_str(), off);
    }
    std::printf("rounds: %d\n", rounds);
    return 0;
}
