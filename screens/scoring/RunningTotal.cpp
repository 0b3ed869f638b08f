#include "screens/scoring/RunningTotal.h"

#include "app/Program.h"
#include "screens/menu/frmkiesbasis.h"
#include <QLabel>

namespace scoring {

int menuTotal(Program& program) {
    bool ok = false;
    const int value = program.screen<frmkiesbasis>().lblgemaakt->text().toInt(&ok);
    return ok ? std::clamp(value, 0, MostCorrect) : 0;
}

} // namespace scoring
