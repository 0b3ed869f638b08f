#pragma once
// The column products of a number and a multiplier, and when they carry.
#include "app/Screen.h"

class frmtest2 : public Screen {
    Q_OBJECT
public:
    explicit frmtest2(Program& program);
};
