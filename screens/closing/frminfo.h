#pragma once
// The closing screen: the maker's credits, a line scrolling through the status bar and a
// progress bar over its second panel. After 151 ticks of Timer1 it ends the program.
#include "app/Screen.h"

#include <cstdint>

class QProgressBar;
class StatusBar;

namespace ui {
class Label;
class Timer;
} // namespace ui

class frminfo : public Screen {
    Q_OBJECT
public:
    explicit frminfo(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void Timer1_Timer();

    // Ticks since the timer first started; a later activation does not reset it.
    std::int32_t tickCount = 0;

    QProgressBar* ProgressBar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    ui::Label* lblgeld = nullptr;
    ui::Timer* Timer1 = nullptr;

private:
    // On: the progress bar lies over the status bar's second panel, shown, at 0.
    // Off: it is back on the screen itself, hidden.
    void DockProgressBar(bool on);
};
