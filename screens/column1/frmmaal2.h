#pragma once
#include "app/Screen.h"

class QLabel;

class frmmaal2 : public Screen {
    Q_OBJECT
public:
    explicit frmmaal2(Program& program);

    int maler = 0;
    QLabel* lblmemo5 = nullptr;
};
