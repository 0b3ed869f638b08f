#pragma once
// A real Program, started in-process, for widget tests: nothing exits and the
// random source can be scripted.
#include "app/MDIForm2.h"
#include "app/Program.h"
#include "exercise/Random.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    Program& program() { return *program_; }
    MDIForm2& main() { return program_->mainWindow(); }
    int endCalls() const { return endCalls_; }

    // Replaces the program's random source with draws given in order.
    zef::ScriptedRandom& script(std::vector<double> draws);

    // The control called name on screen S (which is created if needed).
    template <class T, class S>
    T* find(const char* name) {
        T* w = program_->screen<S>().template findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }

    // Clicks a button the way a pupil does (it must be shown and enabled).
    static void click(QWidget* button);
    // Types text into a box as key presses, after giving it the focus.
    static void type(QWidget* box, const QString& text);
    // Taps w with one finger on a touchscreen, at its centre (it must be shown and enabled).
    static void tap(QWidget* w);

private:
    std::unique_ptr<Program> program_;
    zef::ScriptedRandom* scripted_ = nullptr;
    int endCalls_ = 0;
};

// The draw r for which floor(r * k + c) gives value: the middle of its interval.
double drawFor(int value, double k, double c);
