// Cost of one tick of the closing screen: the tick handler alone, and the handler followed
// by repainting the status bar (the scrolling panel and the progress bar over panel 2).
// The closing sequence is run through several times; the program's end does nothing here,
// and the tick that ends it is not counted.
// Run with QT_QPA_PLATFORM=offscreen; prints milliseconds.
#include "app/Program.h"
#include "screens/closing/StatusBar.h"
#include "screens/closing/frminfo.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double since(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

void report(const char* what, std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    std::printf("%-32s median %.4f ms  99%% %.4f ms  max %.4f ms  (%zu ticks)\n", what, v[v.size() / 2],
                v[v.size() * 99 / 100], v.back(), v.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    program.setEndHandler([] {});
    frminfo& info = program.screen<frminfo>();
    program.ShowScreen(info);
    info.Timer1->stop(); // ticks are fired here, not by the clock
    QPixmap frame(info.StatusBar1->size());
    info.StatusBar1->render(&frame);

    const int runs = 20;
    std::vector<double> plain, painted;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        // A whole closing sequence: 150 ticks and the one that ends it, then back to the start.
        for (int k = 1; k <= 151; ++k) {
            const bool painting = (k + run) % 2 == 0;
            clock.start();
            info.Timer1_Timer();
            if (painting)
                info.StatusBar1->render(&frame);
            if (k <= 150) // the last tick hides the screen and ends the run: not a scrolling tick
                (painting ? painted : plain).push_back(since(clock));
        }
        program.ShowScreen(info);
        info.Timer1->stop();
    }
    report("tick handler", plain);
    report("tick handler + status bar paint", painted);
    return 0;
}
