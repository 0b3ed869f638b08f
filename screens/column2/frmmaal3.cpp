#include "screens/column2/frmmaal3.h"

frmmaal3::frmmaal3(Program& program)
    : Screen(program, "frmmaal3", QStringLiteral("UITBREIDING CIJFEREND VERMENIGVULDIGEN"), 11640, 6705, 0xFFC080) {}
