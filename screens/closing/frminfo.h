#pragma once
// The closing screen: the maker's credits, a line scrolling through the status bar and a
// progress bar over its second panel. After 151 ticks of Timer1 it ends the program.
#include "app/Screen.h"

#include <QString>
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
    // The Tag of the status bar's first panel: the maker's line behind the blanks it comes in
    // with, built on the first tick; empty until then.
    QString scrollTag;

    QProgressBar* ProgressBar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    ui::Timer* Timer1 = nullptr;

private:
    using Self = frminfo;
    static const ui::ControlSpec Controls[];

    // On: the progress bar lies over the status bar's second panel, shown, at 0.
    // Off: it is back on the screen itself, hidden.
    void DockProgressBar(bool on);

    // What the first panel shows: the maker's line from the load step on, then the Tag less one
    // character a tick.
    QString scrollText;
    ui::Label* lblgeld = nullptr;
};
