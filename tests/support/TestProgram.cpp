#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QPointingDevice>

TestProgram::TestProgram() : program_(std::make_unique<Program>()) {
    program_->setEndHandler([this] { ++endCalls_; });
    program_->start();
    QApplication::processEvents();
}

TestProgram::~TestProgram() {
    program_.reset();
    QApplication::processEvents();
}

zef::ScriptedRandom& TestProgram::script(std::vector<double> draws) {
    auto source = std::make_unique<zef::ScriptedRandom>(std::move(draws));
    scripted_ = source.get();
    program_->setRandom(std::move(source));
    return *scripted_;
}

void TestProgram::click(QWidget* button) {
    if (!button->isVisible() || !button->isEnabled())
        qFatal("cannot click %s: not visible or not enabled", qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestProgram::type(QWidget* box, const QString& text) {
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        // Each key goes wherever the focus is now: a change reaction may have moved it.
        QWidget* target = box->window()->focusWidget() ? box->window()->focusWidget() : box;
        QTest::keyClick(target, c.toLatin1());
    }
}

double drawFor(int value, double k, double c) {
    return (value - c + 0.5) / k;
}

void TestProgram::tap(QWidget* w) {
    if (!w->isVisible() || !w->isEnabled())
        qFatal("cannot tap %s: not visible or not enabled", qPrintable(w->objectName()));
    // One device for the whole run: Qt keeps every device it is told about.
    static QPointingDevice* const finger = QTest::createTouchDevice();
    const QPoint at = w->rect().center();
    QTest::touchEvent(w->window(), finger).press(0, at, w);
    QTest::touchEvent(w->window(), finger).release(0, at, w);
}
