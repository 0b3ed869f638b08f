#include "ui/Form.h"

#include "ui/Look.h"
#include "ui/Twips.h"

#include <QEvent>

namespace ui {

Form::Form(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips, int back)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(sizeFromTwips(clientWidthTwips, clientHeightTwips));
    QPalette p = palette();
    p.setColor(QPalette::Window, rgb(back));
    setPalette(p);
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

} // namespace ui
