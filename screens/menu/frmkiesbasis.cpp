#include "screens/menu/frmkiesbasis.h"

#include "app/MDIForm2.h"
#include "app/Program.h"
#include "screens/closing/frminfo.h"
#include "screens/column1/frmmaal2.h"
#include "screens/column2/frmmaal3.h"
#include "screens/easyhard/frmmaal.h"
#include "screens/placevalue/frmtest.h"
#include "screens/twonumbers/frmtest2.h"
#include "ui/Controls.h"

#include "ui/Speech.h"

#include <QLabel>
#include <QPushButton>

using namespace ui;

namespace {

constexpr FontSpec ButtonFont{"MS Sans Serif", 12, Bold};
constexpr FontSpec TotalFont{"MS Sans Serif", 13.5};

} // namespace

// clang-format off
const ControlSpec frmkiesbasis::Controls[] = {
    {.name = "Shape1", .kind = Kind::Shape, .at = {3360, 120, 6495, 5655}},
    {.name = "Image1", .kind = Kind::Picture, .at = {0, 3000, 3180, 4125}, .picture = "menu_beeld.svg"},
    {.name = "Image2", .kind = Kind::Picture, .tip = "www.torvaleno.example", .at = {3000, 6720, 480, 420},
     .picture = "logo.svg"},
    {ZEF_CONTROL(Command1), .kind = Kind::Button, .caption = "Ik kijk naar een getal", .tip = "L E E R ",
     .at = {3960, 360, 5295, 855}, .font = ButtonFont},
    {ZEF_CONTROL(Command2), .kind = Kind::Button, .caption = "Ik leer vermenigvuldigen", .tip = "L E E R ",
     .at = {3960, 1410, 5295, 855}, .font = ButtonFont},
    {ZEF_CONTROL(Command3), .kind = Kind::Button, .caption = "Ik kijk of 'maal' moeilijk of gemakkelijk is",
     .tip = "O E F E N ", .at = {3960, 2460, 5295, 855}, .font = ButtonFont},
    {ZEF_CONTROL(cmdkies), .kind = Kind::Button, .caption = "Ik leer cijferend vermenigvuldigen",
     .at = {3960, 3510, 5295, 855}, .font = ButtonFont},
    {ZEF_CONTROL(Command4), .kind = Kind::Button, .caption = "Uitbreiding   x TE (4des)",
     .at = {3960, 4560, 5295, 855}, .font = ButtonFont},
    {ZEF_CONTROL(cmdeinde), .kind = Kind::PictureButton, .tip = "S T O P ", .at = {5760, 6720, 1815, 735},
     .back = 0x800000, .picture = "stop.svg"},
    {.name = "Label1", .kind = Kind::Label, .caption = "Totaal aantal juiste oefeningen:",
     .at = {3360, 5880, 4815, 375}, .back = 0xC0C0FF, .fore = 0x0000FF, .font = TotalFont, .flags = Centred},
    {ZEF_CONTROL(lblgemaakt), .kind = Kind::Label, .at = {8160, 5880, 1695, 375}, .back = 0xC0C0FF, .fore = 0x0000FF,
     .font = TotalFont, .flags = Centred, .describe = "Totaal aantal juiste oefeningen"},
};
// clang-format on

frmkiesbasis::frmkiesbasis(Program& program)
    : Screen(program, "frmkiesbasis", QStringLiteral("ZEFRANOL"), 10260, 7530, 0xFFFFFF) {
    build(Controls);
    setTabChain({Command2, Command3, cmdeinde, Command1, cmdkies, Command4});
    speakChanges(lblgemaakt, control<QLabel>("Label1")->text());

    connect(Command1, &QPushButton::clicked, this, &frmkiesbasis::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmkiesbasis::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmkiesbasis::Command3_Click);
    connect(cmdkies, &QPushButton::clicked, this, &frmkiesbasis::cmdkies_Click);
    connect(Command4, &QPushButton::clicked, this, &frmkiesbasis::Command4_Click);
    setReturnButton(cmdeinde, &frmkiesbasis::cmdeinde_Click);
}

void frmkiesbasis::Form_Load() {
    CentreOnScreen(*this);
    aantal = 0;
    lblgemaakt->setText(QString::number(aantal));
}

void frmkiesbasis::Form_Activate() {
    CentreOnScreen(*this);
}

void frmkiesbasis::openExercise(ui::Form& target) {
    program.ShowScreen(target);
    program.HideScreen(*this);
    program.mainWindow().setEnabled(false);
}

void frmkiesbasis::Command1_Click() {
    openExercise(program.screen<frmtest>());
}
void frmkiesbasis::Command2_Click() {
    openExercise(program.screen<frmtest2>());
}
void frmkiesbasis::Command3_Click() {
    openExercise(program.screen<frmmaal>());
}
void frmkiesbasis::cmdkies_Click() {
    openExercise(program.screen<frmmaal2>());
}
void frmkiesbasis::Command4_Click() {
    openExercise(program.screen<frmmaal3>());
}

void frmkiesbasis::cmdeinde_Click() {
    program.ShowScreen(program.screen<frminfo>());
    program.HideScreen(*this);
    program.mainWindow().setEnabled(true);
}
