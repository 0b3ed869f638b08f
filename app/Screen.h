#pragma once
// A screen of this program: a form that knows the program it belongs to.
#include "ui/Form.h"

class Program;

class Screen : public ui::Form {
public:
    Screen(Program& program, const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips,
           int back)
        : ui::Form(name, caption, clientWidthTwips, clientHeightTwips, back), program(program) {}

protected:
    Program& program;
};
