#include "screens/column1/frmmaal2.h"

#include <QLabel>

using namespace ui;

namespace {
const ControlSpec Controls[] = {
    {.name = "lblmemo5", .kind = Kind::Label, .at = {8160, 2640, 3495, 495}, .back = 0xFFC080,
     .font = {"Arial", 20.25, Bold}},
};
} // namespace

frmmaal2::frmmaal2(Program& program)
    : Screen(program, "frmmaal2", QStringLiteral("Cijferend vermenigvuldigen "), 12045, 6135, 0xFFC080) {
    build(Controls);
    BIND(lblmemo5);
}
