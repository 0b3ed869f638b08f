// Baseline for the start-up benchmark: an empty Qt Widgets window with a menu bar,
// ended as soon as it has painted once.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {
class Window : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* e) override {
        QMainWindow::paintEvent(e);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    const auto begin = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    Window window;
    window.menuBar()->addMenu(QStringLiteral("OPENEN "))->addAction(QStringLiteral("&Basis"));
    // The same backdrop size as the program's main window.
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    app.exec();
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%.2f\n", ms);
}
