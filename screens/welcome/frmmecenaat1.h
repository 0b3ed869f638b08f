#pragma once
// The welcome screen: one big start button and the maker's credit lines.
#include "app/Screen.h"

class QPushButton;

class frmmecenaat1 : public Screen {
    Q_OBJECT
public:
    explicit frmmecenaat1(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdkombinnen_Click();

private:
    using Self = frmmecenaat1;
    static const ui::ControlSpec Controls[];

    QWidget* Frame1_1 = nullptr;
    QPushButton* cmdkombinnen = nullptr;
};
