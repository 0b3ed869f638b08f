// Switching to the whole display and back: from F11 until the screen in front has been painted
// at its new size (and until the backdrop has been too), on the column screen and in the
// times-table room. Prints the median, the spread and the worst time per screen and direction,
// in milliseconds. Then, as the baseline, a plain window of each screen's size taken through
// the same change of the display's scale: what any Qt program pays on this machine for an
// image of that size made anew and painted once.
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
#include <QtGui/private/qhighdpiscaling_p.h>
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

// F11 on the screen in front: the times until that screen and until the backdrop too have
// painted again (2 s at most).
std::pair<double, double> switchOnce(ui::Form& front, QWidget& backdrop) {
    Paints screen(front), behind(backdrop);
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
    QApplication::sendEvent(&front, &press);
    double screenPainted = 0;
    while ((screen.count == 0 || behind.count == 0) && clock.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (screen.count > 0 && screenPainted == 0)
            screenPainted = double(clock.nsecsElapsed()) / 1e6;
    }
    return {screenPainted, double(clock.nsecsElapsed()) / 1e6};
}

// The baseline: a window painted in one colour, at `size` in the program's pixels, switched
// between the normal scale and `zoom` times it as often as the screens are.
std::pair<std::vector<double>, std::vector<double>> plainWindow(QSize size, qreal zoom, int rounds) {
    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QColor(0xFF, 0xC0, 0x80));
    window.resize(size);
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QScreen* screen = window.screen();
    const qreal normal = QHighDpiScaling::factor(screen);
    std::vector<double> on, off;
    for (int i = 0; i < 2 * rounds; ++i) {
        Paints paints(window);
        QElapsedTimer clock;
        clock.start();
        QHighDpiScaling::setScreenFactor(screen, i % 2 ? normal : normal * zoom);
        FullDisplay::redrawAtNewScale(window);
        while (paints.count == 0 && clock.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        (i % 2 ? off : on).push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return {on, off};
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
    const QSize display = QGuiApplication::primaryScreen()->geometry().size();
    const qreal zoom = FullDisplay::zoomFor(display);
    Program program;
    program.setEndHandler([] {});
    program.start();
    QApplication::processEvents();
    std::printf("display %dx%d, whole display enlarges %.4fx\n", display.width(), display.height(), zoom);
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
        std::vector<double> on, onAll, off, offAll;
        for (int i = 0; i < rounds; ++i) {
            const auto [in, inAll] = switchOnce(*screens[s], program.mainWindow());
            const auto [out, outAll] = switchOnce(*screens[s], program.mainWindow());
            on.push_back(in);
            onAll.push_back(inAll);
            off.push_back(out);
            offAll.push_back(outAll);
        }
        const std::string name = names[s];
        report((name + ": to the whole display").c_str(), on);
        report("  and the backdrop painted too", onAll);
        report((name + ": back to normal size").c_str(), off);
        report("  and the backdrop painted too", offAll);
    }
    // The baseline with none of the program's windows shown, so that nothing else is drawn again.
    for (ui::Form* screen : screens)
        program.HideScreen(*screen);
    program.mainWindow().hide();
    for (int s = 0; s < 2; ++s) {
        const auto [on, off] = plainWindow(screens[s]->size(), zoom, rounds);
        report((std::string("baseline, ") + names[s] + ": to the whole").c_str(), on);
        report("  back to normal size", off);
    }
    std::printf("rounds: %d\n", rounds);
    return 0;
}
