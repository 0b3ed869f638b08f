#include "screens/closing/frminfo.h"

frminfo::frminfo(Program& program)
    : Screen(program, "frminfo", QStringLiteral(""), 10185, 5925, 0x6F6F6F) {}
