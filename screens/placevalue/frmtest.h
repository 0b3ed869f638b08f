#pragma once
// Place values of a three-digit number: a drawn number is split, one click at a time,
// into its units, tens and hundreds. Nothing is typed or judged.
#include "app/Screen.h"

class QPushButton;
namespace ui {
class Label;
class PictureButton;
class TextBox;
} // namespace ui

class frmtest : public Screen {
    Q_OBJECT
public:
    explicit frmtest(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdstart_Click();
    void cmdeenheid_Click();
    void cmdtiental_Click();
    void cmdhonderdtal_Click();
    void cmdnogeens_Click();
    void cmdstop_Click();

private:
    using Self = frmtest;
    static const ui::ControlSpec Controls[];

    void ResetPlaceValueScreen();
    // A revealed digit: white on green in its box.
    void reveal(ui::TextBox* box, int digit);

    int unitsDigit = 0;
    int tensDigit = 0;
    int hundredsDigit = 0;
    int drawnNumber = 0;

    ui::PictureButton* cmdstart = nullptr;
    QPushButton* cmdeenheid = nullptr;
    QPushButton* cmdtiental = nullptr;
    QPushButton* cmdhonderdtal = nullptr;
    QPushButton* cmdnogeens = nullptr;
    ui::PictureButton* cmdstop = nullptr;
    ui::TextBox* txtgetal = nullptr;
    ui::TextBox* txthonderdtal = nullptr;
    ui::TextBox* txttiental = nullptr;
    ui::TextBox* txteenheid = nullptr;
    ui::Label* lblhonderd = nullptr;
    ui::Label* lbltiental = nullptr;
    ui::Label* lbleenheid = nullptr;
};
