#pragma once
// The times-table room ("A klas").
#include "app/Screen.h"

class QLabel;
class QPushButton;

class Aklas : public Screen {
    Q_OBJECT
public:
    explicit Aklas(Program& program);

    QLabel* lblmededeling = nullptr;
    QLabel* lblinfor = nullptr;
    QPushButton* Cmdterug = nullptr;
};
