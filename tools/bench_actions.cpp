// Cost of the pupil's actions on every screen: each handler timed alone, followed by
// painting the whole window it leaves in front (the most the next frame can take), and
// followed by the repaint the program does of what changed. Prints one table: median and
// maximum (the 90th percentile for the repaint) per action, in milliseconds.
// Usage: QT_QPA_PLATFORM=offscreen bench_actions [rounds [only]]   (a real display works too)
// where only, when given, keeps the actions whose description contains it. With
// ZEF_BENCH_FULL_DISPLAY=1 every screen is shown at the whole display (F11), painted at the
// display's pixels (a display size for offscreen: QT_QPA_PLATFORM=offscreen:configfile=FILE).
#include "app/FullDisplay.h"
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/aklas/Aklas.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/numpad/NumberPad.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "screens/welcome/frmmecenaat1.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void()>;

struct Action {
    std::string screen, what;
    Step prepare, step;
    std::function<QWidget*()> shown; // the window painted after the step
    std::vector<double> plain, painted, repainted;
};

double since(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

void paint(QWidget* window) {
    // Into one image kept from frame to frame, as a window's backing store is.
    static QPixmap frame;
    const qreal ratio = window->devicePixelRatioF();
    if (frame.size() != window->size() * ratio || frame.devicePixelRatio() != ratio) {
        frame = QPixmap(window->size() * ratio);
        frame.setDevicePixelRatio(ratio);
    }
    window->render(&frame);
}

void run(Action& a) {
    // What the preparation left to do is done first: a tap runs the event loop inside it
    // (Qt's test touch does), which would charge the step with it.
    QElapsedTimer clock;
    a.prepare();
    QApplication::processEvents();
    clock.start();
    a.step();
    a.plain.push_back(since(clock));
    a.prepare();
    QApplication::processEvents();
    clock.restart();
    a.step();
    paint(a.shown());
    a.painted.push_back(since(clock));
    // As the program repaints: only what the step changed, through the window system.
    a.prepare();
    QApplication::processEvents();
    clock.restart();
    a.step();
    QApplication::processEvents();
    a.repainted.push_back(since(clock));
}

// A key press as the keyboard delivers it to the box that has the focus.
void typeDigit(QWidget* box, char digit) {
    const int key = Qt::Key_0 + (digit - '0');
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(digit)));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(digit)));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

// A finger's tap, through the window system as a touchscreen delivers it. Qt's test touch
// sleeps a millisecond before each of its two events and runs the event loop (the repaint
// included) after it: a tap's times hold those 2 ms.
void tapOn(QWidget* w) {
    static QPointingDevice* const finger = QTest::createTouchDevice();
    const QPoint at = w->rect().center();
    QTest::touchEvent(w->window(), finger).press(0, at, w);
    QTest::touchEvent(w->window(), finger).release(0, at, w);
}

// Any key press ends touch, and the number pad goes.
void pressShift(QWidget* screen) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(screen, &press);
}

// The right sum in the two-digit screen's sum row, units first, so that the check is offered.
void writeSum(frmmaal3& s) {
    const QString product = QString::number(s.exercise().product);
    ui::TextBox* boxes[] = {s.txtuitkomstE, s.txtuitkomstT, s.txtuitkomstH, s.txtuitkomstD, s.txtuitkomstTD};
    for (int i = 0; i < int(product.size()); ++i)
        boxes[i]->setText(product.at(product.size() - 1 - i));
}

double median(std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    Program program;
    program.setEndHandler([] {});
    program.start();
    if (qEnvironmentVariableIntValue("ZEF_BENCH_FULL_DISPLAY") == 1) {
        program.fullDisplay().setOn(true);
        std::printf("whole display: screens enlarged %.4fx\n\n", program.fullDisplay().zoom());
    }
    QApplication::processEvents();

    // Creation and load of every screen, once, in the order a pupil first meets them.
    QElapsedTimer clock;
    std::printf("%-14s %-36s %9s\n", "screen", "creation and load (once)", "ms");
    auto create = [&](const char* name, const std::function<QWidget*()>& make) {
        clock.start();
        QWidget* w = make();
        std::printf("%-14s %-36s %9.3f\n", name, "", since(clock));
        return w;
    };
    auto& welcome =
        static_cast<frmmecenaat1&>(*create("frmmecenaat1", [&] { return &program.screen<frmmecenaat1>(); }));
    auto& menu = static_cast<frmkiesbasis&>(*create("frmkiesbasis", [&] { return &program.screen<frmkiesbasis>(); }));
    auto& place = static_cast<frmtest&>(*create("frmtest", [&] { return &program.screen<frmtest>(); }));
    auto& two = static_cast<frmtest2&>(*create("frmtest2", [&] { return &program.screen<frmtest2>(); }));
    auto& easy = static_cast<frmmaal&>(*create("frmmaal", [&] { return &program.screen<frmmaal>(); }));
    auto& col1 = static_cast<frmmaal2&>(*create("frmmaal2", [&] { return &program.screen<frmmaal2>(); }));
    auto& col2 = static_cast<frmmaal3&>(*create("frmmaal3", [&] { return &program.screen<frmmaal3>(); }));
    auto& room = static_cast<Aklas&>(*create("Aklas", [&] { return &program.screen<Aklas>(); }));
    auto& info = static_cast<frminfo&>(*create("frminfo", [&] { return &program.screen<frminfo>(); }));
    std::printf("\n");

    auto only = [&](ui::Form& f) {
        return [&] {
            for (ui::Form* s :
                 std::initializer_list<ui::Form*>{&welcome, &menu, &place, &two, &easy, &col1, &col2, &room, &info})
                if (s != &f && !s->isHidden())
                    program.HideScreen(*s);
            program.ShowScreen(f);
        };
    };
    auto on = [](QWidget& w) { return [&w] { return &w; }; };
    std::vector<Action> actions;
    auto add = [&](const char* screen, const char* what, Step prepare, Step step, std::function<QWidget*()> shown) {
        actions.push_back({screen, what, std::move(prepare), std::move(step), std::move(shown), {}, {}, {}});
    };
    auto then = [](Step a, Step b) {
        return [a, b] {
            a();
            b();
        };
    };

    add(
        "frmmecenaat1", "to the menu (screen change)", only(welcome), [&] { welcome.cmdkombinnen_Click(); }, on(menu));
    add(
        "frmkiesbasis", "to the column screen (change)", only(menu), [&] { menu.cmdkies_Click(); }, on(col1));
    add(
        "frmkiesbasis", "to the closing screen (change)", only(menu), [&] { menu.cmdeinde_Click(); }, on(info));

    add(
        "frmtest", "start", only(place), [&] { place.cmdstart_Click(); }, on(place));
    add(
        "frmtest", "units button", then(only(place), [&] { place.cmdstart_Click(); }),
        [&] { place.cmdeenheid_Click(); }, on(place));
    add(
        "frmtest", "back to the menu (change)", only(place), [&] { place.cmdstop_Click(); }, on(menu));

    add(
        "frmtest2", "start", only(two), [&] { two.cmdstart_Click(); }, on(two));
    add(
        "frmtest2", "first number", then(only(two), [&] { two.cmdstart_Click(); }), [&] { two.cmdeerste_Click(); },
        on(two));
    add(
        "frmtest2", "sum",
        then(only(two),
             [&] {
                 two.cmdstart_Click();
                 two.cmdeerste_Click();
                 two.cmdtweede_Click();
             }),
        [&] { two.cmdsom_Click(); }, on(two));

    add(
        "frmmaal", "start", only(easy), [&] { easy.cmdstart_Click(); }, on(easy));
    add(
        "frmmaal", "click on an answer box", then(only(easy), [&] { easy.cmdstart_Click(); }),
        [&] { easy.txttiental_Click(); }, on(easy));
    add(
        "frmmaal", "keypad key",
        then(only(easy),
             [&] {
                 easy.cmdstart_Click();
                 easy.cmdCreate_Click();
             }),
        [&] { easy.keypad().cmdhelp_Click(easy.keypad().cmdhelp[3]); }, on(easy));
    add(
        "frmmaal", "check", then(only(easy), [&] { easy.cmdstart_Click(); }), [&] { easy.cmdcontrole_Click(); },
        on(easy));

    auto col1Started = then(only(col1), [&] {
        col1.cmdnieuw_Click();
        col1.cmdstart_Click();
    });
    add(
        "frmmaal2", "start", then(only(col1), [&] { col1.cmdnieuw_Click(); }), [&] { col1.cmdstart_Click(); },
        on(col1));
    add(
        "frmmaal2", "typed digit (units box)", col1Started, [&] { typeDigit(col1.txteenheid, '2'); }, on(col1));
    add(
        "frmmaal2", "keypad key", then(col1Started, [&] { col1.cmdCreate_Click(); }),
        [&] { col1.keypad().cmdhelp_Click(col1.keypad().cmdhelp[3]); }, on(col1));
    add(
        "frmmaal2", "click on an answer box", then(col1Started, [&] { typeDigit(col1.txteenheid, '2'); }),
        [&] { col1.txteenheid_Click(); }, on(col1));
    add(
        "frmmaal2", "check", then(col1Started, [&] { typeDigit(col1.txteenheid, '2'); }),
        [&] { col1.cmdcontrole_Click(); }, on(col1));
    add(
        "frmmaal2", "to the A-klas (change)", col1Started, [&] { col1.cmdaklas_Click(); }, on(room));
    auto* pad1 = col1.findChild<numpad::NumberPad*>();
    add(
        "frmmaal2", "tap on an answer box (pad appears)", then(col1Started, [&] { pressShift(&col1); }),
        [&] { tapOn(col1.txteenheid); }, on(col1));
    add(
        "frmmaal2", "number pad key (tap)", then(col1Started, [&] { tapOn(col1.txteenheid); }),
        [&] { tapOn(pad1->cmdcijfer[2]); }, on(col1));
    add(
        "frmmaal2", "tap on an answer box (pad already up)", then(col1Started, [&] { tapOn(col1.txteenheid); }),
        [&] { tapOn(col1.txteenheid); }, on(col1));

    auto col2Started = then(only(col2), [&] {
        col2.cmdnieuw_Click();
        col2.cmdstart_Click();
    });
    add(
        "frmmaal3", "start", then(only(col2), [&] { col2.cmdnieuw_Click(); }), [&] { col2.cmdstart_Click(); },
        on(col2));
    add(
        "frmmaal3", "typed digit (units box)", col2Started, [&] { typeDigit(col2.txteenheid, '2'); }, on(col2));
    add(
        "frmmaal3", "keypad key", then(col2Started, [&] { col2.cmdCreate_Click(); }),
        [&] { col2.keypad().cmdhelp_Click(col2.keypad().cmdhelp[3]); }, on(col2));
    add(
        "frmmaal3", "click on an answer box", then(col2Started, [&] { typeDigit(col2.txteenheid, '2'); }),
        [&] { col2.txteenheid_Click(); }, on(col2));
    add(
        "frmmaal3", "A-klas button", col2Started, [&] { col2.cmdaklas1->click(); }, on(col2));
    auto* pad2 = col2.findChild<numpad::NumberPad*>();
    add(
        "frmmaal3", "tap on an answer box (pad appears)", then(col2Started, [&] { pressShift(&col2); }),
        [&] { tapOn(col2.txteenheid); }, on(col2));
    add(
        "frmmaal3", "number pad key (tap)", then(col2Started, [&] { tapOn(col2.txteenheid); }),
        [&] { tapOn(pad2->cmdcijfer[2]); }, on(col2));
    add(
        "frmmaal3", "tap on an answer box (pad already up)", then(col2Started, [&] { tapOn(col2.txteenheid); }),
        [&] { tapOn(col2.txteenheid); }, on(col2));
    add(
        "frmmaal3", "check", then(col2Started, [&] { writeSum(col2); }), [&] { col2.cmdcontrole_Click(); }, on(col2));
    add(
        "frmmaal3", "tick tmraklas", col2Started, [&] { col2.tmraklas->tick(); }, on(col2));
    add(
        "frmmaal3", "tick trmaklas2", col2Started, [&] { col2.trmaklas2->tick(); }, on(col2));

    // Every table drilled: all the boxes a table can reach are black, the worst case for the reset.
    auto blackenAll = [&] {
        for (int n = 1; n <= 10; ++n) {
            room.StartDrill(n);
            room.HideMultiples(n);
            room.EndDrill();
        }
    };
    auto* cmd7 = room.control<QPushButton>("Cmd7");
    auto* timer7 = room.control<ui::Timer>("Timer7");
    auto* timerReset = room.control<ui::Timer>("Timerreset");
    auto* roomBox = room.control<ui::TextBox>("txtgetal2");
    auto roomAtRest = then(only(room), [&] {
        room.EndDrill();
        room.Form_Activate();
    });
    add(
        "Aklas", "activation (field to yellow)", then(only(room), blackenAll), [&] { room.Form_Activate(); }, on(room));
    add(
        "Aklas", "table button (11 green)", roomAtRest, [&] { cmd7->click(); }, on(room));
    add(
        "Aklas", "tick Timer7 (11 black)", then(roomAtRest, [&] { cmd7->click(); }), [&] { timer7->tick(); }, on(room));
    add(
        "Aklas", "tick Timerreset",
        then(roomAtRest,
             [&] {
                 cmd7->click();
                 timer7->tick();
             }),
        [&] { timerReset->tick(); }, on(room));
    add(
        "Aklas", "typed digit",
        then(roomAtRest,
             [&] {
                 roomBox->clear();
                 roomBox->setFocus();
             }),
        [&] { typeDigit(roomBox, '7'); }, on(room));
    add(
        "Aklas", "back (change)",
        then(only(col1),
             [&] {
                 col1.cmdstart_Click();
                 col1.cmdaklas_Click();
             }),
        [&] { room.Cmdterug_Click(); }, on(col1));

    // A scrolling tick of the closing screen; the run is kept short of the tick that ends it.
    add(
        "frminfo", "tick Timer1",
        then(only(info),
             [&] {
                 if (info.tickCount >= 140)
                     info.tickCount = 0;
             }),
        [&] { info.Timer1->tick(); }, on(info));

    if (argc > 2)
        std::erase_if(
            actions, [only = std::string(argv[2])](const Action& a) { return a.what.find(only) == std::string::npos; });
    for (int i = 0; i < rounds; ++i)
        for (Action& a : actions)
            run(a);

    std::printf("%-14s %-36s %9s %9s | %9s %9s | %9s %9s\n", "screen", "action (ms)", "median", "max", "+paint med",
                "+paint max", "+repaint", "p90");
    for (Action& a : actions) {
        const double pm = median(a.plain), qm = median(a.painted), rm = median(a.repainted);
        std::printf("%-14s %-36s %9.3f %9.3f | %9.3f %9.3f | %9.3f %9.3f\n", a.screen.c_str(), a.what.c_str(), pm,
                    a.plain.back(), qm, a.painted.back(), rm, a.repainted[a.repainted.size() * 9 / 10]);
    }
    std::printf("rounds: %d\n", rounds);
    return 0;
}
