#include "app/Program.h"
#include "config/Config.h"
#include "results/CommandLine.h"
#include "results/Recorder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = results::runCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    // Lets the desktop match the program's windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEF_APP_ID));
    Program::keepPicturesBetweenRuns();
    Program program;
    program.setRecorder(results::Recorder::fromSettings(config::settings()));
    program.start();
    return app.exec();
}
