#pragma once
#include "app/Screen.h"

class frmmaal2 : public Screen {
    Q_OBJECT
public:
    explicit frmmaal2(Program& program);
};
