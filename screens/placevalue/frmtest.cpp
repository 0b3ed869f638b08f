#include "screens/placevalue/frmtest.h"

#include "app/Program.h"
#include "exercise/NumberSense.h"
#include "screens/menu/frmkiesbasis.h"
#include "ui/Controls.h"
#include "ui/Speech.h"

#include <QPushButton>

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Green = 0x00FF00, DarkGreen = 0x008000, Blue = 0xC0C0FF;
constexpr FontSpec BigButtonFont{"Arial", 14.25, Bold};
constexpr FontSpec DigitFont{"Arial", 36, Bold};
constexpr FontSpec LetterFont{"Arial", 36, Bold};

} // namespace

// The four big buttons share one place and take turns there. Creation order is the
// keyboard order (the steps as the pupil takes them, then the way out), so the focus can
// follow the buttons as they take over.
// clang-format off
const ControlSpec frmtest::Controls[] = {
    {.name = "Shape1", .kind = Kind::Shape, .at = {1200, 120, 7695, 7095}},
    {.name = "Image2", .kind = Kind::Picture, .tip = "www.torvaleno.example", .at = {7800, 6360, 480, 420},
     .picture = "logo.svg"},
    {ZEF_CONTROL(txtgetal), .kind = Kind::TextBox, .at = {2400, 840, 4935, 1065}, .font = {"Arial", 48, Bold},
     .flags = Disabled | Centred, .describe = "het getal"},
    {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, .caption = "Wij maken een willekeurig getal",
     .at = {3600, 2280, 2415, 1935}, .back = 0xC0FFC0, .font = {"Arial", 14.25}, .picture = "getal_maken.svg"},
    {ZEF_CONTROL(cmdeenheid), .kind = Kind::Button, .caption = "Dat getal bestaat uit eenheden",
     .at = {3600, 2280, 2415, 1935}, .back = Blue, .font = BigButtonFont, .flags = Hidden},
    {ZEF_CONTROL(cmdtiental), .kind = Kind::Button, .caption = "Dat getal bestaat uit tientallen",
     .at = {3600, 2280, 2415, 1935}, .back = Blue, .font = BigButtonFont, .flags = Hidden},
    {ZEF_CONTROL(cmdhonderdtal), .kind = Kind::Button, .caption = "Dat getal bestaat uit honderdtallen",
     .at = {3600, 2280, 2415, 1935}, .back = Blue, .font = BigButtonFont, .flags = Hidden},
    {ZEF_CONTROL(cmdnogeens), .kind = Kind::Button, .caption = "Nog eens?", .at = {2400, 2280, 2415, 1935},
     .back = 0xFFFF80, .font = BigButtonFont, .flags = Hidden},
    {ZEF_CONTROL(cmdstop), .kind = Kind::PictureButton, .at = {5160, 2280, 2175, 1935}, .back = 0x800000,
     .font = BigButtonFont, .flags = Hidden, .picture = "stop.svg", .describe = "terug naar het menu"},
    {ZEF_CONTROL(txthonderdtal), .kind = Kind::TextBox, .at = {2400, 4680, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "honderdtallen"},
    {ZEF_CONTROL(txttiental), .kind = Kind::TextBox, .at = {4320, 4680, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "tientallen"},
    {ZEF_CONTROL(txteenheid), .kind = Kind::TextBox, .at = {6240, 4680, 1095, 975}, .font = DigitFont,
     .flags = Disabled | Centred, .describe = "eenheden"},
    {ZEF_CONTROL(lblhonderd), .kind = Kind::Label, .caption = "H", .at = {2400, 5880, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = LetterFont, .flags = Hidden | Centred},
    {ZEF_CONTROL(lbltiental), .kind = Kind::Label, .caption = "T", .at = {4320, 5880, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = LetterFont, .flags = Hidden | Centred},
    {ZEF_CONTROL(lbleenheid), .kind = Kind::Label, .caption = "E", .at = {6240, 5880, 1095, 975}, .back = DarkGreen,
     .fore = White, .font = LetterFont, .flags = Hidden | Centred},
};
// clang-format on

frmtest::frmtest(Program& program)
    : Screen(program, "frmtest", QStringLiteral("Honderdtallen, tientallen, eenheden"), 10185, 7470, 0x808080) {
    build(Controls);
    connect(cmdstart, &QPushButton::clicked, this, &frmtest::cmdstart_Click);
    connect(cmdeenheid, &QPushButton::clicked, this, &frmtest::cmdeenheid_Click);
    connect(cmdtiental, &QPushButton::clicked, this, &frmtest::cmdtiental_Click);
    connect(cmdhonderdtal, &QPushButton::clicked, this, &frmtest::cmdhonderdtal_Click);
    connect(cmdnogeens, &QPushButton::clicked, this, &frmtest::cmdnogeens_Click);
    setReturnButton(cmdstop, &frmtest::cmdstop_Click);
    speakChanges(txtgetal, QStringLiteral("het getal"));
    speakChanges(txteenheid, QStringLiteral("eenheden"));
    speakChanges(txttiental, QStringLiteral("tientallen"));
    speakChanges(txthonderdtal, QStringLiteral("honderdtallen"));
}

void frmtest::Form_Load() {
    CentreOnScreen(*this);
    ResetPlaceValueScreen();
}

void frmtest::Form_Activate() {
    CentreOnScreen(*this);
}

void frmtest::ResetPlaceValueScreen() {
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal}) {
        box->setBackColour(rgb(White));
        box->setText(QString());
    }
    for (QPushButton* button : {cmdeenheid, cmdtiental, cmdhonderdtal, cmdnogeens, static_cast<QPushButton*>(cmdstop)})
        button->setVisible(false);
    cmdstart->setVisible(true);
    txtgetal->setText(QString());
    for (Label* letter : {lbleenheid, lbltiental, lblhonderd})
        letter->setVisible(false);
}

void frmtest::reveal(TextBox* box, int digit) {
    box->setBackColour(rgb(Green));
    box->setForeColour(rgb(White));
    box->setText(QString::number(digit));
}

// Each step hands the keyboard focus to the button that takes over the place, so the
// pupil can go on with Space as well as with the mouse.

void frmtest::cmdstart_Click() {
    for (TextBox* box : {txteenheid, txttiental, txthonderdtal})
        box->setText(QString());
    const zef::PlaceValueNumber number = zef::DrawPlaceValueNumber(program.random());
    unitsDigit = number.unitsDigit;
    tensDigit = number.tensDigit;
    hundredsDigit = number.hundredsDigit;
    drawnNumber = number.Number();
    txtgetal->setText(QString::number(drawnNumber));
    cmdeenheid->setVisible(true);
    cmdstart->setVisible(false);
    requestFocus(cmdeenheid);
}

void frmtest::cmdeenheid_Click() {
    lbleenheid->setVisible(true);
    reveal(txteenheid, unitsDigit);
    cmdtiental->setVisible(true);
    cmdeenheid->setVisible(false);
    requestFocus(cmdtiental);
}

void frmtest::cmdtiental_Click() {
    lbltiental->setVisible(true);
    reveal(txttiental, tensDigit);
    cmdtiental->setVisible(false);
    cmdhonderdtal->setVisible(true);
    requestFocus(cmdhonderdtal);
}

void frmtest::cmdhonderdtal_Click() {
    lblhonderd->setVisible(true);
    reveal(txthonderdtal, hundredsDigit);
    cmdhonderdtal->setVisible(false);
    cmdnogeens->setVisible(true);
    cmdstop->setVisible(true);
    requestFocus(cmdnogeens);
}

void frmtest::cmdnogeens_Click() {
    ResetPlaceValueScreen();
    cmdstart->setVisible(true);
    requestFocus(cmdstart);
    txtgetal->setText(QString());
}

void frmtest::cmdstop_Click() {
    ResetPlaceValueScreen();
    frmkiesbasis& menu = program.screen<frmkiesbasis>();
    program.ShowScreen(menu);
    program.HideScreen(*this);
}
