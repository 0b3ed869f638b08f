#pragma once
// Column multiplication by a two-digit multiplier.
#include "app/Screen.h"

class frmmaal3 : public Screen {
    Q_OBJECT
public:
    explicit frmmaal3(Program& program);
};
