// Cost of the times-table room's colour changes: the activation that turns the whole
// field yellow again, and a drill's green and black colouring, each with and without
// painting the whole room afterwards. Run with QT_QPA_PLATFORM=offscreen; prints milliseconds.
#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/column1/frmmaal2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figures {
    std::vector<double> plain, painted;
};

// The whole room drawn once, as the next frame would: every control's paint event runs.
void paint(Aklas& room) {
    static QPixmap frame(room.size());
    room.render(&frame);
}

double since(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

// Times step alone, then step followed by painting the room; prepare runs untimed first.
void measure(Figures& f, Aklas& room, const std::function<void()>& prepare, const std::function<void()>& step) {
    QElapsedTimer clock;
    prepare();
    clock.start();
    step();
    f.plain.push_back(since(clock));
    prepare();
    clock.restart();
    step();
    paint(room);
    f.painted.push_back(since(clock));
}

void report(const char* what, Figures& f) {
    for (auto* v : {&f.plain, &f.painted}) {
        std::sort(v->begin(), v->end());
    }
    std::printf("%-34s median %.3f ms  max %.3f ms | with full paint: median %.3f ms  max %.3f ms\n", what,
                f.plain[f.plain.size() / 2], f.plain.back(), f.painted[f.painted.size() / 2], f.painted.back());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    auto& exercise = program.screen<frmmaal2>();
    exercise.maler = 7;
    exercise.lblmemo5->setText(QStringLiteral("7 x 4 = ..."));

    QElapsedTimer clock;
    clock.start();
    Aklas& room = program.screen<Aklas>();
    const double creation = since(clock);
    program.ShowScreen(room);
    paint(room);
    std::printf("%-34s %.3f ms\n", "creation and load (once)", creation);

    // Every table drilled: all 43 boxes a table can reach are black, the worst case for the reset.
    auto blackenAll = [&] {
        for (int n = 1; n <= 10; ++n) {
            room.StartDrill(n);
            room.HideMultiples(n);
            room.EndDrill();
        }
    };
    auto rest = [&] { room.Form_Activate(); };

    const int rounds = 200;
    Figures activation, greening, blackening;
    for (int i = 0; i < rounds; ++i) {
        measure(activation, room, blackenAll, [&] { room.Form_Activate(); });
        measure(greening, room, [&] { rest(); }, [&] { room.StartDrill(7); });
        measure(blackening, room, [&] { rest(); room.StartDrill(7); }, [&] { room.HideMultiples(7); });
        room.EndDrill();
    }
    report("activation (43 boxes to yellow)", activation);
    report("StartDrill(7) (11 boxes green)", greening);
    report("HideMultiples(7) (11 boxes black)", blackening);
    return 0;
}
