// Cost of the pupil's actions on the two-digit multiplier screen: start, a typed digit,
// a keypad key, an "A-klas" button and the check, each alone and followed by painting
// the whole screen. Run with QT_QPA_PLATFORM=offscreen; prints milliseconds.
#include "app/Program.h"
#include "screens/column2/frmmaal3.h"
#include "screens/keypad/Keypad.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figures {
    std::vector<double> plain, painted;
};

// The whole screen drawn once, as the next frame would: every control's paint event runs.
void paint(frmmaal3& screen) {
    static QPixmap frame(screen.size());
    screen.render(&frame);
}

double since(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

// Times step alone, then step followed by painting the screen; prepare runs untimed first.
void measure(Figures& f, frmmaal3& screen, const std::function<void()>& prepare, const std::function<void()>& step) {
    QElapsedTimer clock;
    prepare();
    clock.start();
    step();
    f.plain.push_back(since(clock));
    prepare();
    clock.restart();
    step();
    paint(screen);
    f.painted.push_back(since(clock));
}

void report(const char* what, Figures& f) {
    for (auto* v : {&f.plain, &f.painted})
        std::sort(v->begin(), v->end());
    std::printf("%-30s median %.3f ms  max %.3f ms | with full paint: median %.3f ms  max %.3f ms\n", what,
                f.plain[f.plain.size() / 2], f.plain.back(), f.painted[f.painted.size() / 2], f.painted.back());
}

// A key press as the keyboard delivers it to the box that has the focus.
void typeDigit(QWidget* box, char digit) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (digit - '0'), Qt::NoModifier, QString(QChar(digit)));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + (digit - '0'), Qt::NoModifier, QString(QChar(digit)));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

// The right sum in the sum row, units first, so that the check button is offered.
void writeSum(frmmaal3& s) {
    const QString product = QString::number(s.exercise().product);
    ui::TextBox* boxes[] = {s.txtuitkomstE, s.txtuitkomstT, s.txtuitkomstH, s.txtuitkomstD, s.txtuitkomstTD};
    for (int i = 0; i < int(product.size()); ++i)
        boxes[i]->setText(product.at(product.size() - 1 - i));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    QElapsedTimer clock;
    clock.start();
    frmmaal3& s = program.screen<frmmaal3>();
    const double creation = since(clock);
    program.ShowScreen(s);
    paint(s);
    std::printf("%-30s %.3f ms\n", "creation and load (once)", creation);

    auto fresh = [&] {
        s.cmdnieuw_Click();
        s.cmdstart_Click();
    };
    const int rounds = 200;
    Figures start, digit, key, aklas, check;
    for (int i = 0; i < rounds; ++i) {
        measure(start, s, [&] { s.cmdnieuw_Click(); }, [&] { s.cmdstart->click(); });
        measure(digit, s, fresh, [&] { typeDigit(s.txteenheid, '2'); });
        measure(key, s, [&] { fresh(); s.cmdCreate_Click(); }, [&] { s.keypad().cmdhelp[3]->click(); });
        measure(aklas, s, fresh, [&] { s.cmdaklas1->click(); });
        measure(check, s, [&] { fresh(); writeSum(s); }, [&] { s.cmdcontrole->click(); });
    }
    report("start (aeroplane)", start);
    report("typed digit (units box)", digit);
    report("keypad key", key);
    report("A-klas button", aklas);
    report("check (traffic light)", check);
    return 0;
}
