#include "screens/easyhard/frmmaal.h"

frmmaal::frmmaal(Program& program)
    : Screen(program, "frmmaal", QStringLiteral("LEREN CIJFEREND VERMENIGVULDIGEN"), 11835, 6105, 0xFFC080) {}
