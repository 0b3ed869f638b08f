#pragma once
// The closing screen: credits, a scrolling status line, and the end of the program.
#include "app/Screen.h"

class frminfo : public Screen {
    Q_OBJECT
public:
    explicit frminfo(Program& program);
};
