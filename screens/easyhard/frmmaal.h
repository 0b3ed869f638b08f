#pragma once
// Shows whether a multiplication is easy or hard: the screen writes each column product
// into the answer row, turns the columns that carry red, and the pupil clicks each one
// to see the digit that stays and the carry to remember. No series, no running total.
#include "screens/column1/OneDigitScreen.h"

#include <string>

namespace ui {
class Label;
class PictureButton;
class TextBox;
} // namespace ui

class frmmaal : public column1::OneDigitScreen {
    Q_OBJECT
public:
    explicit frmmaal(Program& program);
    ~frmmaal() override;

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstart_Click();
    void cmdcontrole_Click();
    void cmdstop2_Click();
    void cmdCreate_Click();
    void txteenheid_Click();
    void txttiental_Click();
    void txthonderdtal_Click();
    void txteenheid_Change();
    void txttiental_Change();
    void txthonderdtal_Change();
    void txtduizendtal_Change();

    ui::PictureButton* cmdstop2 = nullptr;
    ui::PictureButton* cmdstop = nullptr;
    ui::PictureButton* cmdnieuw = nullptr;
    ui::PictureButton* cmdcontrole = nullptr;
    ui::PictureButton* cmdstart = nullptr;
    ui::Label* lblmededeling = nullptr;

private:
    using Self = frmmaal;
    // The controls in design order, before and after the keypad and the board.
    static const ui::ControlSpec BeforeKeypad[], AfterKeypad[], AfterBoard[];

    void ClearExercise();
    // A column box clicked: the digit that stays replaces the product, the carry goes
    // into the note and the box turns green.
    void showRest(ui::TextBox* box, const std::string& rest, const std::string& carry);

    ui::TextBox* txtresultaat = nullptr;
};
