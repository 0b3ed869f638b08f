#include "screens/aklas/Aklas.h"

#include <QLabel>
#include <QPushButton>

using namespace ui;

namespace {
const ControlSpec Controls[] = {
    {.name = "lblmededeling", .kind = Kind::Label, .at = {4200, 480, 5535, 855}, .back = 0xC0FFC0,
     .font = {"MS Sans Serif", 24, Bold}, .flags = Centred},
    {.name = "lblinfor", .kind = Kind::Label, .at = {120, 3600, 3255, 735}, .back = 0xFF0000, .fore = 0xFFFFFF,
     .font = {"Arial", 26.25, Bold}, .flags = Centred},
    {.name = "Cmdterug", .kind = Kind::PictureButton, .caption = "terug", .at = {8760, 7200, 3015, 735},
     .font = {"MS Sans Serif", 9.75, Bold}, .flags = Hidden, .picture = "terug.svg"},
};
} // namespace

Aklas::Aklas(Program& program) : Screen(program, "Aklas", QStringLiteral("A klas "), 11880, 8010, 0xFFFF80) {
    build(Controls);
    BIND(lblmededeling);
    BIND(lblinfor);
    BIND(Cmdterug);
}
