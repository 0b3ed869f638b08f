#include "screens/twonumbers/frmtest2.h"

frmtest2::frmtest2(Program& program)
    : Screen(program, "frmtest2", QStringLiteral("Moeilijke en gemakkelijke vermenigvuldigingen  herkennen"), 10890, 7650, 0x808080) {}
