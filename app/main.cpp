#include "app/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    program.start();
    return app.exec();
}
