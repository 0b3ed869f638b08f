#include "screens/welcome/frmmecenaat1.h"

#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/who/frmwie.h"

#include <QPushButton>

using namespace ui;

namespace {

constexpr FontSpec Sans135{"MS Sans Serif", 13.5};
constexpr int Navy = 0x000080, White = 0xFFFFFF;

} // namespace

// The side pictures stand in front of the yellow panel (layer 4).
// clang-format off
const ControlSpec frmmecenaat1::Controls[] = {
    {ZEF_CONTROL(Frame1_1), .kind = Kind::Panel, .at = {0, 0, 11160, 4684}, .back = 0xFFFFC0},
    {.name = "Shape3", .kind = Kind::Shape, .at = {1920, 720, 7455, 4215}, .back = 0xFFFF80, .parent = "Frame1_1"},
    {.name = "Label11", .kind = Kind::Label, .caption = "Educatieve software voor de  basisschool.",
     .at = {1320, 360, 8415, 255}, .back = 0xFFFFC0, .font = {"Arial", 11.25, Bold}, .flags = Centred,
     .parent = "Frame1_1"},
    {ZEF_CONTROL(cmdkombinnen), .kind = Kind::PictureButton, .caption = "Klik hier en start !",
     .at = {3600, 1080, 3855, 3495}, .back = White, .font = {"MS Sans Serif", 18, Bold},
     .picture = "welkom_knop.svg", .parent = "Frame1_1"},
    {.name = "Image1_0", .kind = Kind::Picture, .at = {120, 3960, 1635, 1710}, .picture = "zij_links.svg", .layer = 4},
    {.name = "Image1_1", .kind = Kind::Picture, .at = {9480, 3960, 1635, 1710}, .picture = "zij_rechts.svg", .layer = 4},
    {.name = "Image1_2", .kind = Kind::Picture, .at = {10560, 5640, 480, 420}, .picture = "logo.svg"},
    {.name = "Image1_3", .kind = Kind::Picture, .at = {0, 5640, 480, 420}, .picture = "logo.svg"},
    {.name = "lblpartner2", .kind = Kind::Label, .caption = "Torvaleno ", .at = {1920, 4920, 7455, 615},
     .back = Navy, .fore = White, .font = {"MS Sans Serif", 24}, .flags = Centred},
    {.name = "Label4", .kind = Kind::Label, .caption = "Gratis te verspreiden software", .at = {1920, 5520, 7455, 495},
     .back = Navy, .fore = White, .font = Sans135, .flags = Centred},
    {.name = "Label5", .kind = Kind::Label,
     .caption = "Ontwikkeld in basisschool De Klimtoren, Zonnedal   1999 - 2006", .at = {0, 6120, 11415, 375},
     .back = Navy, .fore = White, .font = Sans135, .flags = Centred},
};
// clang-format on

frmmecenaat1::frmmecenaat1(Program& program) : Screen(program, "frmmecenaat1", QString(), 11160, 6720, 0x70656D) {
    // The screen has no caption; a screen reader still names its window.
    setAccessibleName(QStringLiteral("Welkom bij ZEFRANOL"));
    build(Controls);
    connect(cmdkombinnen, &QPushButton::clicked, this, &frmmecenaat1::cmdkombinnen_Click);
}

void frmmecenaat1::Form_Load() {
    CentreOnScreen(*this);
    Frame1_1->setVisible(true);
}

void frmmecenaat1::Form_Activate() {
    CentreOnScreen(*this);
    Frame1_1->setVisible(true);
}

void frmmecenaat1::cmdkombinnen_Click() {
    program.HideScreen(*this);
    program.ShowScreen(frmwie::afterWelcome(program));
    program.mainWindow().setEnabled(true);
}
