#pragma once
// Shows whether a multiplication is easy or hard: which columns carry.
#include "app/Screen.h"

class frmmaal : public Screen {
    Q_OBJECT
public:
    explicit frmmaal(Program& program);
};
