#pragma once
// A started program with the column multiplication screen open from the menu, and
// the steps a pupil takes on it. Exercises come from scripted draws.
#include "screens/column1/frmmaal2.h"
#include "screens/keypad/Keypad.h"
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

class Column1 {
public:
    Column1() {
        TestProgram::click(tp.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        enter();
    }

    frmmaal2& screen() { return tp.program().screen<frmmaal2>(); }
    frmkiesbasis& menu() { return tp.program().screen<frmkiesbasis>(); }
    zef::ScriptedRandom& rng() { return *rng_; }

    void enter() { TestProgram::click(tp.find<QPushButton, frmkiesbasis>("cmdkies")); }

    QWidget* w(const QString& name) {
        QWidget* found = screen().findChild<QWidget*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString focus() { return screen().focusWidget() ? screen().focusWidget()->objectName() : QString(); }
    bool shown(const QString& name) { return ui::isShown(w(name)); }

    // Starts the exercise h t e x m. A fresh script each time, so that a reward draw
    // left over by a wrong answer is never taken for a digit.
    void start(int h, int t, int e, int m) {
        rng_ = &tp.script({drawFor(e, 9, 0), drawFor(t, 9, 0), drawFor(h, 8, 1), drawFor(m, 8, 1)});
        TestProgram::click(screen().cmdstart);
    }

    // Types the answer the way a pupil does: units first, the focus moving on by itself.
    void answer(const QString& number) {
        QString reversed = number;
        std::reverse(reversed.begin(), reversed.end());
        TestProgram::type(screen().txteenheid, reversed);
    }

    // Checks; reward is the k (1 to 6) the reward draw gives when the answer is right.
    void check(int reward = 1) {
        rng_->push(drawFor(reward, 6, 1));
        TestProgram::click(screen().cmdcontrole);
    }

    // One whole exercise of 123 x 2 = 246, answered right or wrong.
    void exercise(bool right) {
        if (!ui::isShown(screen().cmdstart))
            qFatal("cmdstart is not offered");
        start(1, 2, 3, 2);
        answer(right ? QStringLiteral("246") : QStringLiteral("245"));
        check();
    }

    QString slotText(int i) { return screen().Txtoef1[i]->text(); }
    QColor slotBack(int i) { return screen().Txtoef1[i]->palette().color(QPalette::Base); }

    TestProgram tp;

private:
    zef::ScriptedRandom* rng_ = nullptr;
};
