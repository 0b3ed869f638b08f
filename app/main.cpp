#include "app/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the program's windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEF_APP_ID));
    Program::keepPicturesBetweenRuns();
    Program program;
    program.start();
    return app.exec();
}
