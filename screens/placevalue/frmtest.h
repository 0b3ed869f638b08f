#pragma once
// Place values of a three-digit number.
#include "app/Screen.h"

class frmtest : public Screen {
    Q_OBJECT
public:
    explicit frmtest(Program& program);
};
