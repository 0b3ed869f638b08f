#pragma once
// The times-table room ("A klas"): a hundred field and a timed drill per table.
// The room keeps no state of its own beyond its controls.
#include "app/Screen.h"
#include "screens/scoring/Keeping.h"

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace ui {
class Label;
class Picture;
class TextBox;
class Timer;
} // namespace ui

class Aklas : public Screen {
    Q_OBJECT
public:
    explicit Aklas(Program& program);

    // Set by frmmaal2 when it opens the room.
    QLabel* lblmededeling = nullptr;
    QLabel* lblinfor = nullptr;
    QPushButton* Cmdterug = nullptr;

    void Form_Load() override;
    void Form_Activate() override;

    void Cmdterug_Click();
    void Form_KeyPress(int& KeyAscii);
    void Image1_MouseMove();
    void Lblinaklas_MouseMove();

    void Cmd1_Click() { StartDrill(1); }
    void Cmd2_Click() { StartDrill(2); }
    void Cmd3_Click() { StartDrill(3); }
    void Cmd4_Click() { StartDrill(4); }
    void Cmd5_Click() { StartDrill(5); }
    void Cmd6_Click() { StartDrill(6); }
    void Cmd7_Click() { StartDrill(7); }
    void Cmd8_Click() { StartDrill(8); }
    void Cmd9_Click() { StartDrill(9); }
    void Cmd10_Click() { StartDrill(10); }

    void Timer1_Timer() { HideMultiples(1); }
    void Timer2_Timer() { HideMultiples(2); }
    void Timer3_Timer() { HideMultiples(3); }
    void Timer4_Timer() { HideMultiples(4); }
    void Timer5_Timer() { HideMultiples(5); }
    void Timer6_Timer() { HideMultiples(6); }
    void Timer7_Timer() { HideMultiples(7); }
    void Timer8_Timer() { HideMultiples(8); }
    void Timer9_Timer() { HideMultiples(9); }
    void Timer10_Timer() { HideMultiples(10); }

    void Timerreset_Timer() { EndDrill(); }
    void txtgetal2_Change();

    // The drill of table n, 1 to 10.
    void StartDrill(int n);
    void HideMultiples(int n);
    void EndDrill();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    using Self = Aklas;
    static const ui::ControlSpec Controls[];

    void ResetRoom();
    void focusDrill(bool on);
    void setBoxColour(int box, int colour);

    QGroupBox* Frmkiestafel = nullptr;
    QLabel* Lbltrainer = nullptr;
    QLabel* Lbltrainer2 = nullptr;
    QLabel* lbltrainer3 = nullptr;
    ui::Label* Lblinaklas = nullptr;
    ui::Picture* Image1 = nullptr;
    ui::TextBox* txtgetal2 = nullptr;
    std::array<ui::TextBox*, 101> Text2{};
    std::array<int, 101> boxColour{};    // what each box shows now, to skip repaints
    std::array<QPushButton*, 11> Cmd{};  // Cmd1 .. Cmd10 at 1 .. 10
    std::array<ui::Timer*, 11> Timers{}; // Timer1 .. Timer10 at 1 .. 10
    ui::Timer* Timerreset = nullptr;

    // The drill that runs, kept when it ends: its table (0 when none runs) and its time.
    void keepDrill(const QString& ending);
    int drillTable = 0;
    scoring::Stopwatch drillTime;
};
