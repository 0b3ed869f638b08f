#include "ui/Form.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QEvent>
#include <QTimer>

namespace ui {

Form::Form(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips, int back)
    // A dialog-type window: X11 window managers are told its transient parent only for this
    // kind, and keep it in front of that window.
    : QWidget(nullptr, Qt::Dialog) {
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
    if (e->type() == QEvent::WindowStateChange && isMinimized() && minimiseListener_)
        minimiseListener_(this);
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
    // A closed screen would leave the pupil without a way on: the window stays, and the
    // program decides what the request means once it has been answered.
    e->ignore();
    if (closeListener_)
        QTimer::singleShot(0, this, [this] {
            if (closeListener_)
                closeListener_(this);
        });
}

} // namespace ui
