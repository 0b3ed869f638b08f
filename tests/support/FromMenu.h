#pragma once
// An exercise screen opened the way a pupil opens it: the welcome screen's start button,
// then the menu button that leads to it.
#include "screens/menu/frmkiesbasis.h"
#include "screens/welcome/frmmecenaat1.h"
#include "support/TestProgram.h"

#include <QPushButton>

template <class S>
class FromMenu {
public:
    explicit FromMenu(const char* menuButton) : menuButton_(menuButton) {
        TestProgram::click(tp.find<QPushButton, frmmecenaat1>("cmdkombinnen"));
        openFromMenu();
    }
    void openFromMenu() { TestProgram::click(tp.find<QPushButton, frmkiesbasis>(menuButton_)); }
    S& s() { return tp.program().template screen<S>(); }
    // The control called name on the screen.
    template <class T = QWidget>
    T* w(const char* name) {
        return tp.template find<T, S>(name);
    }

    TestProgram tp;

private:
    const char* menuButton_;
};
