#pragma once
// The column products of a number and a multiplier, and when they carry: the number is
// laid out in H, T and E, the multiplier put under E, and each column multiplied on its
// own. A product above 9 is marked red and explained. Nothing is typed or judged.
#include "app/Screen.h"

class QPushButton;
namespace ui {
class Label;
class Line;
class PictureButton;
class TextBox;
} // namespace ui

class frmtest2 : public Screen {
    Q_OBJECT
public:
    explicit frmtest2(Program& program);

    void Form_Load() override;
    void cmdstart_Click();
    void cmdeerste_Click();
    void cmdtweede_Click();
    void cmdsom_Click();
    void cmdnogeens_Click();
    void cmdstop_Click();

private:
    using Self = frmtest2;
    static const ui::ControlSpec Controls[];

    void ResetTwoNumbersScreen();
    // Shows a box of the layout, green, with a digit in it.
    void layOut(ui::TextBox* box, int digit);
    // Marks a column product of 10 or more red and explains it; tells whether it did.
    bool markCarry(ui::TextBox* product, ui::Label* explanation, const char* text);

    int unitsDigit = 0;
    int tensDigit = 0;
    int hundredsDigit = 0;
    int multiplier = 0;
    int drawnNumber = 0;

    ui::PictureButton* cmdstart = nullptr;
    QPushButton* cmdeerste = nullptr;
    QPushButton* cmdtweede = nullptr;
    QPushButton* cmdsom = nullptr;
    QPushButton* cmdnogeens = nullptr;
    ui::PictureButton* cmdstop = nullptr;
    ui::TextBox* txtgetal = nullptr;
    ui::TextBox* txtgetal2 = nullptr;
    ui::Label* lblhonderd = nullptr;
    ui::Label* lbltiental = nullptr;
    ui::Label* lbleenheid = nullptr;
    ui::TextBox* txthonderdtal = nullptr;
    ui::TextBox* txttiental = nullptr;
    ui::TextBox* txteenheid = nullptr;
    ui::TextBox* txteenheid2 = nullptr;
    ui::Label* lblplus = nullptr;
    ui::Line* lnplus = nullptr;
    ui::TextBox* txtsomH = nullptr;
    ui::TextBox* txtsomT = nullptr;
    ui::TextBox* txtsomE = nullptr;
    ui::Label* lbluitleg = nullptr;
    ui::Label* lbluitleg2 = nullptr;
    ui::Label* lbluitleg3 = nullptr;
    ui::Label* lbluitlegtotaal = nullptr;
};
