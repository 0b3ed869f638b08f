#include "screens/twonumbers/frmtest2.h"

#include "app/Program.h"
#include "exercise/NumberSense.h"
#include "screens/menu/frmkiesbasis.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QPushButton>

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000, Green = 0x00FF00, DarkGreen = 0x008000, Red = 0xFF0000;
constexpr FontSpec ButtonFont{"Arial", 11.25, Bold};
constexpr FontSpec NumberFont{"Arial", 26.25, Bold};
constexpr FontSpec DigitFont{"Arial", 36, Bold};
constexpr FontSpec ExplanationFont{"Arial", 9};
constexpr Twips ButtonPlace{240, 5760, 1695, 1455};

// The five buttons of the button place lie on top of each other: one shown later covers
// the ones before it, which stay shown underneath until the next reset. Their stacking
// runs from cmdstart at the bottom to cmdnogeens on top.
enum ButtonLayer { StartLayer = 3, FirstLayer, SecondLayer, SumLayer, AgainLayer };

constexpr const char* CarryH = " maal van de H is groter dan 9, er wordt nieuw D gevormd";
constexpr const char* CarryT = " maal van de T is groter dan 9, er wordt nieuw H gevormd";
constexpr const char* CarryE = " maal van de E is groter dan 9, er wordt nieuw T gevormd";
constexpr const char* Easy =
    "  maal van E, van T en van H zijn kleiner als 10, de vermenigvuldiging is dus gemakkelijk ";

} // namespace

// Rows of the buttons in the keyboard order; a covered button keeps its place in it, so Tab
// still reaches it.
// clang-format off
const ControlSpec frmtest2::Controls[] = {
    {.name = "Shape1", .kind = Kind::Shape, .at = {360, 240, 3240, 2340}},
    {.name = "Shape3", .kind = Kind::Shape, .at = {5040, 360, 5055, 1740}},
    {.name = "Shape4", .kind = Kind::Shape, .at = {4080, 2130, 6600, 4770}},
    {.name = "Shape5", .kind = Kind::Shape, .at = {120, 5640, 3735, 1695}},
    {.name = "Image1", .kind = Kind::Picture, .at = {480, 360, 3000, 2100}, .picture = "uitleg_bord.svg",
     .describe = "bord"},
    {.name = "Image2", .kind = Kind::Picture, .at = {720, 3000, 1920, 2400}, .picture = "getalblokken.svg",
     .describe = "blokken van honderd, tien en een"},
    {.name = "Image3", .kind = Kind::Picture, .tip = "www.torvaleno.example", .at = {10080, 6240, 480, 420},
     .picture = "logo.svg"},

    {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, .caption = "twee getallen", .at = ButtonPlace,
     .back = 0x8080FF, .font = ButtonFont, .picture = "twee_getallen.svg", .layer = StartLayer},
    {ZEF_CONTROL(cmdeerste), .kind = Kind::Button, .caption = "Eerste getal ", .at = ButtonPlace, .back = 0x80FF80,
     .font = ButtonFont, .flags = Hidden, .layer = FirstLayer},
    {ZEF_CONTROL(cmdtweede), .kind = Kind::Button, .caption = "Tweede getal", .at = ButtonPlace, .back = 0x80FF80,
     .font = ButtonFont, .flags = Hidden, .layer = SecondLayer},
    {ZEF_CONTROL(cmdsom), .kind = Kind::Button, .caption = "MAAL", .at = ButtonPlace, .back = 0xC0C0FF,
     .font = ButtonFont, .flags = Hidden, .layer = SumLayer},
    {ZEF_CONTROL(cmdnogeens), .kind = Kind::Button, .caption = "Nog eens?", .at = ButtonPlace, .back = 0xFFFF80,
     .font = ButtonFont, .flags = Hidden, .layer = AgainLayer},
    {ZEF_CONTROL(cmdstop), .kind = Kind::PictureButton, .at = {2040, 5760, 1695, 1455}, .back = 0x800000,
     .font = ButtonFont, .flags = Hidden, .picture = "stop.svg", .describe = "terug naar het menu"},

    {ZEF_CONTROL(txtgetal), .kind = Kind::TextBox, .at = {5160, 480, 4815, 705}, .font = NumberFont,
     .flags = Disabled | Centred, .describe = "eerste getal"},
    {ZEF_CONTROL(txtgetal2), .kind = Kind::TextBox, .at = {5160, 1320, 4815, 705}, .font = NumberFont,
     .flags = Disabled | Centred, .describe = "tweede getal"},
    {ZEF_CONTROL(lblhonderd), .kind = Kind::Label, .caption = "H", .at = {5160, 2160, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = DigitFont, .flags = Hidden | Centred},
    {ZEF_CONTROL(lbltiental), .kind = Kind::Label, .caption = "T", .at = {7020, 2160, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = DigitFont, .flags = Hidden | Centred},
    {ZEF_CONTROL(lbleenheid), .kind = Kind::Label, .caption = "E", .at = {8880, 2160, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = DigitFont, .flags = Hidden | Centred},
    {ZEF_CONTROL(txthonderdtal), .kind = Kind::TextBox, .at = {5160, 3240, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "honderdtallen"},
    {ZEF_CONTROL(txttiental), .kind = Kind::TextBox, .at = {7080, 3240, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "tientallen"},
    {ZEF_CONTROL(txteenheid), .kind = Kind::TextBox, .at = {8880, 3240, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "eenheden"},
    {ZEF_CONTROL(txteenheid2), .kind = Kind::TextBox, .at = {8880, 4320, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "tweede getal onder de eenheden"},
    {ZEF_CONTROL(lblplus), .kind = Kind::Label, .caption = "x", .at = {4200, 5040, 495, 855}, .back = 0xE0E0E0,
     .font = {"Arial", 36}, .flags = Hidden | Centred},
    {ZEF_CONTROL(lnplus), .kind = Kind::Line, .at = {4920, 5520, 10320, 5520}, .flags = Hidden, .borderWidth = 5},
    {ZEF_CONTROL(txtsomH), .kind = Kind::TextBox, .at = {5160, 5760, 1095, 975}, .font = DigitFont,
     .flags = Hidden | Disabled | Centred, .describe = "maal van de honderdtallen"},
    {ZEF_CONTROL(txtsomT), .kind = Kind::TextBox, .at = {7080, 5760, 1095, 975}, .font = DigitFont,
     .flags = Hidden | Disabled | Centred, .describe = "maal van de tientallen"},
    {ZEF_CONTROL(txtsomE), .kind = Kind::TextBox, .at = {8880, 5760, 1095, 975}, .font = DigitFont,
     .flags = Hidden | Disabled | Centred, .describe = "maal van de eenheden"},

    {ZEF_CONTROL(lbluitleg), .kind = Kind::Label, .at = {720, 480, 2535, 615}, .back = DarkGreen, .fore = White,
     .font = ExplanationFont, .describe = "uitleg bij de eenheden"},
    {ZEF_CONTROL(lbluitleg2), .kind = Kind::Label, .at = {720, 1080, 2535, 615}, .back = DarkGreen, .fore = White,
     .font = ExplanationFont, .describe = "uitleg bij de tientallen"},
    {ZEF_CONTROL(lbluitleg3), .kind = Kind::Label, .at = {720, 1680, 2535, 615}, .back = DarkGreen, .fore = White,
     .font = ExplanationFont, .describe = "uitleg bij de honderdtallen"},
    // Shown only when no line above has anything to say; it stands in front of them.
    {ZEF_CONTROL(lbluitlegtotaal), .kind = Kind::Label, .at = {720, 600, 2535, 1575}, .back = DarkGreen,
     .fore = White, .font = {"Arial", 11.25}, .describe = "uitleg"},
};
// clang-format on

frmtest2::frmtest2(Program& program)
    : Screen(program, "frmtest2", QStringLiteral("Moeilijke en gemakkelijke vermenigvuldigingen  herkennen"), 10890,
             7650, 0x808080) {
    build(Controls);
    connect(cmdstart, &QPushButton::clicked, this, &frmtest2::cmdstart_Click);
    connect(cmdeerste, &QPushButton::clicked, this, &frmtest2::cmdeerste_Click);
    connect(cmdtweede, &QPushButton::clicked, this, &frmtest2::cmdtweede_Click);
    connect(cmdsom, &QPushButton::clicked, this, &frmtest2::cmdsom_Click);
    connect(cmdnogeens, &QPushButton::clicked, this, &frmtest2::cmdnogeens_Click);
    setReturnButton(cmdstop, &frmtest2::cmdstop_Click);
    speakChanges(txtsomH, QStringLiteral("honderdtallen"));
    speakChanges(txtsomT, QStringLiteral("tientallen"));
    speakChanges(txtsomE, QStringLiteral("eenheden"));
    speakChanges({lbluitleg3, lbluitleg2, lbluitleg, lbluitlegtotaal});
}

// No activate step: the screen is centred once, when it is loaded.
void frmtest2::Form_Load() {
    CentreOnScreen(*this);
    ResetTwoNumbersScreen();
}

void frmtest2::ResetTwoNumbersScreen() {
    txteenheid->setBackColour(rgb(White));
    txteenheid->setText(QString());
    txteenheid->setVisible(false);
    txteenheid2->setText(QString());
    txteenheid2->setBackColour(rgb(White));
    txteenheid2->setVisible(false);
    for (TextBox* box : {txttiental, txthonderdtal}) {
        box->setBackColour(rgb(White));
        box->setText(QString());
        box->setVisible(false);
    }
    for (QPushButton* button : {cmdeerste, cmdtweede, cmdsom, cmdnogeens, static_cast<QPushButton*>(cmdstop)})
        button->setVisible(false);
    cmdstart->setVisible(true);
    for (QWidget* w : std::initializer_list<QWidget*>{lbleenheid, lbltiental, lblhonderd, lblplus, lnplus})
        w->setVisible(false);
    for (TextBox* product : {txtsomE, txtsomT, txtsomH}) {
        product->setBackColour(rgb(White));
        product->setForeColour(rgb(Black));
        product->setVisible(false);
    }
    txtgetal->setText(QString());
    txtgetal2->setText(QString());
    for (Label* explanation : {lbluitleg, lbluitleg2, lbluitleg3, lbluitlegtotaal})
        explanation->setText(QString());
    lbluitlegtotaal->setVisible(false);
}

void frmtest2::layOut(TextBox* box, int digit) {
    box->setVisible(true);
    box->setBackColour(rgb(Green));
    box->setText(QString::number(digit));
}

bool frmtest2::markCarry(TextBox* product, Label* explanation, const char* text) {
    // Read back from the box, as the pupil sees it.
    if (!zef::FormsNextPlace(product->text().toInt()))
        return false;
    product->setBackColour(rgb(Red));
    product->setForeColour(rgb(White));
    explanation->setText(QString::fromLatin1(text));
    return true;
}

void frmtest2::cmdstart_Click() {
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal})
        box->setText(QString());
    const zef::TwoNumbers pair = zef::DrawTwoNumbers(program.random());
    unitsDigit = pair.first.unitsDigit;
    tensDigit = pair.first.tensDigit;
    hundredsDigit = pair.first.hundredsDigit;
    multiplier = pair.multiplier;
    drawnNumber = pair.first.Number();
    txtgetal->setText(QString::number(drawnNumber));
    cmdeerste->setVisible(true);
    requestFocus(cmdeerste);
    cmdstart->setVisible(false);
    txtgetal2->setText(QString::number(multiplier));
    announce(this, txtgetal->text() + QStringLiteral(" x ") + txtgetal2->text());
}

void frmtest2::cmdeerste_Click() {
    lbleenheid->setVisible(true);
    layOut(txteenheid, unitsDigit);
    lbltiental->setVisible(true);
    layOut(txttiental, tensDigit);
    lblhonderd->setVisible(true);
    layOut(txthonderdtal, hundredsDigit);
    cmdtweede->setVisible(true);
    requestFocus(cmdtweede);
}

void frmtest2::cmdtweede_Click() {
    layOut(txteenheid2, multiplier);
    cmdsom->setVisible(true);
    requestFocus(cmdsom);
}

void frmtest2::cmdsom_Click() {
    lnplus->setVisible(true);
    lblplus->setVisible(true);
    for (TextBox* product : {txtsomH, txtsomT, txtsomE})
        product->setVisible(true);
    txtsomE->setText(QString::number(unitsDigit * multiplier));
    txtsomT->setText(QString::number(tensDigit * multiplier));
    txtsomH->setText(QString::number(hundredsDigit * multiplier));
    bool carries = markCarry(txtsomH, lbluitleg3, CarryH);
    carries = markCarry(txtsomT, lbluitleg2, CarryT) || carries;
    carries = markCarry(txtsomE, lbluitleg, CarryE) || carries;
    if (!carries) {
        lbluitlegtotaal->setVisible(true);
        lbluitlegtotaal->setText(QString::fromLatin1(Easy));
    }
    cmdnogeens->setVisible(true);
    requestFocus(cmdnogeens);
    cmdstop->setVisible(true);
}

void frmtest2::cmdnogeens_Click() {
    ResetTwoNumbersScreen();
    cmdstart->setVisible(true);
    requestFocus(cmdstart);
    txtgetal->setText(QString());
    txtgetal2->setText(QString());
    cmdstop->setVisible(false);
}

void frmtest2::cmdstop_Click() {
    ResetTwoNumbersScreen();
    frmkiesbasis& menu = program.screen<frmkiesbasis>();
    program.ShowScreen(menu);
    program.HideScreen(*this);
}
