#include "ui/Form.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QEvent>

namespace ui {

Form::Form(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips, int back)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(sizeFromTwips(clientWidthTwips, clientHeightTwips));
    setColourRole(this, QPalette::Window, rgb(back));
    setAutoFillBackground(true);
}

void Form::build(std::span<const ControlSpec> table) {
    buildControls(this, table);
}

bool Form::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate && listener_)
        listener_(this);
    return handled;
}

void Form::releaseWindow() {
    if (!isHidden())
        return;
    for (auto* picture : findChildren<Picture*>())
        picture->releasePixels();
    for (auto* button : findChildren<PictureButton*>())
        button->releasePixels();
    if (testAttribute(Qt::WA_WState_Created))
        destroy(true, true);
}

void Form::closeEvent(QCloseEvent* e) {
    // A closed screen would leave the pupil without a way on: every screen is left by
    // its own buttons.
    e->ignore();
}

} // namespace ui
