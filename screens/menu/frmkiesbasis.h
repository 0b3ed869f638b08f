#pragma once
// The exercise menu: five exercise buttons, the stop button and the running total
// of correct exercises (the caption of lblgemaakt is the one place it is kept).
#include "app/Screen.h"

class QPushButton;
class QLabel;

class frmkiesbasis : public Screen {
    Q_OBJECT
public:
    explicit frmkiesbasis(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdkies_Click();
    void Command4_Click();
    void cmdeinde_Click();

    // The running total, read and written by the column screens.
    QLabel* lblgemaakt = nullptr;

private:
    using Self = frmkiesbasis;
    static const ui::ControlSpec Controls[];

    // Opens an exercise screen: show it, hide the menu, disable the main window.
    void openExercise(ui::Form& target);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdkies = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* cmdeinde = nullptr;
    int aantal = 0;
};
