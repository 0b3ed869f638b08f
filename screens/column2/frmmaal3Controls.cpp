// The design sheet of frmmaal3: every control the screen builds from a table, in design
// order. The keypad, the series and the verdict panel build their own controls between
// these tables.
#include "screens/column2/frmmaal3.h"

#include "ui/Controls.h"

using namespace ui;

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000;
constexpr int Back = 0xFFC080;
constexpr FontSpec DigitFont{"Arial", 24, Bold};

// Five columns of place-value boxes and the tops of the five rows.
constexpr int ColTD = 2280, ColD = 3240, ColH = 4200, ColT = 5160, ColE = 6120;
constexpr int RowNumber = 360, RowMultiplier = 1320, RowFirst = 2640, RowSecond = 3480, RowSum = 4560;
constexpr int BoxW = 735, BoxH = 675;

constexpr Twips box(int left, int top) {
    return {left, top, BoxW, BoxH};
}

// Three buttons share the upper place on the left and two the lower one; the one the
// pupil must be able to reach when two are shown lies on top.
constexpr int AboveStart = 5, AboveCheck = 5, AboveStop = 6;
// The reminder panel stands in front of the verdict panel it covers.
constexpr int InFront = 7;

constexpr unsigned Entry = Centred;
constexpr unsigned Given = Disabled | Centred;

} // namespace

// Design order, up to the keypad.
// clang-format off
std::span<const ControlSpec> frmmaal3::BeforeKeypad() {
    static const ControlSpec rows[] = {
    {ZEF_CONTROL(cmdaklas2), .kind = Kind::PictureButton, .caption = "A-klas", .tip = "Tafels herhalen",
     .at = {9240, 5400, 1095, 975}, .back = 0x8080FF, .flags = Hidden, .picture = "aklas_knop.svg"},
    {ZEF_CONTROL(cmdaklas1), .kind = Kind::PictureButton, .caption = "A-klas", .tip = "Tafels herhalen",
     .at = {9240, 5400, 1095, 975}, .back = 0x8080FF, .flags = Hidden, .picture = "aklas_knop.svg"},
    {ZEF_CONTROL(txtleeg2), .kind = Kind::TextBox, .at = box(ColE, RowSecond), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de tweede rij, blijft leeg"},
    {ZEF_CONTROL(txtuitkomstE), .kind = Kind::TextBox, .at = box(ColE, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de som"},
    {ZEF_CONTROL(txtuitkomstT), .kind = Kind::TextBox, .at = box(ColT, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de som"},
    {ZEF_CONTROL(txtuitkomstH), .kind = Kind::TextBox, .at = box(ColH, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "honderdtallen van de som"},
    {ZEF_CONTROL(txtuitkomstD), .kind = Kind::TextBox, .at = box(ColD, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "duizendtallen van de som"},
    {ZEF_CONTROL(txtuitkomstTD), .kind = Kind::TextBox, .at = box(ColTD, RowSum), .font = DigitFont, .flags = Entry,
     .describe = "tienduizendtallen van de som"},
    {ZEF_CONTROL(txteenheid), .kind = Kind::TextBox, .at = box(ColE, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "eenheden van de eerste rij"},
    {ZEF_CONTROL(txttiental), .kind = Kind::TextBox, .at = box(ColT, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de eerste rij"},
    {ZEF_CONTROL(txthonderdtal), .kind = Kind::TextBox, .at = box(ColH, RowFirst), .font = DigitFont, .flags = Entry,
     .describe = "honderdtallen van de eerste rij"},
    {ZEF_CONTROL(txtduizendtal), .kind = Kind::TextBox, .at = box(ColD, RowFirst), .font = DigitFont,
     .flags = Entry | Hidden, .describe = "duizendtallen van de eerste rij"},
    {ZEF_CONTROL(txttiental2), .kind = Kind::TextBox, .at = box(ColT, RowSecond), .font = DigitFont, .flags = Entry,
     .describe = "tientallen van de tweede rij"},
    {ZEF_CONTROL(txthonderdtal2), .kind = Kind::TextBox, .at = box(ColH, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "honderdtallen van de tweede rij"},
    {ZEF_CONTROL(txtduizendtal2), .kind = Kind::TextBox, .at = box(ColD, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "duizendtallen van de tweede rij"},
    {ZEF_CONTROL(txttienduizendtal2), .kind = Kind::TextBox, .at = box(ColTD, RowSecond), .font = DigitFont,
     .flags = Entry, .describe = "tienduizendtallen van de tweede rij"},
    {ZEF_CONTROL(txtmalerT), .kind = Kind::TextBox, .at = box(ColT, RowMultiplier), .font = DigitFont, .flags = Given,
     .describe = "tiental van de vermenigvuldiger"},
    {ZEF_CONTROL(txtmalerE), .kind = Kind::TextBox, .at = box(ColE, RowMultiplier), .font = DigitFont, .flags = Given,
     .describe = "eenheid van de vermenigvuldiger"},
    {ZEF_CONTROL(txt100), .kind = Kind::TextBox, .at = box(ColH, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "honderdtallen van het getal"},
    {ZEF_CONTROL(txt10), .kind = Kind::TextBox, .at = box(ColT, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "tientallen van het getal"},
    {ZEF_CONTROL(txt1), .kind = Kind::TextBox, .at = box(ColE, RowNumber), .font = DigitFont, .flags = Given,
     .describe = "eenheden van het getal"},
    {.name = "Label1", .kind = Kind::Label, .caption = "X", .at = {4320, 1320, 735, 735}, .back = Back,
     .font = {"Arial", 24, Bold}, .flags = Centred},
    {.name = "lblplusteken", .kind = Kind::Label, .caption = "+", .at = {1560, 3480, 615, 615}, .back = Back,
     .font = {"Arial", 26.25, Bold}, .flags = Centred},
    {.name = "Line1", .kind = Kind::Line, .at = {2880, 2400, 6960, 2400}, .borderWidth = 5},
    {.name = "Line2", .kind = Kind::Line, .at = {2160, 4320, 6960, 4320}, .borderWidth = 5},
    {ZEF_CONTROL(cmdstop2), .kind = Kind::PictureButton, .at = {360, 3240, 855, 735}, .back = 0x800000,
     .flags = Hidden, .picture = "terug_menu.svg", .describe = "terug naar het menu", .layer = AboveStop},
    {ZEF_CONTROL(cmdstop), .kind = Kind::PictureButton, .tip = "STOP", .at = {360, 3240, 855, 735}, .back = 0x00FF00,
     .flags = Hidden, .picture = "stopknop.svg", .layer = AboveCheck},
    {ZEF_CONTROL(cmdnieuw), .kind = Kind::PictureButton, .tip = "NIEUW", .at = {360, 4200, 855, 735}, .back = 0xFFFF00,
     .flags = Hidden, .picture = "nieuw.svg", .layer = AboveStart},
    {ZEF_CONTROL(cmdcontrole), .kind = Kind::PictureButton, .tip = "CONTROLE", .at = {360, 3240, 855, 735},
     .back = 0x00FF00, .flags = Hidden, .picture = "verkeerslicht.svg"},
    {ZEF_CONTROL(cmdstart), .kind = Kind::PictureButton, .tip = "START", .at = {360, 4200, 855, 735}, .back = 0x8080FF,
     .picture = "vliegtuig.svg"},
    {ZEF_CONTROL(txtresultaat), .kind = Kind::TextBox, .at = {9240, 5640, 2295, 495}, .back = White,
     .flags = Hidden | Disabled, .describe = "resultaat"},
    };
    return rows;
}

// Design order, after the keypad and before the verdict panel.
std::span<const ControlSpec> frmmaal3::AfterKeypad() {
    static const ControlSpec rows[] = {
    {ZEF_CONTROL(Lbltrainer), .kind = Kind::Label, .at = {240, 240, 1815, 2535}, .back = Black, .fore = White,
     .font = {"MS Sans Serif", 8.25, Bold}, .flags = Hidden | Centred, .describe = "tafel", .layer = InFront},
    {ZEF_CONTROL(lblmededeling), .kind = Kind::Label, .at = {8280, 3240, 2535, 1695}, .back = 0x008000, .fore = White,
     .font = {"Arial", 11.25, Italic}, .describe = "mededeling"},
    {.name = "Image1", .kind = Kind::Picture, .at = {8040, 3000, 3000, 2100}, .picture = "bord.svg"},
    {.name = "Image2", .kind = Kind::Picture, .at = {10920, 6000, 480, 420}, .picture = "logo.svg"},
    };
    return rows;
}

// Decoration, after the verdict panel.
std::span<const ControlSpec> frmmaal3::Decoration() {
    static const ControlSpec rows[] = {
    {.name = "Shape2", .kind = Kind::Shape, .at = {240, 5640, 8535, 600}, .back = 0xE0E0E0, .border = 0xE0E0E0},
    {.name = "Shape3", .kind = Kind::RoundShape, .at = {240, 3120, 1095, 1935}, .border = 0x800080},
    {.name = "Shape4", .kind = Kind::RoundShape, .at = {7920, 2880, 3240, 2340}},
    {.name = "Shape5", .kind = Kind::RoundShape, .at = {9120, 5280, 1335, 1215}, .border = 0x800080},
    };
    return rows;
}
// clang-format on
