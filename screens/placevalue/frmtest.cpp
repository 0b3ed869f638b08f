#include "screens/placevalue/frmtest.h"

frmtest::frmtest(Program& program)
    : Screen(program, "frmtest", QStringLiteral("Honderdtallen, tientallen, eenheden"), 10185, 7470, 0x808080) {}
