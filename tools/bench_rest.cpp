// The program at rest, for tools/bench_memory_idle.sh (run on a real X display):
//   bench_rest memory       every screen used once, back at the menu; prints the resident
//                           memory after start-up and after each screen's first use (MiB)
//   bench_rest idle <s>     the two-digit screen created and a drill of the times-table
//                           room under way, then s seconds of rest; prints the CPU time
//                           those seconds cost (ms)
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "screens/welcome/frmmecenaat1.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// Lets the window system map and paint what is shown.
void settle(int ms = 150) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool idle = argc > 1 && std::strcmp(argv[1], "idle") == 0;
    Program program;
    program.setEndHandler([] {});
    program.start();
    settle(300);
    auto& welcome = program.screen<frmmecenaat1>();
    welcome.cmdkombinnen_Click();
    settle();
    auto& menu = program.screen<frmkiesbasis>();

    if (idle) {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
        menu.Command4_Click(); // the two-digit screen, its reminder clock running
        auto& col2 = program.screen<frmmaal3>();
        col2.cmdstart_Click();
        col2.cmdaklas1->click();
        auto& col1 = program.screen<frmmaal2>();
        program.ShowScreen(col1);
        col1.cmdstart_Click();
        col1.cmdaklas_Click();
        auto& room = program.screen<Aklas>();
        room.control<QPushButton>("Cmd7")->click(); // a drill under way
        settle(500);
        const double before = cpuMs();
        QElapsedTimer rest;
        rest.start();
        while (rest.elapsed() < seconds * 1000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        std::printf("idle cpu ms %.1f over %d s\n", cpuMs() - before, seconds);
        return 0;
    }

    std::printf("after start-up and welcome %.1f\n", residentMiB());
    double last = residentMiB();
    auto use = [&](const char* name, const std::function<void()>& open, const std::function<void()>& work,
                   const std::function<void()>& leave) {
        open();
        settle();
        work();
        settle();
        leave();
        settle();
        const double now = residentMiB();
        std::printf("%-14s adds %5.1f  (now %.1f)\n", name, now - last, now);
        last = now;
    };
    auto back = [&](ui::Form& s) {
        return [&] {
            program.ShowScreen(menu);
            program.HideScreen(s);
        };
    };
    use(
        "frmtest", [&] { menu.Command1_Click(); }, [&] { program.screen<frmtest>().cmdstart_Click(); },
        back(program.screen<frmtest>()));
    use(
        "frmtest2", [&] { menu.Command2_Click(); }, [&] { program.screen<frmtest2>().cmdstart_Click(); },
        back(program.screen<frmtest2>()));
    use(
        "frmmaal", [&] { menu.Command3_Click(); }, [&] { program.screen<frmmaal>().cmdstart_Click(); },
        back(program.screen<frmmaal>()));
    use(
        "frmmaal2", [&] { menu.cmdkies_Click(); }, [&] { program.screen<frmmaal2>().cmdstart_Click(); }, [&] {});
    use(
        "Aklas", [&] { program.screen<frmmaal2>().cmdaklas_Click(); },
        [&] { program.screen<Aklas>().control<QPushButton>("Cmd7")->click(); },
        [&] {
            program.screen<Aklas>().Cmdterug_Click();
            program.screen<frmmaal2>().cmdstop2_Click();
        });
    use(
        "frmmaal3", [&] { menu.Command4_Click(); }, [&] { program.screen<frmmaal3>().cmdstart_Click(); },
        back(program.screen<frmmaal3>()));
    use(
        "frminfo", [&] { menu.cmdeinde_Click(); }, [&] {}, [&] {});
    settle(1000);
    std::printf("at rest after every screen %.1f\n", residentMiB());
    return 0;
}
