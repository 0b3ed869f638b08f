#include "screens/column1/frmmaal2.h"

frmmaal2::frmmaal2(Program& program)
    : Screen(program, "frmmaal2", QStringLiteral("Cijferend vermenigvuldigen "), 12045, 6135, 0xFFC080) {}
